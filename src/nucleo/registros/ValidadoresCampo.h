#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessarin {

// Pure tests and formatting over single-byte (Windows-1252) field slices, shared by every record check,
// the file-name check, the control file, the receipt and the identification. None of them fails: a bad
// text gives the negative answer or a message. Positions in comments are 1-based.

// --- Value tests ---
bool NaoNumerico(std::string_view texto, std::int64_t& numero);
bool SoAlgarismos(std::string_view texto);
bool SoZeros(std::string_view texto);
bool NumeroSemZeroInicial(std::string_view texto);
bool TerminalValido(std::string_view texto);
bool InteiroComSinal(std::string_view texto);
bool DataValida(std::string_view data, std::string_view anoMinimo, std::string_view anoMaximo);
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
bool ConstaNaLista(std::string_view valor, std::string_view lista);
std::string FormataTelefone(std::string_view texto);

// --- Formatting (Brazilian grouping: "." thousands, "," decimals) ---
std::string FormataQuantidade(std::string_view inteiro);
std::string FormataQuantidade(std::int64_t quantidade);
std::string FormataQuantidadeLargura(std::string_view inteiro, int largura);
std::string FormataQuantidadeLargura(std::int64_t quantidade, int largura);
std::string FormataValor(std::string_view centesimos);
std::string FormataValor(double centesimos);
std::string ZerosAEsquerda(int largura, double numero);
std::string AlinhaDireita(std::string_view texto, int largura);
std::string AlinhaEsquerda(std::string_view texto, int largura);
std::string NomeSemCaminho(std::string_view caminho);

} // namespace tessarin
