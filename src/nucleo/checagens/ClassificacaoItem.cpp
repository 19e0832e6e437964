#include "checagens/ClassificacaoItem.h"

#include "dados/ListasCodigosItem.h"
#include "registros/ValidadoresCampo.h"

namespace tessarin {

namespace {

bool Comunicacao(std::string_view modelo)
{
    return modelo == "21" || modelo == "22";
}

bool NaComunicacao(std::string_view c)
{
    for (const ListaCodigos& grupo : ClassifComunicacao) {
        if (ConstaNaLista(c, grupo)) {
            return true;
        }
    }
    return false;
}

bool ValidaAntesDe1701(std::string_view c, std::string_view m, std::string_view r, bool sp)
{
    if (!sp) {
        return ConstaNaLista(c, ClassifGrupos01a05) || ConstaNaLista(c, ClassifGrupos06a11) ||
               ((m == "01" || m == "28") && r >= "1301" && ConstaNaLista(c, ClassifGas)) ||
               (r >= "1304" && ConstaNaLista(c, Classif1105a1107));
    }
    if (m == "01") {
        if (r > "1206") {
            return ConstaNaLista(c, ClassifGas) || ConstaNaLista(c, ClassifGrupos08e09);
        }
        return ConstaNaLista(c, ClassifGrupos01a05) || ConstaNaLista(c, ClassifGrupos06a11Sem0907) ||
               ConstaNaLista(c, ClassifGas);
    }
    return ConstaNaLista(c, ClassifGrupos01a05) || ConstaNaLista(c, ClassifGrupos06a11Com0697) ||
           (Comunicacao(m) &&
            (ConstaNaLista(c, Classif0891e0892) || (r <= "1206" && ConstaNaLista(c, Classif1201e1202)) ||
             (r >= "1304" && ConstaNaLista(c, Classif1105a1107))));
}

} // namespace

ResultadoClassificacao ClassificacaoNoDocumento(std::string_view c, std::string_view m, std::string_view r,
                                                std::string_view uf)
{
    const bool sp = uf == "SP";
    if (r < "1701") {
        return {ValidaAntesDe1701(c, m, r, sp) ? 0 : 215, false};
    }
    if (!SoAlgarismos(c)) {
        return {215, false};
    }
    if (ConstaNaLista(c, ClassifGrupos08e09Comuns)) {
        return {};
    }
    ResultadoClassificacao r1701;
    if (m == "01" || m == "28") {
        if (!ConstaNaLista(c, ClassifGas)) {
            r1701.Codigo = 257;
        }
    } else if (m == "06") {
        if (!ConstaNaLista(c, ClassifEnergia) && !ConstaNaLista(c, ClassifEnergiaGrupo09) &&
            !(sp && ConstaNaLista(c, ClassifEnergiaSP))) {
            r1701.Codigo = 258;
        }
    } else if (Comunicacao(m)) {
        if (!NaComunicacao(c) && !(sp && ConstaNaLista(c, Classif0891e0892))) {
            r1701.Codigo = 259;
        }
        // The terminal requirement follows the classification even when it was refused above.
        r1701.ExigeTerminal = ConstaNaLista(c, ClassifExigeTerminal);
    }
    return r1701;
}

int ClassificacaoNoTipoUtilizacao(std::string_view c, std::string_view tipoUtilizacao)
{
    for (std::size_t k = 0; k < ClassifTipoUtilizacao.size(); ++k) {
        const char tipoExigido = static_cast<char>('1' + k);
        if (ConstaNaLista(c, ClassifTipoUtilizacao[k]) &&
            (tipoUtilizacao.size() != 1 || tipoUtilizacao[0] != tipoExigido)) {
            return 260;
        }
    }
    return 0;
}

int RegraCfop0000(std::string_view cfop, std::string_view classificacao, bool mismatchEhErro)
{
    const bool zeros = cfop == "0000";
    const bool grupo08ou09 = ConstaNaLista(classificacao.substr(0, 2), Grupos08e09);
    if (zeros == grupo08ou09) {
        return 0;
    }
    return mismatchEhErro ? 235 : 233;
}

int DirecaoCfop(std::string_view cfop, bool volumeDeSaida)
{
    const std::string_view primeiro = cfop.substr(0, 1);
    if (volumeDeSaida && ConstaNaLista(primeiro, CfopsEntrada)) {
        return 236;
    }
    if (!volumeDeSaida && ConstaNaLista(primeiro, CfopsSaida)) {
        return 237;
    }
    return 0;
}

int TipoIsencao(std::string_view tipo, std::string_view modelo)
{
    if (Comunicacao(modelo)) {
        return SoAlgarismos(tipo) && ConstaNaLista(tipo, TiposIsencaoReducao) ? 0 : 246;
    }
    return tipo == "00" ? 0 : 247;
}

} // namespace tessarin
