#include "checagens/ChecagemDestinatario.h"

#include "PortasGravadas.h"
#include "dados/Texto1252.h"
#include "registros/LayoutRegistro.h"
#include "registros/Md5.h"
#include "relato/ContextoValidacao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tessarin {

namespace {

using Campos = std::map<int, std::string>; // field number -> value (UTF-8), padded with blanks to its width

std::string Largura(std::string_view texto, std::size_t largura)
{
    std::string r(texto.substr(0, std::min(texto.size(), largura)));
    r.resize(largura, ' ');
    return r;
}

// A record of the layout with the given fields (the rest blank), ending in its authentication code and
// CR LF unless those fields are given too.
std::string Monta(const LayoutRegistro& layout, const Campos& valores)
{
    std::string r(static_cast<std::size_t>(layout.Tamanho), ' ');
    const int autenticacao = layout.Campos[layout.Campos.size() - 2].Numero;
    const int fim = layout.Campos.back().Numero;
    for (const auto& [numero, valor] : valores) {
        const CampoLayout* c = layout.Campo(numero);
        r.replace(static_cast<std::size_t>(c->Inicio - 1), static_cast<std::size_t>(c->Tamanho),
                  Largura(ParaWin1252(valor), static_cast<std::size_t>(c->Tamanho)));
    }
    if (!valores.contains(fim)) {
        r.replace(r.size() - 2, 2, "\r\n");
    }
    if (!valores.contains(autenticacao)) {
        r.replace(r.size() - 34, 32, Md5Hex(Md5Texto(std::string_view(r).substr(0, r.size() - 34))));
    }
    return r;
}

// A document whose Destinatario record agrees with its Mestre record and passes every check.
Campos MestrePadrao(GeracaoLayout g)
{
    return {{1, "12345678000195"},
            {2, "ISENTO"},
            {3, "CLIENTE EXEMPLO LTDA"},
            {4, "SP"},
            {8, "ASSINANTE001"},
            {9, "20170115"},
            {10, "22"},
            {11, "U"},
            {12, "000000123"},
            {22, g == GeracaoLayout::V01 ? "1933334444" : "193333444400"}};
}

Campos DestinatarioPadrao(GeracaoLayout g)
{
    Campos d{{1, "12345678000195"}, {2, "ISENTO"},   {3, "CLIENTE EXEMPLO LTDA"},
             {4, "RUA DAS FLORES"}, {5, "00123"},    {7, "13010100"},
             {8, "CENTRO"},         {9, "Campinas"}, {10, "SP"},
             {12, "ASSINANTE001"},  {14, "SP"}};
    switch (g) {
    case GeracaoLayout::V01:
        d[11] = "1933334444";
        d[13] = "1933334444";
        break;
    case GeracaoLayout::V02:
        d[11] = "019333344444";
        d[13] = "193333444400";
        break;
    case GeracaoLayout::V03:
        d[11] = "1933334444";
        d[13] = "193333444400";
        d[15] = "20170115";
        d[16] = "22";
        d[17] = "U";
        d[18] = "000000123";
        d[19] = "3509502";
        break;
    }
    return d;
}

struct Cenario
{
    Cenario(std::string referencia, std::string uf, Campos destinatario = {}, Campos mestre = {},
            Instante hoje = {2017, 3, 15, 10, 20, 30})
        : Referencia(std::move(referencia)), Uf(std::move(uf)), Destinatario(std::move(destinatario)),
          Mestre(std::move(mestre)), Hoje(hoje)
    {
    }
    std::string Referencia;
    std::string Uf;
    Campos Destinatario; // over the defaults
    Campos Mestre;       // over the defaults
    Instante Hoje;
};

constexpr std::int32_t Indice = 41; // shown as record 42

// The three list lines of one Cadastro occurrence of record 42.
std::vector<std::string> Linhas(const std::string& cabecalho, const std::string& campo, const std::string& posicoes,
                                const std::string& conteudo)
{
    return {cabecalho,
            "         Arquivo: Cadastro, registro:         42, campo: " + campo + ", posições: " + posicoes +
                ", conteúdo:[" + conteudo + "] ",
            " "};
}

std::vector<std::string> Junta(std::initializer_list<std::vector<std::string>> blocos)
{
    std::vector<std::string> r;
    for (const auto& b : blocos) {
        r.insert(r.end(), b.begin(), b.end());
    }
    return r;
}

class ChecagemDestinatario : public ::testing::Test
{
public:
    teste::PortasGravadas portas;
    ContextoValidacao ctx;
    std::string mestre, destinatario;

