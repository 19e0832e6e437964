#include "PortasGravadas.h"
#include "relato/ContextoValidacao.h"
#include "relato/RegistrarOcorrencia.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tessarin {

namespace {

std::string LeArquivo(const std::filesystem::path& caminho)
{
    std::ifstream entrada(caminho, std::ios::binary);
    std::stringstream conteudo;
    conteudo << entrada.rdbuf();
    return conteudo.str();
}

struct Cenario
{
    teste::PortasGravadas portas;
    ContextoValidacao ctx;
    Cenario()
    {
        ctx.Janela = &portas;
        ctx.Catalogo.ReescreveParaGeracao(GeracaoLayout::V03);
        ctx.DocumentoAtual = "000000123";
    }
};

} // namespace

TEST(RegistrarOcorrencia, CabecalhoLocalizacaoEContagem)
{
    Cenario c;
    // An Item code on record index 0, a warning, and a row without field or positions.
    c.ctx.QuantidadeErros = RegistrarOcorrencia(c.ctx, 210, 0, "12A4", c.ctx.QuantidadeErros, "000000123");
    c.ctx.QuantidadeAdvertencias =
        RegistrarOcorrencia(c.ctx, 101, 1233, "1234567890123X", c.ctx.QuantidadeAdvertencias, "000000123");
    Registra(c.ctx, 423, 9, "xyz");
    const std::vector<std::string> esperado = {
        "Erro: 210 - CFOP deve ser numérico",
        "         Arquivo: Item, registro:          1, campo: 10, posições:  43 a  46, conteúdo:[12A4] ",
        " ",
        "Advertência: 101 - CNPJ/CPF não numérico",
        "         Arquivo: Mestre, registro:      1.234, campo: 01, posições:   1 a  14, conteúdo:[1234567890123X] ",
        " ",
        "Erro: 423 - Total, BC, Isentas, Outros e ICMS devem ter todos o mesmo sinal: positivo ou negativo",
        "         Arquivo: Item, registro:         10, campo:   , posições:          , conteúdo:[xyz] ",
        " ",
    };
    EXPECT_EQ(c.portas.ListaUtf8(), esperado);
    EXPECT_EQ(c.ctx.QuantidadeErros, 2);
    EXPECT_EQ(c.ctx.QuantidadeAdvertencias, 1);
    EXPECT_EQ(c.ctx.ContagemPorCodigo[static_cast<std::size_t>(c.ctx.Catalogo.Indice(210))], 1);
    // A code the catalogue lacks changes nothing.
    EXPECT_EQ(RegistrarOcorrencia(c.ctx, 999, 0, "", 7, ""), 7);
    EXPECT_EQ(c.portas.Lista.size(), esperado.size());
}

TEST(RegistrarOcorrencia, LimiteDeMilPorTipo)
{
    Cenario c;
    for (int i = 0; i < 1000; ++i) {
        Registra(c.ctx, 101, i, "x"); // warnings
    }
    EXPECT_TRUE(c.ctx.ExibirNaTela);
    EXPECT_EQ(c.portas.Lista.size(), 3000u);
    for (int i = 0; i < 1000; ++i) {
        Registra(c.ctx, 120, i, "x"); // errors: their own count
    }
    EXPECT_EQ(c.portas.Lista.size(), 6000u);
    Registra(c.ctx, 120, 1000, "x"); // the 1001st error is listed, then the limit lines
    Registra(c.ctx, 120, 1001, "x"); // counted, not listed
    Registra(c.ctx, 101, 1000, "x");
    const auto lista = c.portas.ListaUtf8();
    ASSERT_EQ(lista.size(), 6006u);
    EXPECT_EQ(lista[6000], "Erro: 120 - Número do documento fiscal não numérico, ou inválido");
    EXPECT_EQ(lista[6003], std::string(85, '-'));
    EXPECT_EQ(lista[6004], " Limite de 1000 erros/advertências alcançado, as ocorrências não serão mais exibidas.");
    EXPECT_EQ(lista[6005], std::string(85, '-'));
    EXPECT_FALSE(c.ctx.ExibirNaTela);
    EXPECT_EQ(c.ctx.QuantidadeErros, 1002);
    EXPECT_EQ(c.ctx.QuantidadeAdvertencias, 1001);
}

TEST(RegistrarOcorrencia, LinhaDoLogGravadaEDescarregada)
{
    Cenario c;
    const auto caminho = std::filesystem::temp_directory_path() / ("tessarin-log-" + std::to_string(::getpid()));
    c.ctx.Log.Cria(caminho.string());
    c.ctx.GravarLog = true;
    c.ctx.ExibirNaTela = false;
    Registra(c.ctx, 234, 0,
             "conte\xFA"
             "do",
             "ignorado");
    Registra(c.ctx, 101, 41, "1234567890123X");
    // Flushed per line: readable before the file is closed.
    EXPECT_EQ(LeArquivo(caminho), "1;E;I;234;[conte\xFA"
                                  "do];ignorado\r\n42;A;M;101;[1234567890123X];000000123\r\n");
    EXPECT_TRUE(c.portas.Lista.empty());
    c.ctx.Log.Fecha();
    std::filesystem::remove(caminho);
}

} // namespace tessarin
