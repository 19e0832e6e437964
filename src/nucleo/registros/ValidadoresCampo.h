#pragma once

#include "dados/ListaCodigos.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tessarin {

// Pure tests and formatting over single-byte (Windows-1252) field slices, shared by every record check,
// the file-name check, the control file, the receipt and the identification. None of them fails: a bad
// text gives the negative answer or a message. Positions in comments are 1-based.

// --- Value tests ---
// True when the text is not a whole number (optional "+" or "-", digits, within int64). Sets `numero`
// only when it answers false. No allocation: it runs on every numeric field of every record.
bool NaoNumerico(std::string_view texto, std::int64_t& numero);
// True when the text is one to eighteen digits and nothing else, with `numero` set to its value. Nearly
// every numeric field is such a text, and it passes NaoNumerico (with the same number), SoAlgarismos and
// InteiroComSinal alike: a check that asks two of those tries this single pass first.
inline bool AlgarismosCurtos(std::string_view texto, std::int64_t& numero)
{
    if (texto.empty() || texto.size() > 18) {
        return false;
    }
    std::int64_t valor = 0;
    for (const char c : texto) {
        if (c < '0' || c > '9') {
            return false;
        }
        valor = valor * 10 + (c - '0');
    }
    numero = valor;
    return true;
}
bool SoAlgarismos(std::string_view texto);
bool SoZeros(std::string_view texto);
bool NumeroSemZeroInicial(std::string_view texto);
bool TerminalValido(std::string_view texto);
bool InteiroComSinal(std::string_view texto);
// Eight digits AAAAMMDD, a real date between the years (texts, both included); 29 February only in the
// years 2004 to 2096 divisible by four.
bool DataValida(std::string_view data, std::string_view anoMinimo, std::string_view anoMaximo);
// A value or quantity field of the volume files read as a whole number: any text NaoNumerico accepts,
// and from reference 1701 only digits after an optional "-" (a "+" is refused there). Sets `valor` when
// it answers true. The Mestre and Item checks and the volume builder read their values this way.
bool InteiroDoCampo(std::string_view texto, bool de1701, std::int64_t& valor);
// CPF, CNPJ and IE-SP: exactly 11, 14 or 12 digits (CNPJ and IE may carry blanks around them and the
// separators "." "/" "-"), check digits right; fourteen or twelve zeros are refused.
bool CpfValido(std::string_view texto);
bool CnpjValido(std::string_view texto);
bool IeSpValida(std::string_view texto);
bool TelefoneIdentificacaoValido(std::string_view texto);
// "OK" or one message about the characters of a short identifier.
std::string TextoValido(std::string_view texto);
// "OK" or the first failing rule's message for the 30-character reference to a substituted document.
std::string ReferenciaSubstituido(std::string_view referencia, std::string_view dataEmissaoSubstituto,
                                  std::string_view chaveSubstituto, std::string_view anoMinimo,
                                  std::string_view ufVolume);

// --- Auxiliary ---
std::string RemoveSeparadores(std::string_view texto);
char DigitoModulo11(std::string_view algarismos);
std::string FormataTelefone(std::string_view texto);

// --- Formatting (Brazilian grouping: "." thousands, "," decimals) ---
// The text forms take a decimal text (the program's own counts and amounts) and use its nearest whole
// value, half away from zero; a text that is no number is returned as it came, padded. The int64 and
// double forms are for hot paths and give the same results without going through a text.
std::string FormataQuantidade(std::string_view inteiro);
std::string FormataQuantidade(std::int64_t quantidade);
std::string FormataQuantidadeLargura(std::string_view inteiro, int largura);
std::string FormataQuantidadeLargura(std::int64_t quantidade, int largura);
std::string FormataValor(std::string_view centesimos);
std::string FormataValor(double centesimos);
// Nearest whole value, zero-padded to the width; a negative one is "-" and its digits padded to width - 1.
std::string ZerosAEsquerda(int largura, double numero);
std::string AlinhaDireita(std::string_view texto, int largura);
std::string AlinhaEsquerda(std::string_view texto, int largura);
// What follows the last "\" or "/"; a bare name is returned whole.
std::string NomeSemCaminho(std::string_view caminho);

} // namespace tessarin
