#include "validacao/NomeVolume.h"

#include "dados/ListasCodigos.h"
#include "dados/Texto1252.h"
#include "registros/ValidadoresCampo.h"

#include <cstdint>
#include <initializer_list>

namespace tessarin {

namespace {

constexpr std::string_view CrLf = "\r\n";

// Source literals are UTF-8; the messages leave the core as Windows-1252, so the accented fragments are
// converted once.
struct Textos
{
    std::string Tamanho = ParaWin1252("Tamanho do nome do arquivo inválido: ");
    std::string TamanhoEsperado = ParaWin1252(" ; o esperado é 15 ( referência <= 1612) ou 33 ( referência >= 1701)");
    std::string FormatoMestre = ParaWin1252("Formato do nome do arquivo é inválido. Deveria haver um caractere ");
    std::string FormatoArquivo = ParaWin1252("Formato do nome do arquivo inválido. Deveria haver um caractere ");
    std::string NaPosicao = ParaWin1252(" na posição ");
    std::string AoInvesDe = ParaWin1252(", ao invés de [");
    std::string Extensao = ParaWin1252("Extensão do nome do arquivo é inválida: ");
    std::string Status = ParaWin1252("Status do arquivo inválido: ");
    std::string MesMestre = ParaWin1252("Mês de apuração do arquivo inválido: ");
    std::string MesArquivo = ParaWin1252("Mês de apuração do arquivo é inválido: ");
    std::string Ano = ParaWin1252("Ano de apuração do arquivo inválido: ");
    std::string SerieNaoInformada = ParaWin1252("Série não informada. ");
    std::string SerieEspaco = ParaWin1252("Série não pode iniciar com espaço em branco [");
    std::string Serie = ParaWin1252("Série [");
    std::string EInvalida = ParaWin1252("] é inválida: ");
    std::string UF = ParaWin1252("UF inválida: ");
    std::string CnpjDigito = ParaWin1252("] com dígito verificador inválido;");
    std::string CnpjDiferente = ParaWin1252("] do arquivo é diferente do CNPJ do contribuinte [");
    std::string Modelo = ParaWin1252("Modelo do documento fiscal [");
    std::string EInvalido = ParaWin1252("] é inválido;");
    std::string NaReferencia = ParaWin1252("Na referência de apuração \"");
    std::string Deve15 = ParaWin1252("] deve conter 15 caracteres, ao invés de 33.");
    std::string Deve33 = ParaWin1252("] deve conter 33 caracteres, ao invés de 15.");
    std::string SequencialNormal = ParaWin1252("] deve ser 01 quando o arquivo é Normal;");
    std::string Volume = ParaWin1252("Nº do volume [");
    std::string Estorno = ParaWin1252("] é inválido: a partir da referência 0901( jan/2009), o procedimento de "
                                      "estorno deve obedecer à Portaria Velmor 06/2009;");
    std::string StatusMaiusculo = ParaWin1252("] inválido: deve conter um N ou um S maiúsculo;");
    std::string TipoMestre = ParaWin1252("] inválido: deve conter um M maiúsculo, para o arquivo Mestre;");
    std::string TipoMdic = ParaWin1252("] inválido: deve conter um caractere M, D, I ou C;");
    std::string TipoMdicMaiusculo = ParaWin1252("] inválido: deve conter um caractere M, D, I ou C, maiúsculo;");
    std::string TipoDiferente = ParaWin1252("] é diferente do tipo de arquivo esperado: ");
    std::string TipoMaiusculo = ParaWin1252("] inválido: deve conter um caractere maiúsculo ( M, D, I ou C);");
    std::string Referencia = ParaWin1252("Referência do arquivo [");
    std::string SoAlgarismosRef = ParaWin1252("] é inválida: deve conter somente algarismos;");
    std::string AnteriorMestre = ParaWin1252("] é inválida: não pode ser anterior a 0405 ( maio/2004);");
    std::string AnteriorArquivo = ParaWin1252("] é inválida: não pode ser anterior a \"0405\" (maio/2004);");
};

const Textos& T()
{
    static const Textos textos;
    return textos;
}

// Where each component sits in a name of 15 or 33 characters (0-based); the long form inserts the CNPJ and
// the model after the UF and the sequence after the status.
struct PartesNome
{
    std::string_view Uf, Cnpj, Modelo, Serie, Referencia, Ano, Mes, Status, Sequencial, Tipo, Ponto, Volume;
    std::size_t PosicaoPonto = 0; // 1-based, as the messages say it

