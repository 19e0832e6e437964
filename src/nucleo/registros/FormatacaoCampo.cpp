// The formatting half of the field helpers declared in ValidadoresCampo.h: grouping, alignment and zero
// padding. Separators are fixed to the Brazilian "." and ",": the receipt and the control file are read
// by the tax office, and the same volume must not print differently on two machines.

#include "registros/ValidadoresCampo.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tessarin {

namespace {

bool EhAlgarismo(char c)
{
    return c >= '0' && c <= '9';
}

// Sign, grouped integer part, "," and the decimals when there are any, padded on the left with blanks to
// the width (never cut). `algarismos` holds the digits of the whole value scaled by 10^casas, without
// leading zeros.
std::string Agrupa(bool negativo, std::string_view algarismos, int casas, int largura)
{
    const auto nCasas = static_cast<std::size_t>(casas);
    // Fewer digits than casas + 1 ("5" hundredths) read as if zero-filled: "0,05".
    const std::size_t total = std::max(algarismos.size(), nCasas + 1);
    const std::size_t zeros = total - algarismos.size();
    const auto digito = [&](std::size_t i) { return i < zeros ? '0' : algarismos[i - zeros]; };
    const std::size_t nInteiros = total - nCasas;
    const std::size_t tamanho = (negativo ? 1 : 0) + nInteiros + (nInteiros - 1) / 3 + (nCasas > 0 ? nCasas + 1 : 0);
    const std::size_t brancos =
        largura > 0 && static_cast<std::size_t>(largura) > tamanho ? static_cast<std::size_t>(largura) - tamanho : 0;
    std::string resultado;
    resultado.reserve(brancos + tamanho);
    resultado.append(brancos, ' ');
    if (negativo) {
        resultado += '-';
    }
    for (std::size_t i = 0; i < nInteiros; ++i) {
        if (i > 0 && (nInteiros - i) % 3 == 0) {
            resultado += '.';
        }
        resultado += digito(i);
    }
    if (nCasas > 0) {
        resultado += ',';
        for (std::size_t i = nInteiros; i < total; ++i) {
            resultado += digito(i);
        }
    }
    return resultado;
}

std::string AgrupaInteiro(std::int64_t valor, int casas, int largura)
{
    // The magnitude goes through unsigned so that the most negative value has one too.
    const bool negativo = valor < 0;
    const std::uint64_t magnitude =
        negativo ? std::uint64_t{0} - static_cast<std::uint64_t>(valor) : static_cast<std::uint64_t>(valor);
    std::array<char, 24> buffer{};
    const auto fim = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude).ptr;
    return Agrupa(negativo, std::string_view(buffer.data(), static_cast<std::size_t>(fim - buffer.data())), casas,
                  largura);
}

// Reads a decimal text (blanks around it, an optional sign, digits, optionally "," or "." and more
// digits) as the digits of its nearest whole value, half away from zero, without leading zeros.
// Works on the digits themselves, so a text of any length keeps every digit.
bool LeDecimal(std::string_view texto, bool& negativo, std::string& algarismos)
{
    const auto ini = texto.find_first_not_of(' ');
    if (ini == std::string_view::npos) {
        return false;
    }
    texto = texto.substr(ini, texto.find_last_not_of(' ') - ini + 1);
    negativo = false;
    if (texto[0] == '-' || texto[0] == '+') {
        negativo = texto[0] == '-';
        texto.remove_prefix(1);
    }
    std::size_t i = 0;
    while (i < texto.size() && EhAlgarismo(texto[i])) {
        ++i;
    }
    const auto inteiros = texto.substr(0, i);
    std::string_view fracao;
    if (i < texto.size() && (texto[i] == ',' || texto[i] == '.')) {
        fracao = texto.substr(i + 1);
        for (const char c : fracao) {
            if (!EhAlgarismo(c)) {
                return false;
            }
        }
    } else if (i < texto.size()) {
        return false;
    }
    if (inteiros.empty() && fracao.empty()) {
        return false;
    }
    algarismos.assign(inteiros);
    if (!fracao.empty() && fracao[0] >= '5') {
        auto d = algarismos.rbegin();
        while (d != algarismos.rend() && *d == '9') {
            *d++ = '0';
        }
        if (d == algarismos.rend()) {
            algarismos.insert(algarismos.begin(), '1');
        } else {
            ++*d;
        }
    }
    algarismos.erase(0, std::min(algarismos.find_first_not_of('0'), algarismos.size()));
    if (algarismos.empty()) {
        algarismos = "0";
        negativo = false; // "-0" is shown as "0"
    }
    return true;
}

