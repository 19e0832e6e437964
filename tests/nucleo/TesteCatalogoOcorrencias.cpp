#include "dados/CatalogoOcorrencias.h"
#include "dados/Texto1252.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tessarin {

namespace {

// The rows whose field and positions follow the layout generation.
std::set<std::string> CodigosPorGeracao()
{
    std::set<std::string> codigos;
    const int faixas[][2] = {{136, 136}, {139, 143}, {216, 232}, {249, 250}, {252, 256}, {312, 321}, {327, 329}};
    for (const auto& faixa : faixas) {
        for (int c = faixa[0]; c <= faixa[1]; ++c) {
            codigos.insert(std::to_string(c));
        }
    }
    return codigos;
}

std::string TextoDe(const CatalogoOcorrencias& catalogo, std::string_view codigo)
{
    const auto* linha = catalogo.Procura(codigo);
    return linha ? linha->Texto() : "(ausente)";
}

} // namespace

TEST(CatalogoOcorrencias, Tem225CodigosUnicosEmOrdemComColunasSeparadasPorBrancos)
{
    const auto& catalogo = CatalogoOcorrencias::Armazenado();
    ASSERT_EQ(catalogo.Quantidade(), 225);
    EXPECT_EQ(catalogo[0].Codigo(), "101");
    EXPECT_EQ(catalogo[224].Codigo(), "427");
    std::set<std::string_view> codigos;
    for (int i = 0; i < catalogo.Quantidade(); ++i) {
        const auto& linha = catalogo[i];
        SCOPED_TRACE(linha.Texto());
        codigos.insert(linha.Codigo());
        EXPECT_EQ(catalogo.Indice(linha.Codigo()), i);
        ASSERT_GT(linha.Texto().size(), 21u);
        for (std::size_t coluna : {4, 6, 8, 11, 21}) {
            EXPECT_EQ(linha.Texto()[coluna - 1], ' ') << "coluna " << coluna;
        }
    }
    EXPECT_EQ(codigos.size(), 225u);
}

TEST(CatalogoOcorrencias, LinhasArmazenadasByteAByte)
{
    const auto& catalogo = CatalogoOcorrencias::Armazenado();
    // One row spelled in Windows-1252 bytes, so the table is not checked only against the same conversion.
    EXPECT_EQ(TextoDe(catalogo, "101"), "101 A M 01   1 a  14 CNPJ/CPF n\xE3o num\xE9rico");

    const struct
    {
        const char* codigo;
        const char* texto; // UTF-8
    } casos[] = {
        {"136", "136 E M 22 223 a 254 Código Autenticação Digital do registro do arquivo mestre inválido"},
        {"231", "231 E I 29 223 a 254 Código de Autenticação Digital do registro do arquivo Item inválido"},
        {"234", "234 E I 00   1 a 256 Registro de item órfão não pertence a nenhum mestre"},
        {"249", "249 E I 19 145 a 155 Campo Desconto/Redutores deve conter zeros a partir da referência 1701"},
        {"341", "341 E D 06 114 a 128 Complemento do endereço: não pode iniciar com espaço em branco"},
        {"401", "401 E                Quantidade de Registros do arquivo item menor que quantidade de registro do "
                "arquivo mestre"},
        {"417", "417 E                Número da 1ª Nota Fiscal do arquivo mestre inválido"},
        {"420", "420 E M              Registro Mestre com caracteres inválidos ( posições 0 a 31 da tabela ASCII)"},
        {"423", "423 E I              Total, BC, Isentas, Outros e ICMS devem ter todos o mesmo sinal: positivo ou "
                "negativo"},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(TextoDe(catalogo, caso.codigo), ParaWin1252(caso.texto)) << caso.codigo;
    }
}

TEST(CatalogoOcorrencias, ColunasComoORelatorAsFatia)
{
    const auto& catalogo = CatalogoOcorrencias::Armazenado();
    const auto* l101 = catalogo.Procura("101");
    ASSERT_NE(l101, nullptr);
    EXPECT_EQ(l101->Tipo(), "A");
    EXPECT_FALSE(l101->Erro());
    EXPECT_EQ(l101->Arquivo(), "M");
    EXPECT_EQ(l101->Campo(), "01");
    EXPECT_EQ(l101->Posicoes(), "  1 a  14");
    EXPECT_EQ(l101->Descricao(), "CNPJ/CPF n\xE3o num\xE9rico");

    // A finding without field or positions still shows their blanks.
    const auto* l423 = catalogo.Procura("423");
    ASSERT_NE(l423, nullptr);
    EXPECT_TRUE(l423->Erro());
    EXPECT_EQ(l423->Arquivo(), "I");
    EXPECT_EQ(l423->Campo(), "  ");
    EXPECT_EQ(l423->Posicoes(), "         ");
    EXPECT_EQ(l423->Descricao(),
              "Total, BC, Isentas, Outros e ICMS devem ter todos o mesmo sinal: positivo ou negativo");

    const auto* l412 = catalogo.Procura("412");
    ASSERT_NE(l412, nullptr);
    EXPECT_EQ(l412->Arquivo(), " ");
}