    void Prepara(const Cenario& c)
    {
        const GeracaoLayout g = GeracaoDaReferencia(c.Referencia);
        ctx.Janela = &portas;
        ctx.Tempo = &portas;
        portas.Hoje = c.Hoje;
        ctx.Volume.Referencia = c.Referencia;
        ctx.Volume.UFVolume = c.Uf;
        ctx.Geracao = g;
        ctx.Catalogo.ReescreveParaGeracao(g);
        ctx.IndiceMestre = Indice;
        ctx.DocumentoAtual = "000000123";
        Campos m = MestrePadrao(g);
        for (const auto& [n, v] : c.Mestre) {
            m[n] = v;
        }
        Campos d = DestinatarioPadrao(g);
        for (const auto& [n, v] : c.Destinatario) {
            d[n] = v;
        }
        mestre = Monta(LayoutMestre(g), m);
        destinatario = Monta(LayoutDestinatario(g), d);
        ctx.RegistroMestre = mestre;
    }

    std::vector<std::string> Valida(const Cenario& c)
    {
        Prepara(c);
        ValidaRegistroDestinatario(ctx, destinatario);
        return portas.ListaUtf8();
    }
};

struct Caso
{
    const char* Nome;
    Cenario Entrada;
    std::vector<std::string> Esperado;
};

const std::string E304 = "Erro: 304 - Logradouro inválido: preenchimento incorreto, ou contém menos de 3 caracteres";
const std::string A330 = "Advertência: 330 - Logradouro inválido, ou preenchimento incorreto";
const std::string E331 = "Erro: 331 - Logradouro inválido, ou preenchimento incorreto; informe o Tipo e o Nome";
const std::string A305 = "Advertência: 305 - Número deve ser numérico";
const std::string A306 = "Advertência: 306 - Número não informado";
const std::string E322 = "Erro: 322 - Número deve ser numérico";
const std::string A307 = "Advertência: 307 - CEP deve ser numérico";
const std::string A308 = "Advertência: 308 - CEP não informado";
const std::string E323 = "Erro: 323 - CEP deve ser numérico";
const std::string A309 = "Advertência: 309 - Bairro não informado, inválido, ou preenchimento incorreto";
const std::string E324 = "Erro: 324 - Bairro inválido, ou preenchimento incorreto";
const std::string A310 = "Advertência: 310 - Município não informado, inválido, ou preenchimento incorreto";
const std::string E325 = "Erro: 325 - Município não informado, inválido, ou preenchimento incorreto";
const std::string E336 = "Erro: 336 - Código do Município deve ser numérico";
const std::string E337 = "Erro: 337 - Código do Município não consta na tabela do IBGE";
const std::string E338 = "Erro: 338 - Código do Município não corresponde à UF do destinatário";
const std::string E339 = "Erro: 339 - Código do Município inválido para a data de emissão da nota fiscal";
const std::string E340 = "Erro: 340 - Nome do Município não consta, ou não coincide com a tabela do IBGE";
const std::string E341 = "Erro: 341 - Complemento do endereço: não pode iniciar com espaço em branco";
const std::string A311 = "Advertência: 311 - Sigla da UF diferente da informada no arquivo mestre";
const std::string E326 = "Erro: 326 - Sigla da UF diferente da informada no arquivo mestre";
const std::string E312 = "Erro: 312 - Código de identificação do cliente ou assinante não informado";
const std::string A327 =
    "Advertência: 327 - Código de identificação do consumidor ou assinante diferente do informado no "
    "arquivo mestre";
const std::string E328 =
    "Erro: 328 - Código de identificação do consumidor ou assinante diferente do informado no arquivo mestre";
const std::string E313 = "Erro: 313 - Sigla da UF de habilitação do terminal telefônico inválida";
const std::string Telefone = " - Número do telefone de contato com valor inválido diferente de LLNNNNNNNN ou "
                             "LLNNNNNNNNN, ou preenchimento incorreto";
const std::string E317 = "Erro: 317" + Telefone;
const std::string A316 = "Advertência: 316" + Telefone;
const std::string E321 =
    "Erro: 321 - Número do terminal telefônico, ou da instalação, diferente do informado no arquivo mestre";
const std::string A329 =
    "Advertência: 329 - Número do terminal telefônico, ou da instalação, diferente do informado no arquivo mestre";

const Instante Maio2012{2012, 5, 31, 9, 0, 0};
const Instante Julho2012{2012, 7, 1, 9, 0, 0};

std::string L45(std::string_view t)
{
    return Largura(t, 45);
}

// Every field check that depends on the reference, the volume's state, the model or the clock, with the
// exact lines each case lists (or none).
const std::vector<Caso>& CasosDeCampo()
{
    static const std::vector<Caso> casos = {
        // --- Logradouro ---
        {"logradouro curto antes de 1701", {"1612", "MG", {{4, " R "}}}, Linhas(E304, "04", " 64 a 108", L45(" R "))},
        {"logradouro de palavras, qualquer modelo", {"1612", "MG", {}, {{10, "06"}}}, {}},
        {"logradouro de algarismos fora de SP", {"1612", "MG", {{4, "123-456"}}, {{10, "06"}}}, {}},
        {"logradouro de algarismos, SP 06, depois de junho de 2012",
         {"1105", "SP", {{4, "123-456"}}, {{10, "06"}}, Julho2012},
         Linhas(E331, "04", " 64 a 108", L45("123-456"))},
        {"logradouro de algarismos, SP 06, relógio em maio de 2012",
         {"1105", "SP", {{4, "123-456"}}, {{10, "06"}}, Maio2012},
         Linhas(A330, "04", " 64 a 108", L45("123-456"))},
        {"logradouro de algarismos, SP 06, referência 1612",
         {"1612", "SP", {{4, "123-456"}}, {{10, "06"}}, Maio2012},
         Linhas(E331, "04", " 64 a 108", L45("123-456"))},
        {"logradouro com branco inicial, SP antes de 1701",
         {"1105", "SP", {{4, " RUA A"}}, {}, Maio2012},
         Linhas(A330, "04", " 64 a 108", L45(" RUA A"))},
        {"logradouro de zeros, SP antes de 1701, sempre erro",
         {"1105", "SP", {{4, "0.000"}}, {}, Maio2012},
         Linhas(E331, "04", " 64 a 108", L45("0.000"))},
        {"logradouro com branco inicial desde 1701",
         {"1701", "SP", {{4, " 000"}}},
         Linhas(E304, "04", " 64 a 108", L45(" 000"))},
        {"logradouro de zeros desde 1701 em qualquer UF",
         {"1701", "MG", {{4, "000 / 000"}}},
         Linhas(E331, "04", " 64 a 108", L45("000 / 000"))},
        {"logradouro de algarismos desde 1701, SP 06",
         {"1701", "SP", {{4, "123-456"}, {16, "06"}}, {{10, "06"}}},
         Linhas(E331, "04", " 64 a 108", L45("123-456"))},
        {"logradouro de algarismos desde 1701, SP outro modelo", {"1701", "SP", {{4, "123-456"}}}, {}},
        // --- Número ---
        {"número de zeros fora de SP", {"1612", "MG", {{5, "00000"}}}, Linhas(A306, "05", "109 a 113", "00000")},
        {"número com letra fora de SP", {"1612", "MG", {{5, "12A"}}}, Linhas(A305, "05", "109 a 113", "12A  ")},
        {"número com letra em SP desde 1701", {"1701", "SP", {{5, "12A"}}}, Linhas(E322, "05", "109 a 113", "12A  ")},
        {"número com letra em SP, relógio em maio de 2012",
         {"1105", "SP", {{5, "12A"}}, {}, Maio2012},
         Linhas(A305, "05", "109 a 113", "12A  ")},
        {"número de zeros em SP", {"1701", "SP", {{5, "00000"}}}, Linhas(A306, "05", "109 a 113", "00000")},
        // --- Complemento ---
        {"complemento com branco inicial desde 1701",
         {"1701", "MG", {{6, " APTO 1"}}},
         Linhas(E341, "06", "114 a 128", Largura(" APTO 1", 15))},
        {"complemento com branco inicial antes de 1701", {"1612", "SP", {{6, " APTO 1"}}}, {}},
        // --- CEP ---
        {"CEP com letra desde 1701", {"1701", "MG", {{7, "1301A100"}}}, Linhas(E323, "07", "129 a 136", "1301A100")},
        {"CEP de zeros desde 1701", {"1701", "MG", {{7, "00000000"}}}, Linhas(A308, "07", "129 a 136", "00000000")},
        {"CEP com letra fora de SP antes de 1701",
         {"1612", "MG", {{7, "1301A100"}}},
         Linhas(A307, "07", "129 a 136", "1301A100")},
        {"CEP com letra em SP, relógio em maio de 2012",
         {"1105", "SP", {{7, "1301A100"}}, {}, Maio2012},
         Linhas(A307, "07", "129 a 136", "1301A100")},
        {"CEP com letra em SP, relógio em 2017",
         {"1105", "SP", {{7, "1301A100"}}},
         Linhas(E323, "07", "129 a 136", "1301A100")},
        // --- Bairro ---
        {"bairro em branco desde 1701", {"1701", "SP", {{8, ""}}}, Linhas(A309, "08", "137 a 151", "               ")},
        {"bairro com branco inicial desde 1701",
         {"1701", "MG", {{8, " CENTRO"}}},
         Linhas(E324, "08", "137 a 151", " CENTRO        ")},
        {"bairro com branco inicial fora de SP antes de 1701", {"1612", "MG", {{8, " CENTRO"}}}, {}},
        {"bairro com branco inicial em SP, relógio em maio de 2012",
         {"1105", "SP", {{8, " CENTRO"}}, {}, Maio2012},
         Linhas(A309, "08", "137 a 151", " CENTRO        ")},
        // --- Município antes de 1701 ---
        {"município com branco inicial em SP antes de 1701",
         {"1612", "SP", {{9, " Campinas"}}},
         Linhas(E325, "09", "152 a 181", Largura(" Campinas", 30))},
        {"município em branco em SP, relógio em maio de 2012",
         {"1105", "SP", {{9, ""}}, {}, Maio2012},
         Linhas(A310, "09", "152 a 181", Largura("", 30))},
        {"município em branco fora de SP", {"1612", "MG", {{9, ""}}}, Linhas(A310, "09", "152 a 181", Largura("", 30))},
        {"município com branco inicial fora de SP", {"1612", "MG", {{9, " Campinas"}}}, {}},
        // --- UF ---
        {"UF diferente desde 1701", {"1701", "MG", {{10, "RJ"}}}, Linhas(E326, "10", "182 a 183", "RJ")},
        {"UF diferente fora de SP antes de 1701", {"1612", "MG", {{10, "RJ"}}}, Linhas(A311, "10", "182 a 183", "RJ")},
        {"UF diferente em SP, relógio em maio de 2012",
         {"1105", "SP", {{10, "RJ"}}, {}, Maio2012},
         Linhas(A311, "10", "182 a 183", "RJ")},
        // --- Código de identificação ---
        {"código diferente fora de SP antes de 1701", {"1612", "MG", {{12, "OUTRO"}}}, {}},
        {"código em branco fora de SP antes de 1701",
         {"1612", "MG", {{12, ""}}},
         Linhas(E312, "12", "196 a 207", "            ")},
        {"código em branco em v_01", {"1105", "MG", {{12, ""}}}, Linhas(E312, "12", "194 a 205", "            ")},
        {"código diferente em SP antes de 1701",
         {"1612", "SP", {{12, "OUTRO"}}},
         Linhas(E328, "12", "196 a 207", "OUTRO       ")},
        {"código diferente em SP, relógio em maio de 2012",
         {"1105", "SP", {{12, "OUTRO"}}, {}, Maio2012},
         Linhas(A327, "12", "194 a 205", "OUTRO       ")},
        {"código em branco desde 1701 comparado como qualquer outro",
         {"1701", "MG", {{12, ""}}},
         Linhas(E328, "12", "196 a 207", "            ")},
        // --- UF de habilitação ---
        {"UF de habilitação em branco", {"1701", "SP", {{14, ""}}}, {}},
        {"UF de habilitação no exterior", {"1612", "MG", {{14, "EX"}}}, {}},
        {"UF de habilitação que não é estado", {"1701", "SP", {{14, "XX"}}}, Linhas(E313, "14", "220 a 221", "XX")},
        {"UF de habilitação com o separador da lista",
         {"1105", "SP", {{14, "C%"}}},
         Linhas(E313, "14", "216 a 217", "C%")},
        // --- Telefone de contato desde 1701 ---
        {"telefone de dez algarismos e dois brancos", {"1701", "SP", {{11, "1933334444  "}}}, {}},
        {"telefone de onze algarismos e um branco", {"1701", "SP", {{11, "19933334444 "}}}, {}},
        {"telefone em branco desde 1701", {"1701", "SP", {{11, ""}}}, {}},
        {"telefone de dez algarismos começando por zero",
         {"1701", "SP", {{11, "0193333444"}}},
         Linhas(E317, "11", "184 a 195", "0193333444  ")},
        {"telefone de doze algarismos",
         {"1701", "SP", {{11, "199333344445"}}},
         Linhas(E317, "11", "184 a 195", "199333344445")},
        {"telefone de nove algarismos",
         {"1701", "SP", {{11, "193333444"}}},
         Linhas(E317, "11", "184 a 195", "193333444   ")},
        // --- Telefone de contato em v_02 ---
        {"v_02: zero e onze algarismos", {"1612", "SP", {{11, "019933334444"}}}, {}},
        {"v_02: dois zeros e dez algarismos", {"1612", "SP", {{11, "001933334444"}}}, {}},
        {"v_02: telefone de zeros", {"1612", "SP", {{11, "000000000000"}}}, {}},
        {"v_02: doze algarismos sem zero inicial",
         {"1612", "SP", {{11, "199333344445"}}},
         Linhas(E317, "11", "184 a 195", "199333344445")},
        {"v_02: telefone em branco", {"1612", "SP", {{11, ""}}}, Linhas(E317, "11", "184 a 195", "            ")},
        // --- Telefone de contato em v_01 ---
        {"v_01: telefone de zeros", {"1105", "SP", {{11, "0000000000"}}, {}, Maio2012}, {}},
        {"v_01: zero inicial, relógio em 2017",
         {"1105", "MG", {{11, "0193333444"}}},
         Linhas(E317, "11", "184 a 193", "0193333444")},
        {"v_01: zero inicial, relógio em maio de 2012",
         {"1105", "MG", {{11, "0193333444"}}, {}, Maio2012},
         Linhas(A316, "11", "184 a 193", "0193333444")},
        // --- Terminal ---
        {"terminal diferente desde 1701",
         {"1701", "MG", {{13, "1933330000"}}},
         Linhas(E321, "13", "208 a 219", "1933330000  ")},
        {"terminal diferente fora de SP antes de 1701",
         {"1612", "MG", {{13, "1933330000"}}},
         Linhas(A329, "13", "208 a 219", "1933330000  ")},
        {"terminal diferente em SP, relógio em maio de 2012",
         {"1105", "SP", {{13, "1933330000"}}, {}, Maio2012},
         Linhas(A329, "13", "206 a 215", "1933330000")},
        {"terminal diferente em SP, relógio em 2017",
         {"1105", "SP", {{13, "1933330000"}}},
         Linhas(E321, "13", "206 a 215", "1933330000")},
    };
    return casos;
}

// The municipality chain from 1701: at most one occurrence, and only once the name is present.
const std::vector<Caso>& CasosDeMunicipio()
{
    static const std::vector<Caso> casos = {
        {"Embu no último dia do nome antigo",
         {"1701", "SP", {{9, "Embu"}, {19, "3515004"}, {15, "20110906"}}, {{9, "20110906"}}},
         {}},
        {"Embu no primeiro dia do nome novo",
         {"1701", "SP", {{9, "Embu"}, {19, "3515004"}, {15, "20110907"}}, {{9, "20110907"}}},
         Linhas(E340, "09", "152 a 181", "Inf.=[Embu]; IBGE=[Embu das Artes]")},
        {"código de SP num documento do RJ",
         {"1701", "RJ", {{9, "Embu"}, {10, "RJ"}, {19, "3515004"}}, {{4, "RJ"}}},
         Linhas(E338, "19", "244 a 250", "3515004")},
        {"código com letra",
         {"1701", "SP", {{9, "Qualquer"}, {19, "35A5004"}}},
         Linhas(E336, "19", "244 a 250", "35A5004")},
        {"código de estado inexistente", {"1701", "SP", {{19, "3400000"}}}, Linhas(E337, "19", "244 a 250", "3400000")},
        {"código fora da tabela", {"1701", "SP", {{19, "3599999"}}}, Linhas(E337, "19", "244 a 250", "3599999")},
        {"data de emissão de oito zeros",
         {"1701", "SP", {{15, "00000000"}}, {{9, "00000000"}}},
         Linhas(E339, "19", "244 a 250", "3509502; Data_Emi=[00000000]")},
        {"município criado depois da data de emissão",
         {"1701",
          "PA",
          {{9, "Mojuí dos Campos"}, {10, "PA"}, {19, "1504752"}, {15, "20120601"}},
          {{4, "PA"}, {9, "20120601"}}},
         Linhas(E339, "19", "244 a 250", "1504752; Data_Emi=[20120601]")},
        {"nome em caixa diferente da oficial",
         {"1701", "SP", {{9, "CAMPINAS"}}},
         Linhas(E340, "09", "152 a 181", "Inf.=[CAMPINAS]; IBGE=[Campinas]")},
        {"nome longo nos seus trinta primeiros caracteres",
         {"1701", "MT", {{9, "Vila Bela da Santíssima Trindade"}, {10, "MT"}, {19, "5105507"}}, {{4, "MT"}}},
         {}},
        {"município em branco encerra a verificação do código",
         {"1701", "SP", {{9, ""}, {19, "35A5004"}}},
         Linhas(E325, "09", "152 a 181", Largura("", 30))},
        {"município com branco inicial",
         {"1701", "SP", {{9, " Campinas"}}},
         Linhas(E325, "09", "152 a 181", Largura(" Campinas", 30))},
    };
    return casos;
}

void ConfereCasos(ChecagemDestinatario& teste, const std::vector<Caso>& casos)
{
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.Nome);
        teste.portas.Lista.clear();
        teste.ctx.QuantidadeErros = teste.ctx.QuantidadeAdvertencias = 0;
        EXPECT_EQ(teste.Valida(caso.Entrada), caso.Esperado);
        // Each heading's kind must have gone to the counter of that kind.
        int erros = 0, advertencias = 0;
        for (const std::string& linha : caso.Esperado) {
            erros += linha.starts_with("Erro: ") ? 1 : 0;
            advertencias += linha.starts_with("Advertência: ") ? 1 : 0;
        }
        EXPECT_EQ(teste.ctx.QuantidadeErros, erros);
        EXPECT_EQ(teste.ctx.QuantidadeAdvertencias, advertencias);
    }
}

} // namespace

