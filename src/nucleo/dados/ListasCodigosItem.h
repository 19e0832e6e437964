#pragma once

#include "dados/ListaCodigos.h"

#include <array>

namespace tessarin {

// The code lists the Item checks compare fields with. Each is one text of fixed-width codes joined by "%",
// tested with ConstaNaLista on the field as cut from the record (full width). Membership is a substring
// test on purpose: a field holding "%" may match across two entries, and files already accepted by the
// authorities were judged that way, so the texts are kept exactly as they are.

// --- Classifications (4 characters; the first two are the group) ---
inline constexpr ListaCodigos ClassifGrupos01a05 =
    "0101%0102%0103%0104%0105%0199%0201%0202%0203%0204%0205%0299%0301%0302%0303%0304%0305%0306%0307%0308%0309%"
    "0310%0311%0312%0313%0314%0315%0399%0401%0402%0403%0404%0405%0406%0407%0499%0501%0502%0599";
inline constexpr ListaCodigos ClassifGrupos06a11 =
    "0601%0602%0603%0604%0605%0606%0607%0608%0609%0610%0699%0701%0702%0703%0704%0705%0706%0707%0708%0709%0799%"
    "0801%0802%0803%0804%0805%0806%0807%0808%0899%0901%0902%0903%0904%0905%0906%0907%0999%1001%1002%1003%1004%"
    "1005%1099%1101%1102%1103%1104%1199";
inline constexpr ListaCodigos ClassifGrupos06a11Sem0907 =
    "0601%0602%0603%0604%0605%0606%0607%0608%0609%0610%0699%0701%0702%0703%0704%0705%0706%0707%0708%0709%0799%"
    "0801%0802%0803%0804%0805%0806%0807%0808%0899%0901%0902%0903%0904%0905%0906%0999%1001%1002%1003%1004%"
    "1005%1099%1101%1102%1103%1104%1199";
inline constexpr ListaCodigos ClassifGrupos06a11Com0697 =
    "0601%0602%0603%0604%0605%0606%0607%0608%0609%0610%0697%0698%0699%0701%0702%0703%0704%0705%0706%0707%0708%"
    "0709%0799%0801%0802%0803%0804%0805%0806%0807%0808%0899%0901%0902%0903%0904%0905%0906%0907%0999%1001%1002%"
    "1003%1004%1005%1099%1101%1102%1103%1104%1199";
inline constexpr ListaCodigos ClassifGas =
    "5001%5002%5003%5004%5005%5006%5007%5008%5009%5010%5011%5012%5013%5014%5015%5016%5017%5051%5052%5053%5054%"
    "5055%5056%5057%5058%5059%5060%5061%5062%5063%5064%5081%5090%5099";
inline constexpr ListaCodigos ClassifGrupos08e09 =
    "0801%0802%0803%0804%0805%0806%0807%0808%0899%0901%0902%0903%0904%0905%0906%0907%0999";
// Groups 08 and 09 without the energy codes of group 09: valid for every model from 1701.
inline constexpr ListaCodigos ClassifGrupos08e09Comuns =
    "0801%0802%0803%0804%0805%0806%0807%0808%0899%0901%0902%0904%0906%0999";
inline constexpr ListaCodigos ClassifEnergia = "0601%0602%0603%0604%0605%0606%0607%0608%0609%0610%0699";
inline constexpr ListaCodigos ClassifEnergiaGrupo09 = "0903%0905%0907";
inline constexpr ListaCodigos ClassifEnergiaSP = "0697%0698";
// Communication codes, one text per group.
inline constexpr std::array<ListaCodigos, 8> ClassifComunicacao = {
    "0101%0102%0103%0104%0105%0199",
    "0201%0202%0203%0204%0205%0299",
    "0301%0302%0303%0304%0305%0306%0307%0308%0309%0310%0311%0312%0313%0314%0315%0399",
    "0401%0402%0403%0404%0405%0406%0407%0499",
    "0501%0502%0599",
    "0701%0702%0703%0704%0705%0706%0707%0708%0709%0799",
    "1001%1002%1003%1004%1005%1099",
    "1101%1102%1103%1104%1105%1106%1107%1199",
};
inline constexpr ListaCodigos Classif0891e0892 = "0891%0892";
inline constexpr ListaCodigos Classif1201e1202 = "1201%1202";
inline constexpr ListaCodigos Classif1105a1107 = "1105%1106%1107";

// Classifications tied to one type of use (models 21 and 22 from 1701): entry k - 1 needs type "k". The
// lists are disjoint; type 6 has none.
inline constexpr std::array<ListaCodigos, 5> ClassifTipoUtilizacao = {
    "0101%0201%0301%0302%0303%0304%0305%0307%0308%0309%0401%0402%0404%0405%0406%0502%0701%0702%1001",
    "0102%0202%0306%0312%0313%1002",
    "0103%0203%0311%1003",
    "0104%0204%0310%0403%0407%1004",
    "0105%0205%0315%1005",
};
// A document of model 21 or 22 with an item of these classifications must name its terminal.
inline constexpr ListaCodigos ClassifExigeTerminal =
    "0101%0201%0301%0302%0303%0304%0305%0307%0308%0309%0312%0313%0402%0405%0406%0502%0701%0702%1001";

// --- Other lists ---
// The CFOP "0000" rule tests the group against the first text; the value rules against the second, whose
// blank (rather than "%") lets a group such as "8 " through. Both are kept as written.
inline constexpr ListaCodigos Grupos08e09 = "08%09";
inline constexpr ListaCodigos Grupos08e09Valores = "08 09";
inline constexpr ListaCodigos TiposUtilizacao = "123456";
inline constexpr ListaCodigos CfopsEntrada = "1%2%3";
inline constexpr ListaCodigos CfopsSaida = "5%6%7";
inline constexpr ListaCodigos TiposIsencaoReducao = "00%01%02%03%04%05%06%07%99";
inline constexpr ListaCodigos IndicadoresDescontoJudicial = " J";

} // namespace tessarin