TEST(CatalogoOcorrencias, CodigoAusenteOuMalFormadoNaoTemLinha)
{
    const auto& catalogo = CatalogoOcorrencias::Armazenado();
    for (const char* codigo : {"196", "100", "000", "999", "428", "12", "1010", "a01", " 01", ""}) {
        EXPECT_EQ(catalogo.Indice(codigo), -1) << '"' << codigo << '"';
        EXPECT_EQ(catalogo.Procura(codigo), nullptr) << '"' << codigo << '"';
    }
    EXPECT_EQ(catalogo.Indice(-1), -1);
    EXPECT_EQ(catalogo.Indice(1000), -1);
    EXPECT_EQ(catalogo.Indice(196), -1);
    EXPECT_EQ(catalogo.Indice(101), 0);
    EXPECT_EQ(catalogo.Indice(427), 224);
}

TEST(CatalogoOcorrencias, ReescreveAsLinhasDeCadaGeracao)
{
    const struct
    {
        GeracaoLayout geracao;
        const char* codigo;
        const char* texto; // UTF-8
    } casos[] = {
        {GeracaoLayout::V01, "136",
         "136 E M 22 223 a 254 Código Autenticação Digital do registro do arquivo mestre inválido"},
        {GeracaoLayout::V02, "136",
         "136 E M 22 227 a 258 Código Autenticação Digital do registro do arquivo mestre inválido"},
        {GeracaoLayout::V03, "136",
         "136 E M 36 394 a 425 Código Autenticação Digital do registro do arquivo mestre inválido"},
        {GeracaoLayout::V01, "231",
         "231 E I 29 223 a 254 Código de Autenticação Digital do registro do arquivo Item inválido"},
        {GeracaoLayout::V02, "231",
         "231 E I 29 223 a 254 Código de Autenticação Digital do registro do arquivo Item inválido"},
        {GeracaoLayout::V03, "231",
         "231 E I 38 300 a 331 Código Autenticação Digital do registro do arquivo Item inválido"},
        {GeracaoLayout::V01, "249",
         "249 E I 19 143 a 153 Campo Desconto/Redutores deve conter zeros a partir da referência 1701"},
        {GeracaoLayout::V02, "142",
         "142 E M 23 222 a 226 Brancos com valor inválido diferente de brancos, ES, NI ou BC para NFCEE modelo 06"},
        {GeracaoLayout::V03, "227", "227 E I 26 215 a 215 Situação do item inválido (deve ser S ou N)"},
        {GeracaoLayout::V03, "315",
         "315 E D 22 288 a 289 Final do registro com seqüência inválida (diferente de CR + LF)"},
    };
    for (const auto& caso : casos) {
        CatalogoOcorrencias catalogo;
        catalogo.ReescreveParaGeracao(caso.geracao);
        EXPECT_EQ(TextoDe(catalogo, caso.codigo), ParaWin1252(caso.texto))
            << caso.codigo << " em " << TextoGeracao(caso.geracao);
    }
}

TEST(CatalogoOcorrencias, ReescritaMudaSoAsColunasDoLocalDas43Linhas)
{
    const auto& armazenado = CatalogoOcorrencias::Armazenado();
    const auto porGeracao = CodigosPorGeracao();
    ASSERT_EQ(porGeracao.size(), 43u);

    CatalogoOcorrencias v01;
    v01.ReescreveParaGeracao(GeracaoLayout::V01);
    for (auto geracao : {GeracaoLayout::V02, GeracaoLayout::V03}) {
        CatalogoOcorrencias catalogo;
        catalogo.ReescreveParaGeracao(geracao);
        for (int i = 0; i < catalogo.Quantidade(); ++i) {
            const std::string& texto = catalogo[i].Texto();
            const std::string& original = armazenado[i].Texto();
            const std::string codigo(catalogo[i].Codigo());
            SCOPED_TRACE(codigo + " em " + std::string(TextoGeracao(geracao)));
            if (!porGeracao.count(codigo)) {
                EXPECT_EQ(texto, original);
                EXPECT_EQ(v01[i].Texto(), original);
                continue;
            }
            EXPECT_EQ(texto.substr(0, 8), original.substr(0, 8));
            if (!(codigo == "231" && geracao == GeracaoLayout::V03)) {
                EXPECT_EQ(texto.substr(20), original.substr(20));
            }
            // Every one of the 43 rows sits elsewhere in "v_03" than in "v_01".
            if (geracao == GeracaoLayout::V03) {
                EXPECT_NE(texto.substr(8, 12), v01[i].Texto().substr(8, 12));
            }
        }
    }
}

TEST(CatalogoOcorrencias, CadaExecucaoTemSuaCopiaEReescreverDeNovoEExato)
{
    CatalogoOcorrencias execucao;
    execucao.ReescreveParaGeracao(GeracaoLayout::V03);
    CatalogoOcorrencias outra;
    EXPECT_EQ(TextoDe(outra, "231"), TextoDe(CatalogoOcorrencias::Armazenado(), "231"));
    EXPECT_NE(TextoDe(execucao, "231"), TextoDe(outra, "231"));

    // A later run of another generation leaves nothing of the earlier one behind.
    CatalogoOcorrencias direto;
    direto.ReescreveParaGeracao(GeracaoLayout::V01);
    execucao.ReescreveParaGeracao(GeracaoLayout::V01);
    for (int i = 0; i < direto.Quantidade(); ++i) {
        EXPECT_EQ(execucao[i].Texto(), direto[i].Texto());
    }
}

} // namespace tessarin
