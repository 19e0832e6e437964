#include "registros/ValidadoresCampo.h"

#include "dados/ListasCodigos.h"
#include "dados/Texto1252.h"

#include <charconv>
#include <system_error>

namespace tessarin {

namespace {

bool EhAlgarismo(char c)
{
    return c >= '0' && c <= '9';
}

bool EhLetraSemAcento(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int Valor(char c)
{
    return EhAlgarismo(c) ? c - '0' : 0;
}

std::string_view AparaBrancos(std::string_view texto)
{
    const auto ini = texto.find_first_not_of(' ');
    if (ini == std::string_view::npos) {
        return {};
    }
    return texto.substr(ini, texto.find_last_not_of(' ') - ini + 1);
}

// Substring that never throws: positions beyond the end give a shorter (or empty) text.
std::string_view Trecho(std::string_view texto, std::size_t posicao1, std::size_t tamanho)
{
    if (posicao1 == 0 || posicao1 > texto.size()) {
        return {};
    }
    return texto.substr(posicao1 - 1, tamanho);
}

// CNPJ and IE are typed with or without their mask; both forms must give the same digits.
std::string DocumentoLimpo(std::string_view texto)
{
    return RemoveSeparadores(AparaBrancos(texto));
}

// Weighted sum mod 11 as the CNPJ rule wants it: remainders 0 and 1 give digit 0.
char DigitoCnpj(std::string_view algarismos, std::string_view pesos)
{
    int soma = 0;
    for (std::size_t i = 0; i < pesos.size(); ++i) {
        soma += Valor(algarismos[i]) * (pesos[i] - '0');
    }
    const int resto = soma % 11;
    return static_cast<char>('0' + (resto < 2 ? 0 : 11 - resto));
}

} // namespace

bool NaoNumerico(std::string_view texto, std::int64_t& numero)
{
    // from_chars already refuses blanks, "." and ",", and an empty text; it only lacks the "+" sign,
    // which must be followed by a digit (so "+-5" stays refused).
    // Most fields are plain digits, short enough not to overflow: added up there, as from_chars would.
    if (AlgarismosCurtos(texto, numero)) {
        return false;
    }
    const char* ini = texto.data();
    const char* fim = ini + texto.size();
    if (ini != fim && *ini == '+') {
        ++ini;
        if (ini == fim || !EhAlgarismo(*ini)) {
            return true;
        }
    }
    std::int64_t valor = 0;
    const auto [ate, erro] = std::from_chars(ini, fim, valor);
    if (erro != std::errc{} || ate != fim) {
        return true;
    }
    numero = valor;
    return false;
}

bool SoAlgarismos(std::string_view texto)
{
    if (texto.empty()) {
        return false;
    }
    for (const char c : texto) {
        if (!EhAlgarismo(c)) {
            return false;
        }
    }
    return true;
}

bool SoZeros(std::string_view texto)
{
    return texto.find_first_not_of('0') == std::string_view::npos;
}

bool NumeroSemZeroInicial(std::string_view texto)
{
    if (texto.empty()) {
        return true;
    }
    return texto[0] != '0' && SoAlgarismos(texto);
}

bool TerminalValido(std::string_view texto)
{
    return texto.size() > 3 && SoAlgarismos(texto) && texto[0] != '0' && texto[1] != '0' && texto[2] != '0' &&
           !SoZeros(texto.substr(3));
}

bool InteiroDoCampo(std::string_view texto, bool de1701, std::int64_t& valor)
{
    return AlgarismosCurtos(texto, valor) || (!NaoNumerico(texto, valor) && (!de1701 || InteiroComSinal(texto)));
}

bool InteiroComSinal(std::string_view texto)
{
    // A "-" only in front, then at least one digit and nothing else.
    const std::size_t inicio = !texto.empty() && texto.front() == '-' ? 1 : 0;
    if (inicio == texto.size()) {
        return false;
    }
    for (std::size_t i = inicio; i < texto.size(); ++i) {
        if (!EhAlgarismo(texto[i])) {
            return false;
        }
    }
    return true;
}

bool DataValida(std::string_view data, std::string_view anoMinimo, std::string_view anoMaximo)
{
    // A date field is eight characters; a shorter text would let a one-digit day slip through the
    // substring lists below.
    if (data.size() != 8 || !SoAlgarismos(data)) {
        return false;
    }
    const auto ano = data.substr(0, 4);
    const auto mes = data.substr(4, 2);
    const auto dia = data.substr(6, 2);
    if (!ConstaNaLista(dia, ListaDias) || !ConstaNaLista(mes, ListaMeses)) {
        return false;
    }
    if ((mes == "04" || mes == "06" || mes == "09" || mes == "11") && dia > "30") {
        return false;
    }
    if (mes == "02" && (dia > "29" || (dia == "29" && !ConstaNaLista(ano, AnosBissextosDatas)))) {
        return false;
    }
    return anoMinimo <= ano && ano <= anoMaximo;
}

char DigitoModulo11(std::string_view algarismos)
{
    int soma = 0;
    int peso = 2;
    for (auto it = algarismos.rbegin(); it != algarismos.rend(); ++it) {
        soma += Valor(*it) * peso++;
    }
    const int d = 11 - soma % 11;
    return d > 9 ? '0' : static_cast<char>('0' + d);
}

bool CpfValido(std::string_view texto)
{
    // The check digits treat a non-digit as 0, so "A0000000000" would rebuild itself; a CPF is digits.
    if (texto.size() != 11 || !SoAlgarismos(texto)) {
        return false;
    }
    std::string cpf(texto.substr(0, 9));
    cpf += DigitoModulo11(cpf);
    cpf += DigitoModulo11(cpf);
    return cpf == texto;
}

bool CnpjValido(std::string_view texto)
{
    // Exactly fourteen digits: trailing characters after a valid number do not make a CNPJ.
    const std::string cnpj = DocumentoLimpo(texto);
    if (cnpj.size() != 14 || !SoAlgarismos(cnpj)) {
        return false;
    }
    return DigitoCnpj(cnpj, "543298765432") == cnpj[12] && DigitoCnpj(cnpj, "6543298765432") == cnpj[13] &&
           !SoZeros(cnpj);
}

bool IeSpValida(std::string_view texto)
{
    const std::string ie = DocumentoLimpo(texto);
    if (ie.size() != 12 || !SoAlgarismos(ie)) {
        return false;
    }
    static constexpr int Pesos1[] = {1, 3, 4, 5, 6, 7, 8, 10};
    static constexpr int Pesos2[] = {3, 2, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    int soma1 = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        soma1 += (ie[i] - '0') * Pesos1[i];
    }
    int soma2 = 0;
    for (std::size_t i = 0; i < 11; ++i) {
        soma2 += (ie[i] - '0') * Pesos2[i];
    }
    const int d9 = soma1 % 11 % 10;
    const int d12 = soma2 % 11 % 10;
    return d9 == ie[8] - '0' && d12 == ie[11] - '0' && !SoZeros(ie);
}

bool TelefoneIdentificacaoValido(std::string_view texto)
{
    if (texto.size() != 12 || texto[2] != '-' || (texto[11] != ' ' && !EhAlgarismo(texto[11]))) {
        return false;
    }
    int quantos = 0;
    char primeiro = 0;
    for (const char c : texto) {
        if (EhAlgarismo(c)) {
            if (quantos++ == 0) {
                primeiro = c;
            }
        }
    }
    return quantos >= 10 && primeiro != '0';
}

std::string TextoValido(std::string_view texto)
{
    static const std::string NaoPermitido = ParaWin1252("Caractere não permitido: [");
    static const std::string PrimeiroFim = ParaWin1252("] não pode ser hífen, nem espaço em branco.");
    static const std::string SemSignificativo =
        ParaWin1252("Deve conter pelo menos 1 letra não acentuada, ou um algarismo diferente de zero;");

    bool temSignificativo = false;
    for (const char c : texto) {
        if ((c >= '1' && c <= '9') || EhLetraSemAcento(c)) {
            temSignificativo = true;
            break;
        }
    }
    if (!temSignificativo) {
        return SemSignificativo;
    }
    if (texto[0] == ' ' || texto[0] == '-') {
        return "Primeiro caractere [" + std::string(1, texto[0]) + PrimeiroFim;
    }
    for (const char c : texto) {
        if (c != ' ' && c != '-' && !EhAlgarismo(c) && !EhLetraSemAcento(c)) {
            return NaoPermitido + c + "]";
        }
    }
    return "OK";
}

std::string ReferenciaSubstituido(std::string_view referencia, std::string_view dataEmissaoSubstituto,
                                  std::string_view chaveSubstituto, std::string_view anoMinimo,
                                  std::string_view ufVolume)
{
    static const std::string RefSubst = ParaWin1252("Referência de apuração do documento fiscal substituído [");
    static const std::string Underline = ParaWin1252("Deve conter o caracter _ nas posições 5, 8, 12 e 22; ");
    static const std::string Anterior = ParaWin1252("] não pode ser anterior ao ano ");
    static const std::string MesInvalido =
        ParaWin1252("Mês da Referência de apuração do documento fiscal substituído [");
    static const std::string MesFim = ParaWin1252("] é inválido");
    static const std::string Posterior = ParaWin1252("] não pode ser posterior à referência do documento substituto: ");
    static const std::string Modelo = ParaWin1252("Modelo do documento fiscal substituído [");
    static const std::string Serie = ParaWin1252("Série do documento fiscal substituído [");
    static const std::string SerieAusente = ParaWin1252("] não foi informada");
    static const std::string SerieBranco = ParaWin1252("] não pode iniciar com espaço em branco");
    static const std::string Numero = ParaWin1252("Número do documento fiscal substituído [");
    static const std::string NumeroInvalido = ParaWin1252("] é inválido ");
    static const std::string NumeroMenor = ParaWin1252("] deve ser menor que o nº documento substituto [");
    static const std::string NumeroMenorFim = ParaWin1252("] , quando ambos são da mesma referência-modelo-série");
    static const std::string Data = ParaWin1252("Data de emissão do documento fiscal substituído [");
    static const std::string DataInvalida = ParaWin1252("] é inválida, ou posterior à data do documento substituto ");
    static const std::string DataFora = ParaWin1252("] não pertence à referência de apuração informada: ");

    if (AparaBrancos(referencia).size() < 30) {
        return "Comprimento inferior a 30 caracteres; ";
    }
    // From here the text holds at least 30 characters, so every slice below is whole.
    if (referencia[4] != '_' || referencia[7] != '_' || referencia[11] != '_' || referencia[21] != '_') {
        return Underline;
    }
    const std::string aamm(referencia.substr(0, 4));
    if (!SoAlgarismos(aamm)) {
        return RefSubst + aamm + "] deve conter apenas algarismos ";
    }
    if ("20" + aamm.substr(0, 2) < anoMinimo) {
        return RefSubst + aamm + Anterior + std::string(anoMinimo) + "; ";
    }
    if (!ConstaNaLista(aamm.substr(2, 2), ListaMeses)) {
        return MesInvalido + aamm + MesFim;
    }
    const auto refChave = Trecho(chaveSubstituto, 1, 4);
    if (aamm > refChave) {
        return RefSubst + aamm + Posterior + std::string(refChave) + "; ";
    }
    const auto modelo = referencia.substr(5, 2);
    if (!ConstaNaLista(modelo, ListaModelos) || !SoAlgarismos(modelo)) {
        return Modelo + std::string(modelo) + MesFim;
    }
    const auto serie = referencia.substr(8, 3);
    if (serie == "   ") {
        return Serie + std::string(serie) + SerieAusente;
    }
    const bool sp = ufVolume == "SP";
    if (serie[0] == ' ' && (aamm >= "1701" || (sp && aamm >= "1601"))) {
        return Serie + std::string(serie) + SerieBranco;
    }
    const auto numero = referencia.substr(12, 9);
    if (!SoAlgarismos(numero) || SoZeros(numero)) {
        return Numero + std::string(numero) + NumeroInvalido;
    }
    const auto numeroChave = Trecho(chaveSubstituto, 13, 9);
    if (referencia.substr(0, 11) == Trecho(chaveSubstituto, 1, 11) && numero >= numeroChave) {
        return Numero + std::string(numero) + NumeroMenor + std::string(numeroChave) + NumeroMenorFim;
    }
    const auto data = referencia.substr(22, 8);
    if (!DataValida(data, "1995", "2099") || data > dataEmissaoSubstituto) {
        return Data + std::string(data) + DataInvalida;
    }
    const auto aammData = data.substr(2, 4);
    if (aammData > aamm || (aammData >= "1701" && aammData != aamm) || (sp && aammData >= "1601" && aammData != aamm)) {
        return Data + std::string(data) + DataFora + aamm;
    }
    return "OK";
}

std::string RemoveSeparadores(std::string_view texto)
{
    std::string limpo;
    limpo.reserve(texto.size());
    for (const char c : texto) {
        if (c != '/' && c != '.' && c != '-') {
            limpo += c;
        }
    }
    return limpo;
}

std::string FormataTelefone(std::string_view texto)
{
    std::string telefone;
    telefone.reserve(12);
    for (const char c : texto) {
        if (telefone.size() == 2) {
            telefone += '-';
        }
        if (EhAlgarismo(c)) {
            telefone += c;
        }
    }
    if (telefone.size() < 12) {
        telefone.append(12 - telefone.size(), ' ');
    }
    return telefone;
}

} // namespace tessarin