    explicit PartesNome(std::string_view nome)
    {
        const bool longo = nome.size() == 33;
        const std::size_t d = longo ? 16 : 0; // the CNPJ and the model push everything after the UF
        const std::size_t s = longo ? 2 : 0;  // the sequence pushes the type, the point and the volume
        Uf = nome.substr(0, 2);
        if (longo) {
            Cnpj = nome.substr(2, 14);
            Modelo = nome.substr(16, 2);
            Sequencial = nome.substr(26, 2);
        }
        Serie = nome.substr(2 + d, 3);
        Referencia = nome.substr(5 + d, 4);
        Ano = Referencia.substr(0, 2);
        Mes = Referencia.substr(2, 2);
        Status = nome.substr(9 + d, 1);
        Tipo = nome.substr(10 + d + s, 1);
        Ponto = nome.substr(11 + d + s, 1);
        Volume = nome.substr(12 + d + s, 3);
        PosicaoPonto = 12 + d + s;
    }
};

bool Numerico(std::string_view texto)
{
    std::int64_t numero = 0;
    return !NaoNumerico(texto, numero);
}

bool Estorno(char c)
{
    return c == 'E' || c == 'e';
}

bool Algarismo(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view SemBrancosNasPontas(std::string_view texto)
{
    const auto inicio = texto.find_first_not_of(' ');
    if (inicio == std::string_view::npos) {
        return {};
    }
    const auto fim = texto.find_last_not_of(' ');
    return texto.substr(inicio, fim - inicio + 1);
}

std::string Concatena(std::initializer_list<std::string_view> partes)
{
    std::string r;
    for (auto p : partes) {
        r += p;
    }
    return r;
}

// The sentence both validators give for a name whose length does not match its reference.
std::string TamanhoParaReferencia(std::string_view referencia, std::string_view nome, bool longo)
{
    return Concatena(
        {T().NaReferencia, referencia, "\" o nome do arquivo [", nome, longo ? T().Deve15 : T().Deve33, CrLf});
}

} // namespace

char MaiusculaWin1252(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') {
        return static_cast<char>(b - 0x20);
    }
    // Accented letters too (the Latin-1 block, s and z with caron, oe, y with diaeresis), as the system's
    // upper-casing of a file name treats them.
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) {
        return static_cast<char>(b - 0x20);
    }
    switch (b) {
    case 0x9A:
    case 0x9C:
    case 0x9E:
        return static_cast<char>(b - 0x10);
    case 0xFF:
        return static_cast<char>(0x9F);
    default:
        return c;
    }
}

std::string MaiusculasWin1252(std::string_view texto)
{
    std::string r(texto);
    for (char& c : r) {
        c = MaiusculaWin1252(c);
    }
    return r;
}