TEST_F(ChecagemDestinatario, RegistroConcordanteNadaRelata)
{
    for (const char* referencia : {"1105", "1612", "1701"}) {
        SCOPED_TRACE(referencia);
        portas.Lista.clear();
        EXPECT_TRUE(Valida(Cenario{referencia, "SP", {}, {}}).empty());
        EXPECT_EQ(ctx.QuantidadeErros + ctx.QuantidadeAdvertencias, 0);
    }
}

TEST_F(ChecagemDestinatario, CamposPorReferenciaUfModeloERelogio)
{
    ConfereCasos(*this, CasosDeCampo());
}

TEST_F(ChecagemDestinatario, CodigoDoMunicipioContraAsTabelas)
{
    ConfereCasos(*this, CasosDeMunicipio());
}

// Several findings of one record come out in the order of the checks, each with the document number in the
// log, and the location line shows grouped record numbers.
TEST_F(ChecagemDestinatario, OrdemDosAchadosELinhasDoLog)
{
    const auto caminho = std::filesystem::temp_directory_path() / "tessarin-teste-destinatario.txt";
    ctx.GravarLog = true;
    ctx.Log.Cria(caminho.string());
    Prepara({"1701",
             "SP",
             {{1, "99999999000191"}, {4, "R"}, {7, "00000000"}, {9, "Embu"}, {19, "3515004"}, {15, "20110907"}},
             {{9, "20110907"}, {10, "21"}, {11, "A"}, {12, "000000777"}}});
    ctx.IndiceMestre = 1233;
    ctx.DocumentoAtual = "000000777";
    ValidaRegistroDestinatario(ctx, destinatario);
    ctx.Log.Fecha();

    const std::vector<std::string> lista = portas.ListaUtf8();
    ASSERT_EQ(lista.size(), 7u * 3u);
    EXPECT_EQ(lista[0], "Erro: 301 - CNPJ/CPF diferente do informado no arquivo mestre");
    EXPECT_EQ(lista[1], "         Arquivo: Cadastro, registro:      1.234, campo: 01, posições:   1 a  14, "
                        "conteúdo:[99999999000191] ");
    EXPECT_EQ(lista[10], "         Arquivo: Cadastro, registro:      1.234, campo: 09, posições: 152 a 181, "
                         "conteúdo:[Inf.=[Embu]; IBGE=[Embu das Artes]] ");

    std::ifstream log(caminho, std::ios::binary);
    const std::string texto{std::istreambuf_iterator<char>(log), {}};
    EXPECT_EQ(ParaUtf8(texto), "1234;E;D;301;[99999999000191];000000777\r\n"
                               "1234;E;D;304;[R                                            ];000000777\r\n"
                               "1234;A;D;308;[00000000];000000777\r\n"
                               "1234;E;D;340;[Inf.=[Embu]; IBGE=[Embu das Artes]];000000777\r\n"
                               "1234;E;D;333;[22];000000777\r\n"
                               "1234;E;D;334;[U  ];000000777\r\n"
                               "1234;E;D;335;[000000123];000000777\r\n");
    std::filesystem::remove(caminho);
}