// `casas` is where the comma goes: the text counts units of 10^-casas (hundredths for money).
std::string FormataTexto(std::string_view texto, int casas, int largura)
{
    bool negativo = false;
    std::string algarismos;
    if (!LeDecimal(texto, negativo, algarismos)) {
        // Only program-made numbers reach here; anything else is shown as it came rather than hidden.
        std::string resultado;
        if (largura > 0 && static_cast<std::size_t>(largura) > texto.size()) {
            resultado.assign(static_cast<std::size_t>(largura) - texto.size(), ' ');
        }
        return resultado += texto;
    }
    return Agrupa(negativo, algarismos, casas, largura);
}

// Doubles that an int64 cannot hold keep their exact whole value through printf's "%.0f".
std::string TextoDoDouble(double valor)
{
    std::array<char, 400> buffer{};
    const int n = std::snprintf(buffer.data(), buffer.size(), "%.0f", valor);
    return std::string(buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

bool CabeEmInt64(double valor)
{
    return std::isfinite(valor) && std::fabs(valor) < 9.2e18;
}

} // namespace

std::string FormataQuantidade(std::string_view inteiro)
{
    return FormataTexto(inteiro, 0, 15);
}

std::string FormataQuantidade(std::int64_t quantidade)
{
    return AgrupaInteiro(quantidade, 0, 15);
}

std::string FormataQuantidadeLargura(std::string_view inteiro, int largura)
{
    return FormataTexto(inteiro, 0, largura);
}

std::string FormataQuantidadeLargura(std::int64_t quantidade, int largura)
{
    return AgrupaInteiro(quantidade, 0, largura);
}

std::string FormataValor(std::string_view centesimos)
{
    return FormataTexto(centesimos, 2, 15);
}

std::string FormataValor(double centesimos)
{
    // Sums of whole centavos are whole already; rounding only guards against a stray fraction.
    if (CabeEmInt64(centesimos)) {
        return AgrupaInteiro(std::llround(centesimos), 2, 15);
    }
    return FormataTexto(TextoDoDouble(centesimos), 2, 15);
}

std::string ZerosAEsquerda(int largura, double numero)
{
    std::array<char, 24> buffer{};
    std::string grande;
    std::string_view digitos;
    bool negativo = false;
    if (CabeEmInt64(numero)) {
        const std::int64_t valor = std::llround(numero);
        negativo = valor < 0;
        const std::uint64_t magnitude =
            negativo ? std::uint64_t{0} - static_cast<std::uint64_t>(valor) : static_cast<std::uint64_t>(valor);
        const auto fim = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude).ptr;
        digitos = std::string_view(buffer.data(), static_cast<std::size_t>(fim - buffer.data()));
    } else if (std::isfinite(numero)) {
        grande = TextoDoDouble(std::fabs(numero));
        negativo = numero < 0;
        digitos = grande;
    } else {
        return TextoDoDouble(numero); // "nan" or "inf": nothing sensible to pad
    }
    // The sign takes one of the width's places; a value that rounds to zero has no sign.
    const int larguraDigitos = negativo ? largura - 1 : largura;
    std::string resultado = negativo ? "-" : "";
    if (larguraDigitos > 0 && static_cast<std::size_t>(larguraDigitos) > digitos.size()) {
        resultado.append(static_cast<std::size_t>(larguraDigitos) - digitos.size(), '0');
    }
    return resultado += digitos;
}

std::string AlinhaDireita(std::string_view texto, int largura)
{
    if (largura <= 0) {
        return {};
    }
    const auto n = static_cast<std::size_t>(largura);
    std::string resultado(n > texto.size() ? n - texto.size() : 0, ' ');
    resultado += texto.substr(0, n - resultado.size());
    return resultado;
}

std::string AlinhaEsquerda(std::string_view texto, int largura)
{
    if (largura <= 0) {
        return {};
    }
    const auto n = static_cast<std::size_t>(largura);
    std::string resultado(texto.substr(0, n));
    resultado.append(n - resultado.size(), ' ');
    return resultado;
}

std::string NomeSemCaminho(std::string_view caminho)
{
    // "\" for the paths of Windows dialogs, "/" for the paths given on Linux. A bare name is its own
    // file name.
    const auto barra = caminho.find_last_of("\\/");
    return std::string(barra == std::string_view::npos ? caminho : caminho.substr(barra + 1));
}

} // namespace tessarin
