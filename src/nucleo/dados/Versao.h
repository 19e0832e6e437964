#pragma once

#include <string>
#include <string_view>

namespace tessarin {

// The program's version as the rules know it: the control file carries the first three characters, the
// receipt and the report show the dotted form.
inline constexpr std::string_view VersaoPrograma = "300b";
inline constexpr std::string_view DataVersao = "02/03/2017";
inline constexpr std::string_view ReferenciaMinima = "0405";
inline constexpr std::string_view ReferenciaMaxima = "1702";

// "300b" shown as "3.00b": a point after the first character.
std::string VersaoComPonto();

// The three characters written into the control file and demanded when a control file is read back.
inline std::string_view VersaoControle() { return VersaoPrograma.substr(0, 3); }

} // namespace tessarin
