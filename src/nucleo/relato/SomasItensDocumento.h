#pragma once

#include <string>

namespace tessarin {

// What the Item checks gather over one document's items for the comparison with the document itself. The
// record loop calls Reinicia before each document's item walk; the Item checks add into it, item by item;
// the document sums read it once the walk is over. Money is in centavos, whole numbers held in doubles.
struct SomasItensDocumento
{
    // Only item values that passed their numeric test are added.
    double ValorTotal = 0;
    double BaseIcms = 0;
    double ValorIcms = 0;
    double Isentas = 0;
    double Outros = 0;
    double Descontos = 0;
    double Acrescimos = 0;

    // The items' types of use, in item order, joined by "-" (the content of a missing type of use).
    std::string TiposUtilizacao;
    // Some item's type of use equals the document's own.
    bool TipoUtilizacaoEncontrado = false;
    // Some item's classification requires the document to name its terminal.
    bool ExigeTerminal = false;

    void AcrescentaTipoUtilizacao(char tipo)
    {
        if (!TiposUtilizacao.empty()) {
            TiposUtilizacao += '-';
        }
        TiposUtilizacao += tipo;
    }

    // Keeps the text's capacity: this runs once per document of volumes of millions of documents.
    void Reinicia()
    {
        ValorTotal = BaseIcms = ValorIcms = Isentas = Outros = Descontos = Acrescimos = 0;
        TiposUtilizacao.clear();
        TipoUtilizacaoEncontrado = false;
        ExigeTerminal = false;
    }
};

} // namespace tessarin
