#include "dados/Texto1252.h"

#include <array>
#include <cstdint>

namespace tessarin {

namespace {

// Code points of the bytes 0x80-0x9F; the undefined ones map to the C1 control of the same value.
constexpr std::array<char32_t, 32> Faixa80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodigoDoByte(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F) {
        return Faixa80[b - 0x80];
    }
    return b;
}

int ByteDoCodigo(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (std::size_t i = 0; i < Faixa80.size(); ++i) {
        if (Faixa80[i] == c) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

// Decodes one UTF-8 sequence at `pos`; returns the number of bytes taken (0 when malformed).
std::size_t DecodificaUtf8(std::string_view s, std::size_t pos, char32_t& codigo)
{
    const auto b0 = static_cast<unsigned char>(s[pos]);
    std::size_t n = 0;
    char32_t minimo = 0;
    if (b0 < 0x80) {
        codigo = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        n = 2;
        codigo = b0 & 0x1F;
        minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3;
        codigo = b0 & 0x0F;
        minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4;
        codigo = b0 & 0x07;
        minimo = 0x10000;
    } else {
        return 0;
    }
    if (pos + n > s.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        codigo = (codigo << 6) | (b & 0x3F);
    }
    if (codigo < minimo || codigo > 0x10FFFF || (codigo >= 0xD800 && codigo <= 0xDFFF)) {
        return 0;
    }
    return n;
}

void AcrescentaUtf8(std::string& saida, char32_t c)
{
    if (c < 0x80) {
        saida += static_cast<char>(c);
    } else if (c < 0x800) {
        saida += static_cast<char>(0xC0 | (c >> 6));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        saida += static_cast<char>(0xE0 | (c >> 12));
        saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string ParaWin1252(std::string_view utf8)
{
    std::string saida;
    saida.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t codigo = 0;
        const std::size_t n = DecodificaUtf8(utf8, pos, codigo);
        if (n == 0) {
            saida += '?';
            ++pos;
            continue;
        }
        const int b = ByteDoCodigo(codigo);
        saida += b < 0 ? '?' : static_cast<char>(b);
        pos += n;
    }
    return saida;
}

std::string ParaUtf8(std::string_view win1252)
{
    std::string saida;
    saida.reserve(win1252.size() + win1252.size() / 8);
    for (const char ch : win1252) {
        AcrescentaUtf8(saida, CodigoDoByte(static_cast<unsigned char>(ch)));
    }
    return saida;
}

bool Utf8Valido(std::string_view texto)
{
    std::size_t pos = 0;
    while (pos < texto.size()) {
        char32_t codigo = 0;
        const std::size_t n = DecodificaUtf8(texto, pos, codigo);
        if (n == 0) {
            return false;
        }
        pos += n;
    }
    return true;
}

} // namespace tessarin