ResultadoNomeMestre ValidarNomeMestre(std::string_view nomeInformado, std::string_view cnpjContribuinte)
{
    ResultadoNomeMestre r;
    const std::string_view nome = SemBrancosNasPontas(nomeInformado);
    const std::size_t n = nome.size();

    if (n != 15 && n != 33) {
        r.Mensagem = T().Tamanho + std::to_string(n) + T().TamanhoEsperado;
        return r;
    }
    const PartesNome p(nome);
    if (p.Ponto != ".") {
        r.Mensagem = Concatena(
            {T().FormatoMestre, "\".\"", T().NaPosicao, std::to_string(p.PosicaoPonto), T().AoInvesDe, p.Ponto, "]; "});
        return r;
    }
    bool saida = false;
    if (Numerico(p.Volume)) {
        saida = true;
    } else if (!(Numerico(p.Volume.substr(1)) && Estorno(p.Volume[0]))) {
        r.Mensagem = Concatena({T().Extensao, p.Volume, " ", nome});
        return r;
    }
    if (!ConstaNaLista(MaiusculasWin1252(p.Status), "N%S")) {
        r.Mensagem = Concatena({T().Status, p.Status, " ", nome});
        return r;
    }
    if (!ConstaNaLista(MaiusculasWin1252(p.Mes), ListaMeses)) {
        r.Mensagem = Concatena({T().MesMestre, p.Mes, " ", nome});
        return r;
    }
    if (!Numerico(p.Ano)) {
        r.Mensagem = Concatena({T().Ano, p.Ano, " ", nome});
        return r;
    }
    if (p.Serie == "   ") {
        r.Mensagem = Concatena({T().SerieNaoInformada, nome});
        return r;
    }
    if (!ConstaNaLista(p.Uf, ListaUfs)) {
        r.Mensagem = Concatena({T().UF, p.Uf, " ", nome});
        return r;
    }

    ComponentesVolume c;
    c.NomeBase = nome.substr(0, n - 5);
    c.UFVolume = p.Uf;
    c.CnpjNome = p.Cnpj;
    c.ModeloNome = p.Modelo;
    c.SerieVolume = p.Serie;
    c.Referencia = p.Referencia;
    c.AnoReferencia = p.Ano;
    c.MesReferencia = p.Mes;
    c.AnoCompleto = Concatena({"20", p.Ano});
    c.StatusVolume = p.Status;
    c.SequencialVolume = p.Sequencial;
    c.NumeroVolume = p.Volume;
    c.VolumeDeSaida = saida;
    c.CnpjContribuinte = RemoveSeparadores(cnpjContribuinte);

    std::string achados;
    const auto adiciona = [&](std::string_view texto) { achados += Concatena({texto, " ", nome, CrLf}); };
    const std::string_view ref = p.Referencia;

    if (n == 33) {
        if (SoAlgarismos(p.Cnpj)) {
            if (!CnpjValido(p.Cnpj)) {
                adiciona(Concatena({"CNPJ [", p.Cnpj, T().CnpjDigito}));
            }
            if (p.Cnpj != c.CnpjContribuinte) {
                adiciona(Concatena({"CNPJ [", p.Cnpj, T().CnpjDiferente, c.CnpjContribuinte, "];"}));
            }
        } else {
            adiciona(Concatena({"CNPJ [", p.Cnpj, "] deve conter apenas algarismos;"}));
        }
        if (!ConstaNaLista(p.Modelo, ListaModelos)) {
            adiciona(Concatena({T().Modelo, p.Modelo, T().EInvalido}));
        }
        if (const std::string resposta = TextoValido(p.Serie); resposta != "OK") {
            adiciona(Concatena({T().Serie, p.Serie, T().EInvalida, resposta}));
        }
        if (ref < "1701") {
            achados += TamanhoParaReferencia(ref, nome, true);
        }
        if (SoAlgarismos(p.Sequencial) && p.Sequencial != "00") {
            if (p.Status == "N" && p.Sequencial != "01") {
                adiciona(Concatena({"Sequencial do arquivo [", p.Sequencial, T().SequencialNormal}));
            }
        } else {
            adiciona(Concatena(
                {"Sequencial do arquivo [", p.Sequencial, "] deve conter apenas algarismos, e ser diferente de 00;"}));
        }
    } else if (ref > "1612") {
        achados += TamanhoParaReferencia(ref, nome, false);
    }

    if (ref >= "1701") {
        const bool tresAlgarismos = SoAlgarismos(p.Volume) && p.Volume != "000";
        const bool entrada =
            Estorno(p.Volume[0]) && SoAlgarismos(p.Volume.substr(1)) && MaiusculasWin1252(p.Volume) != "E00";
        if (!tresAlgarismos && !entrada) {
            adiciona(Concatena({T().Volume, p.Volume, T().EInvalido}));
        }
        if (!ConstaNaLista(p.Status, "N%S")) {
            adiciona(Concatena({"Status do arquivo [", p.Status, T().StatusMaiusculo}));
        }
        if (p.Tipo != "M") {
            adiciona(Concatena({"Tipo do arquivo [", p.Tipo, T().TipoMestre}));
        }
    }
    if (p.Uf == "SP" && ref >= "0901" && Estorno(p.Volume[0])) {
        adiciona(Concatena({T().Volume, p.Volume, T().Estorno}));
    }
    if (!SoAlgarismos(ref)) {
        adiciona(Concatena({T().Referencia, ref, T().SoAlgarismosRef}));
    } else if (ref < "0405") {
        adiciona(Concatena({T().Referencia, ref, T().AnteriorMestre}));
    }

    if (achados.empty()) {
        r.Ok = true;
        r.Componentes = std::move(c);
    } else {
        r.Mensagem = std::move(achados);
    }
    return r;
}

