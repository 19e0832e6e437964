#pragma once

#include <string>
#include <string_view>

namespace tessarin {

// Every text inside the core is Windows-1252 bytes, as in the volume files; UTF-8 lives only at the edges
// (source literals, terminal, JSON, widgets). These two functions are the only crossing.

// UTF-8 to Windows-1252. A character that Windows-1252 cannot hold, and every byte of a malformed UTF-8
// sequence, becomes "?", so the result always has one byte per character.
std::string ParaWin1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) are
// taken as the C1 control of the same number, so no byte is lost on the way out.
std::string ParaUtf8(std::string_view win1252);

// True when the text is well-formed UTF-8 (used to tell a UTF-8 name from a Windows-1252 one).
bool Utf8Valido(std::string_view texto);

} // namespace tessarin
