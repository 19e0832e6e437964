#pragma once

#include <string_view>

namespace tessarin {

// The decisions on an item's classification, CFOP and exemption type against the fixed code lists. Each
// gives the occurrence code to report, or 0. Texts are the fields as cut from the records; references are
// AAMM compared as text.

struct ResultadoClassificacao
{
    int Codigo = 0;             // 215, 257, 258, 259 or 0
    bool ExigeTerminal = false; // model 21 or 22 from 1701 with a classification that needs the terminal
};

// The classification against the document's model (the Mestre's, not the item's), the reference and the
// volume's UF.
ResultadoClassificacao ClassificacaoNoDocumento(std::string_view classificacao, std::string_view modelo,
                                                std::string_view referencia, std::string_view uf);

// 260 when the classification belongs to the list of another type of use. For models 21 and 22 from 1701,
// with a type of use already known to be 1 to 6.
int ClassificacaoNoTipoUtilizacao(std::string_view classificacao, std::string_view tipoUtilizacao);

// CFOP "0000" only, and always, for the classification groups 08 and 09. A mismatch is 235 when
// `mismatchEhErro` (from 1701, or SP under the July 2012 rule), the warning 233 otherwise.
int RegraCfop0000(std::string_view cfop, std::string_view classificacao, bool mismatchEhErro);

// 236 for an entry CFOP in an exit volume, 237 for an exit CFOP in an entry volume.
int DirecaoCfop(std::string_view cfop, bool volumeDeSaida);

// From 1701: 246 for models 21 and 22 outside the exemption-type list, 247 for other models unless "00".
int TipoIsencao(std::string_view tipo, std::string_view modelo);

} // namespace tessarin