std::string ValidarNomeArquivo(std::string_view nome, std::string_view tipoEsperado)
{
    const std::size_t n = nome.size();
    if (n != 15 && n != 33) {
        return T().Tamanho + std::to_string(n) + T().TamanhoEsperado;
    }
    const PartesNome p(nome);
    if (p.Ponto != ".") {
        return Concatena({T().FormatoArquivo, "\".\"", T().NaPosicao, std::to_string(p.PosicaoPonto), T().AoInvesDe,
                          p.Ponto, "]; "});
    }

    const std::string comNome = Concatena({" [", nome, "]"});
    const auto fimPadrao = [&](std::string_view texto) { return Concatena({texto, comNome, CrLf}); };
    const std::string_view ref = p.Referencia;
    std::string achados;

    // A bad month or year replaces whatever was found before it: the two are not reported together.
    const bool mesBom = ConstaNaLista(MaiusculasWin1252(p.Mes), ListaMeses) && SoAlgarismos(p.Mes);
    const bool anoBom = SoAlgarismos(p.Ano);
    if (!mesBom) {
        achados = Concatena({T().MesArquivo, p.Mes, comNome});
    }
    if (!anoBom) {
        achados = Concatena({T().Ano, p.Ano, comNome});
    }
    if (mesBom && anoBom && ref < "0405") {
        achados += fimPadrao(Concatena({T().Referencia, ref, T().AnteriorArquivo}));
    }

    // From here on the first fault found ends the examination, save for the last group.
    if (achados.empty() && (!ConstaNaLista(p.Uf, ListaUfs) || p.Uf.find('%') != std::string_view::npos)) {
        achados = Concatena({T().UF, p.Uf, comNome});
    }
    if (achados.empty()) {
        const std::string volume = MaiusculasWin1252(p.Volume);
        const bool aceito = (ref < "1701" || (volume != "000" && volume != "E00")) &&
                            !(p.Uf == "SP" && ref >= "0901" && Estorno(p.Volume[0])) &&
                            (Algarismo(p.Volume[0]) || Estorno(p.Volume[0])) && SoAlgarismos(p.Volume.substr(1));
        if (!aceito) {
            achados += fimPadrao(Concatena({T().Volume, p.Volume, T().EInvalido}));
        }
    }
    if (achados.empty() && !ConstaNaLista(MaiusculasWin1252(p.Status), "NS")) {
        achados += fimPadrao(Concatena({T().Status, p.Status}));
    }
    if (achados.empty()) {
        if (p.Serie == "   ") {
            achados += Concatena({T().SerieNaoInformada, "[", nome, "]", CrLf});
        } else if (((p.Uf == "SP" && ref >= "1601") || ref >= "1701") && p.Serie[0] == ' ') {
            achados += fimPadrao(Concatena({T().SerieEspaco, p.Serie, "]"}));
        } else if (ref >= "1701") {
            if (const std::string resposta = TextoValido(p.Serie); resposta != "OK") {
                achados += fimPadrao(Concatena({T().Serie, p.Serie, T().EInvalida, resposta}));
            }
        }
    }
    if (achados.empty()) {
        const std::string tipo = MaiusculasWin1252(p.Tipo);
        if (p.Tipo == " " || !(tipo == "M" || tipo == "D" || tipo == "I" || tipo == "C")) {
            achados += fimPadrao(Concatena({"Tipo do arquivo [", p.Tipo, T().TipoMdic}));
        } else if (p.Tipo != tipo && ref >= "1701") {
            achados += fimPadrao(Concatena({"Tipo do arquivo [", p.Tipo, T().TipoMdicMaiusculo}));
        } else if (tipo != tipoEsperado) {
            achados += Concatena({"Tipo do arquivo [", p.Tipo, T().TipoDiferente, tipoEsperado, " .", CrLf});
        }
    }
    if (achados.empty()) {
        if (n == 33) {
            if (!SoAlgarismos(p.Cnpj)) {
                achados += fimPadrao(Concatena({"CNPJ [", p.Cnpj, "] deve conter apenas algarismos;"}));
            } else if (!CnpjValido(p.Cnpj)) {
                achados += fimPadrao(Concatena({"CNPJ [", p.Cnpj, T().CnpjDigito}));
            }
            if (!ConstaNaLista(p.Modelo, ListaModelos) || p.Modelo.find('%') != std::string_view::npos) {
                achados += fimPadrao(Concatena({T().Modelo, p.Modelo, T().EInvalido}));
            }
            if (ref < "1701") {
                achados += TamanhoParaReferencia(ref, nome, true);
            }
            if (SoAlgarismos(p.Sequencial) && p.Sequencial != "00") {
                if (MaiusculasWin1252(p.Status) == "N" && p.Sequencial != "01") {
                    achados += fimPadrao(Concatena({"Sequencial do arquivo [", p.Sequencial, T().SequencialNormal}));
                }
            } else {
                achados += fimPadrao(Concatena({"Sequencial do arquivo [", p.Sequencial,
                                                "] deve conter apenas algarismos, e ser diferente de 00;"}));
            }
        } else if (ref > "1612") {
            achados += TamanhoParaReferencia(ref, nome, false);
        }
        if (ref >= "1701") {
            if (p.Status != "N" && p.Status != "S") {
                achados += fimPadrao(Concatena({"Status do arquivo [", p.Status, T().StatusMaiusculo}));
            }
            if (!(p.Tipo == "M" || p.Tipo == "D" || p.Tipo == "I" || p.Tipo == "C")) {
                achados += Concatena({"Tipo do arquivo [", p.Tipo, T().TipoMaiusculo, " ", nome, CrLf});
            }
        }
    }
    return achados.empty() ? std::string("RET_OK") : achados;
}

} // namespace tessarin
