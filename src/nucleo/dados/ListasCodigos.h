#pragma once

#include "dados/ListaCodigos.h"

namespace tessarin {

// Code lists shared by the record, file-name and volume checks, declared once so that they cannot drift
// apart. Where two checks differ on purpose (the leap years), each has its own list, named for it.

inline constexpr ListaCodigos ListaMeses = "01%02%03%04%05%06%07%08%09%10%11%12";
inline constexpr ListaCodigos ListaDias =
    "01%02%03%04%05%06%07%08%09%10%11%12%13%14%15%16%17%18%19%20%21%22%23%24%25%26%27%28%29%30%31";
// The two-digit years a volume's reference may carry.
inline constexpr ListaCodigos ListaAnosReferencia =
    "03%04%05%06%07%08%09%10%11%12%13%14%15%16%17%18%19%20%21%22%23%24%25%26%27%"
    "28%29%30%31%32%33%34%35%36%37%38%39%40";
// The states and "EX" (abroad).
inline constexpr ListaCodigos ListaUfs =
    "AC%AL%AM%AP%BA%CE%DF%ES%GO%MA%MG%MS%MT%PA%PB%PE%PI%PR%RJ%RN%RO%RR%RS%SC%SE%SP%TO%EX";
// The document models of this kind of volume.
inline constexpr ListaCodigos ListaModelos = "01%06%21%22";

// The years granted a 29 February by the date test of the fields. 1996 and 2000 were leap years too, but
// the list is part of the published rules: every validator must give a volume the same verdict.
inline constexpr ListaCodigos AnosBissextosDatas = "2004 2008 2012 2016 2020 2024 2028 2032 2036 2040 2044 2048 "
                                                   "2052 2056 2060 2064 2068 2072 2076 2080 2084 2088 2092 2096";
// The years with a 29 February that a document's emission date may carry; this list stops at 2060 on
// purpose.
inline constexpr ListaCodigos AnosBissextosEmissao =
    "2004 2008 2012 2016 2020 2024 2028 2032 2036 2040 2044 2048 2052 2056 2060";

} // namespace tessarin