// The record's code, its end and stray line breaks, in every generation's positions.
TEST_F(ChecagemDestinatario, AutenticacaoFimDeRegistroEQuebrasDeLinha)
{
    const std::string zeros(32, '0');
    Prepara({"1701", "SP", {{21, zeros}}});
    ValidaRegistroDestinatario(ctx, destinatario);
    EXPECT_EQ(portas.ListaUtf8(),
              Linhas("Erro: 314 - Código Autenticação Digital do registro do arquivo cadastro inválido", "21",
                     "256 a 287", zeros));
    EXPECT_EQ(ctx.DivergenciasRegistroDestinatario, 1);

    // A code written in lower case is the same code.
    portas.Lista.clear();
    Prepara({"1612", "SP", {}});
    for (std::size_t i = 226; i < 258; ++i) {
        char& c = destinatario[i];
        c = c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    ValidaRegistroDestinatario(ctx, destinatario);
    EXPECT_TRUE(portas.Lista.empty());
    EXPECT_EQ(ctx.DivergenciasRegistroDestinatario, 1);

    portas.Lista.clear();
    Prepara({"1105", "SP", {{17, "\n\r"}}});
    ValidaRegistroDestinatario(ctx, destinatario);
    // The end is not searched for line breaks: only the record's own characters are.
    EXPECT_EQ(portas.ListaUtf8(), Linhas("Erro: 315 - Final do registro com seqüência inválida (diferente de CR + LF)",
                                         "17", "255 a 256", "#10#13"));

    // Only the first CR and the first LF before the record's end are reported.
    portas.Lista.clear();
    Prepara({"1701", "SP", {{6, "AP\rTO\n1\r"}}});
    ValidaRegistroDestinatario(ctx, destinatario);
    const std::string e422 =
        "Erro: 422 - Registro Destinatário com caracteres inválidos ( posições 0 a 31 da tabela ASCII)";
    EXPECT_EQ(portas.ListaUtf8(), Junta({Linhas(e422, "  ", "         ", "Posição no registro: 116, Caracter #13"),
                                         Linhas(e422, "  ", "         ", "Posição no registro: 119, Caracter #10")}));
}

// The document's identification is compared field by field, each with its own code.
TEST_F(ChecagemDestinatario, IdentificacaoDoDocumentoDesde1701)
{
    EXPECT_EQ(
        Valida({"1701", "SP", {{9, "Embu"}, {19, "3515004"}, {15, "20110906"}}, {{10, "21"}, {11, "A"}, {12, "7"}}}),
        Junta({Linhas("Erro: 332 - Data de emissão diferente do informado no arquivo mestre", "15", "222 a 229",
                      "20110906"),
               Linhas("Erro: 333 - Modelo diferente do informado no arquivo mestre", "16", "230 a 231", "22"),
               Linhas("Erro: 334 - Série diferente da informada no arquivo mestre", "17", "232 a 234", "U  "),
               Linhas("Erro: 335 - Número do documento fiscal diferente do informado no arquivo mestre", "18",
                      "235 a 243", "000000123")}));
}

} // namespace tessarin
