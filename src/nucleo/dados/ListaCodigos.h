#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessarin {

// Substring membership in a "%"-separated code list ("6" and "%" are in "01%06"); the empty value is in
// no list. Files already accepted were judged with this very test, so every list keeps its meaning.
bool ConstaNaLista(std::string_view valor, std::string_view lista);

// A code list whose text is fixed at compile time, answering the same question as ConstaNaLista on its
// text. Fields of one to four digits (almost every value the record checks ask about) are answered from a
// table of every digit run of that width in the text, which is the substring test itself worked out in
// advance; any other value (blanks, "%", letters, longer) goes to the substring test. It is still its text
// for everyone who reads the list as one.
class ListaCodigos : public std::string_view
{
public:
    // Built only at compile time: the table is a few thousand steps of work no run should pay for.
    consteval ListaCodigos(const char* texto) : ListaCodigos(std::string_view(texto)) {}
    consteval ListaCodigos(std::string_view texto) : std::string_view(texto)
    {
        for (std::size_t largura = 1; largura <= LarguraMaxima; ++largura) {
            for (std::size_t i = 0; i + largura <= texto.size(); ++i) {
                const int indice = Indice(texto.substr(i, largura));
                if (indice >= 0) {
                    bits_[static_cast<std::size_t>(indice) / 64] |= std::uint64_t{1} << (indice % 64);
                }
            }
        }
    }

    // Found only for a ListaCodigos argument, so a plain text list still goes to the substring test.
    friend bool ConstaNaLista(std::string_view valor, const ListaCodigos& lista) { return lista.Contem(valor); }

    bool Contem(std::string_view valor) const
    {
        const int indice = Indice(valor);
        if (indice < 0) {
            // As a plain text, or the call would come back here.
            return ConstaNaLista(valor, static_cast<std::string_view>(*this));
        }
        return (bits_[static_cast<std::size_t>(indice) / 64] >> (indice % 64)) & 1U;
    }

private:
    static constexpr std::size_t LarguraMaxima = 4;
    // Each width has its own range of bits: width w starts after the 10 + 100 + ... values of the shorter
    // ones, so "1" and "01" never share a bit.
    static constexpr std::size_t TotalBits = 10 + 100 + 1000 + 10000;

    // The bit of a digit-only value of width 1 to 4, or -1 for any other value.
    static constexpr int Indice(std::string_view valor)
    {
        if (valor.empty() || valor.size() > LarguraMaxima) {
            return -1;
        }
        int numero = 0;
        for (const char c : valor) {
            if (c < '0' || c > '9') {
                return -1;
            }
            numero = numero * 10 + (c - '0');
        }
        constexpr std::array<int, LarguraMaxima + 1> inicio = {0, 0, 10, 110, 1110};
        return inicio[valor.size()] + numero;
    }

    std::array<std::uint64_t, (TotalBits + 63) / 64> bits_{};
};

} // namespace tessarin
