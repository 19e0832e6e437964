#include "CenarioItem.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace tessarin {

using teste::CenarioItem;
using teste::Valor;
using Linhas = std::vector<std::string>;

TEST(ValidaRegistroItem, ItemValidoEmCadaGeracaoNadaReportaESoma)
{
    for (const char* referencia : {"1106", "1606", "1703"}) {
        CenarioItem c(referencia);
        EXPECT_EQ(c.Valida(c.Item({})), Linhas{}) << referencia;
        EXPECT_TRUE(c.portas.Lista.empty()) << referencia;
        const SomasItensDocumento& e = c.ctx.Mestre.SomasItens;
        EXPECT_EQ(e.ValorTotal, 1000);
        EXPECT_EQ(e.BaseIcms, 1000);
        EXPECT_EQ(e.ValorIcms, 180);
        EXPECT_EQ(e.TiposUtilizacao, "1");
        EXPECT_TRUE(e.TipoUtilizacaoEncontrado);
        EXPECT_EQ(c.ctx.Item.OrdinalItem, 1);
        EXPECT_EQ(c.ctx.DivergenciasRegistroItem, 0);
    }
}

TEST(ValidaRegistroItem, ConcordanciaComOMestre)
{
    struct Caso
    {
        const char* nome;
        CenarioItem::Campos campos;
        Linhas esperadas;
    };
    const Caso casos[] = {
        {"CNPJ", {{1, "99999999000191"}}, {"1;E;I;201;[99999999000191];000000123"}},
        {"UF", {{2, "RJ"}}, {"1;E;I;202;[RJ];000000123"}},
        {"classe", {{3, "2"}}, {"1;E;I;203;[2];000000123"}},
        {"grupo de tensao", {{5, "01"}}, {"1;E;I;205;[01];000000123"}},
        {"data", {{6, "20170311"}}, {"1;E;I;206;[20170311];000000123"}},
        {"modelo", {{7, "22"}}, {"1;E;I;207;[22];000000123"}},
        {"serie", {{8, "B  "}}, {"1;E;I;208;[B  ];000000123"}},
        {"varios, na ordem dos passos",
         {{1, "99999999000191"}, {8, "B  "}, {3, "2"}},
         {"1;E;I;201;[99999999000191];000000123", "1;E;I;203;[2];000000123", "1;E;I;208;[B  ];000000123"}},
    };
    for (const Caso& caso : casos) {
        CenarioItem c("1703");
        EXPECT_EQ(c.Valida(c.Item(caso.campos)), caso.esperadas) << caso.nome;
    }
}

TEST(ValidaRegistroItem, TiposDeUtilizacaoDoDocumento)
{
    // Model 22: each item has its own type; the document needs one equal to the Mestre's.
    CenarioItem c("1703", "MG", "22");
    c.Mestre({{6, "2"}});
    const char* tipos[] = {"1", "1", "2"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(c.Valida(c.Item({{4, tipos[i]}, {11, Valor(i + 1, 3)}, {14, "0199"}})), Linhas{});
        EXPECT_EQ(c.ctx.Mestre.SomasItens.TipoUtilizacaoEncontrado, i == 2);
    }
    EXPECT_EQ(c.ctx.Mestre.SomasItens.TiposUtilizacao, "1-1-2");

    // Other models carry the document's type: a different one is the item's fault, and the document's
    // mark is set anyway.
    CenarioItem e("1703", "MG", "06");
    EXPECT_EQ(e.Valida(e.Item({{4, "3"}, {14, "0601"}})), Linhas{"1;E;I;204;[3];000000123"});
    EXPECT_TRUE(e.ctx.Mestre.SomasItens.TipoUtilizacaoEncontrado);
    EXPECT_EQ(e.ctx.Mestre.SomasItens.TiposUtilizacao, "3");

    // The next document starts afresh (the record loop resets both before each walk).
    e.ctx.Item.ReiniciaDocumento();
    e.ctx.Mestre.SomasItens.Reinicia();
    EXPECT_EQ(e.ctx.Mestre.SomasItens.TiposUtilizacao, "");
    EXPECT_FALSE(e.ctx.Mestre.SomasItens.TipoUtilizacaoEncontrado);
    EXPECT_EQ(e.ctx.Mestre.SomasItens.ValorTotal, 0);
}

TEST(ValidaRegistroItem, CfopENumeroDoItem)
{
    {
        CenarioItem c("1703");
        EXPECT_EQ(c.Valida(c.Item({{10, "51 2"}})), Linhas{"1;E;I;210;[51 2];000000123"});
        EXPECT_EQ(c.Valida(c.Item({{10, "5102"}, {11, "002"}})), Linhas{});
    }
    struct Caso
    {
        const char* nome;
        std::vector<const char*> numeros;
        Linhas esperadas;
    };
    const Caso casos[] = {
        {"salto na sequencia", {"001", "002", "004"}, {"3;E;I;213;[004];000000123"}},
        {"zero", {"000"}, {"1;E;I;212;[000];000000123", "1;E;I;213;[000];000000123"}},
        {"acima de 990", {"001", "991"}, {"2;E;I;212;[991];000000123", "2;E;I;213;[991];000000123"}},
        {"990 no lugar", {"990"}, {"1;E;I;213;[990];000000123"}},
        // Not a number: no sequence to judge, but the ordinal still advances.
        {"nao numerico", {"0A1", "002"}, {"1;E;I;211;[0A1];000000123"}},
        {"branco", {"   ", "003"}, {"1;E;I;211;[   ];000000123", "2;E;I;213;[003];000000123"}},
    };
    for (const Caso& caso : casos) {
        CenarioItem c("1703");
        Linhas todas;
        for (const char* n : caso.numeros) {
            for (auto& l : c.Valida(c.Item({{11, n}}))) {
                todas.push_back(l);
            }
        }
        EXPECT_EQ(todas, caso.esperadas) << caso.nome;
        EXPECT_EQ(c.ctx.Item.OrdinalItem, static_cast<int>(caso.numeros.size())) << caso.nome;
    }
}

TEST(ValidaRegistroItem, TextosDoItem)
{
    struct Caso
    {
        const char* nome;
        const char* referencia;
        CenarioItem::Campos campos;
        Linhas esperadas;
    };
    const std::string descricaoEmBranco(40, ' ');
    const Caso casos[] = {
        {"codigo com branco a esquerda", "1703", {{12, " ab"}}, {"1;E;I;251;[ ab       ];000000123"}},
        {"codigo minusculo", "1703", {{12, "abc"}}, {}},
        {"codigo em branco", "1703", {{12, "          "}}, {}},
        {"codigo com branco antes de 1701", "1606", {{12, " ab"}}, {}},
        {"descricao em branco", "1606", {{13, descricaoEmBranco}}, {"1;E;I;214;[" + descricaoEmBranco + "];000000123"}},
        {"descricao com branco a esquerda",
         "1703",
         {{13, " SERVICO"}},
         {"1;E;I;214;[ SERVICO" + std::string(32, ' ') + "];000000123"}},
        {"descricao com branco antes de 1701", "1606", {{13, " SERVICO"}}, {}},
        {"unidade com branco a esquerda", "1703", {{15, " UN"}}, {"1;E;I;262;[ UN   ];000000123"}},
        {"unidade antes de 1701", "1606", {{15, " UN"}}, {}},
    };
    for (const Caso& caso : casos) {
        CenarioItem c(caso.referencia);
        EXPECT_EQ(c.Valida(c.Item(caso.campos)), caso.esperadas) << caso.nome;
    }
}

TEST(ValidaRegistroItem, QuantidadesEValores)
{
    struct Caso
    {
        const char* nome;
        const char* referencia;
        CenarioItem::Campos campos;
        Linhas esperadas;
        double somaTotal;
    };
    const Caso casos[] = {
        {"total negativo antes de 1701", "1106", {{18, "-0000001000"}}, {}, -1000},
        {"total com mais antes de 1701", "1106", {{18, "+0000001000"}}, {}, 1000},
        {"total com mais desde 1701", "1703", {{18, "+0000001000"}}, {"1;E;I;218;[+0000001000];000000123"}, 0},
        {"total negativo desde 1701",
         "1703",
         {{18, "-0000001000"}, {21, "-0000001000"}, {22, "-0000000180"}},
         {},
         -1000},
        {"total com branco", "1106", {{18, "0000001 000"}}, {"1;E;I;218;[0000001 000];000000123"}, 0},
        {"quantidades",
         "1703",
         {{16, "00000000000A"}, {17, "+00000000001"}},
         {"1;E;I;216;[00000000000A];000000123", "1;E;I;217;[+00000000001];000000123"},
         1000},
        {"desconto desde 1701", "1703", {{19, "00000000001"}}, {"1;E;I;249;[00000000001];000000123"}, 1000},
        {"desconto nao numerico desde 1701",
         "1703",
         {{19, "0000000000X"}},
         {"1;E;I;219;[0000000000X];000000123", "1;E;I;249;[0000000000X];000000123"},
         1000},
        {"acrescimo antes de 1701", "1106", {{20, "00000000001"}}, {}, 1000},
        {"acrescimo desde 1701", "1703", {{20, "00000000005"}}, {"1;E;I;250;[00000000005];000000123"}, 1000},
        {"valores de ICMS na ordem",
         "1106",
         {{24, "X"}, {21, "Y"}, {23, "Z"}, {22, "W"}},
         {"1;E;I;221;[Y          ];000000123", "1;E;I;222;[W          ];000000123", "1;E;I;223;[Z          ];000000123",
          "1;E;I;224;[X          ];000000123"},
         1000},
        {"aliquota zero", "1106", {{25, "0000"}}, {}, 1000},
        {"aliquota 0099", "1106", {{25, "0099"}}, {"1;E;I;226;[0099];000000123"}, 1000},
        {"aliquota 0100", "1106", {{25, "0100"}}, {}, 1000},
        {"aliquota -100 antes de 1701", "1106", {{25, "-100"}}, {"1;E;I;226;[-100];000000123"}, 1000},
        {"aliquota -100 desde 1701", "1703", {{25, "-100"}}, {"1;E;I;225;[-100];000000123"}, 1000},
        {"aliquota 0099 desde 1701", "1703", {{25, "0099"}}, {"1;E;I;226;[0099];000000123"}, 1000},
        {"aliquota com branco", "1106", {{25, "18 0"}}, {"1;E;I;225;[18 0];000000123"}, 1000},
    };
    for (const Caso& caso : casos) {
        CenarioItem c(caso.referencia);
        EXPECT_EQ(c.Valida(c.Item(caso.campos)), caso.esperadas) << caso.nome;
        EXPECT_EQ(c.ctx.Mestre.SomasItens.ValorTotal, caso.somaTotal) << caso.nome;
    }
}

TEST(ValidaRegistroItem, SomasDoDocumento)
{
    CenarioItem c("1106");
    c.Valida(c.Item({{18, Valor(10000)},
                     {19, Valor(1000)},
                     {20, Valor(500)},
                     {21, Valor(9500)},
                     {22, Valor(1710)},
                     {23, Valor(300)},
                     {24, Valor(200)}}));
    c.Valida(c.Item({{11, "002"}, {18, Valor(5000)}, {21, Valor(5000)}, {22, Valor(900)}, {26, "s"}}));
    const SomasItensDocumento& e = c.ctx.Mestre.SomasItens;
    EXPECT_EQ(e.ValorTotal, 15000);
    EXPECT_EQ(e.Descontos, 1000);
    EXPECT_EQ(e.Acrescimos, 500);
    EXPECT_EQ(e.BaseIcms, 14500);
    EXPECT_EQ(e.ValorIcms, 2610);
    EXPECT_EQ(e.Isentas, 300);
    EXPECT_EQ(e.Outros, 200);
    EXPECT_EQ(c.ctx.Item.SituacaoUltimoItem, 's');
    EXPECT_EQ(c.ctx.Item.ItensCancelados, 1);
}

TEST(ValidaRegistroItem, SituacaoEPeriodo)
{
    struct Caso
    {
        const char* nome;
        const char* referencia;
        CenarioItem::Campos mestre, item;
        Linhas esperadas;
        int cancelados;
    };
    const Caso casos[] = {
        {"minuscula desde 1701", "1703", {}, {{26, "n"}}, {"1;E;I;228;[n];000000123"}, 0},
        {"minuscula antes de 1701", "1606", {}, {{26, "n"}}, {}, 0},
        {"cancelado so no item", "1606", {}, {{26, "S"}}, {"1;E;I;228;[S];000000123"}, 1},
        {"cancelado minusculo com o mestre", "1606", {{19, "S"}}, {{26, "s"}}, {}, 1},
        {"mes do mestre diferente do arquivo",
         "1703",
         {{20, "1704"}},
         {{27, "1704"}},
         {"1;E;I;229;[1704];000000123"},
         0},
        {"mes do item diferente", "1703", {}, {{27, "1702"}}, {"1;E;I;229;[1702];000000123"}, 0},
        {"ano do item diferente", "1703", {}, {{27, "1603"}}, {"1;E;I;230;[1603];000000123"}, 0},
        {"ano do mestre diferente", "1703", {{20, "1603"}}, {}, {"1;E;I;230;[1703];000000123"}, 0},
    };
    for (const Caso& caso : casos) {
        CenarioItem c(caso.referencia);
        c.Mestre(caso.mestre);
        EXPECT_EQ(c.Valida(c.Item(caso.item)), caso.esperadas) << caso.nome;
        EXPECT_EQ(c.ctx.Item.ItensCancelados, caso.cancelados) << caso.nome;
    }
}

TEST(ValidaRegistroItem, CamposDoLayoutDe1701)
{
    struct Caso
    {
        const char* nome;
        const char* modelo;
        CenarioItem::Campos campos;
        Linhas esperadas;
    };
    const Caso casos[] = {
        {"contrato na comunicacao", "21", {{28, "CT-1"}}, {}},
        {"contrato com branco a esquerda", "21", {{28, " CT-1"}}, {"1;E;I;238;[ CT-1          ];000000123"}},
        {"contrato em energia", "06", {{14, "0601"}, {28, "CT-1"}}, {"1;E;I;238;[CT-1           ];000000123"}},
        {"quantidade faturada", "21", {{29, "+00000000001"}}, {"1;E;I;239;[+00000000001];000000123"}},
        {"tarifa fora da energia", "21", {{30, "00000000001"}}, {"1;E;I;240;[00000000001];000000123"}},
        {"tarifa na energia", "06", {{14, "0601"}, {30, "00000012345"}}, {}},
        {"tarifa na energia com branco",
         "06",
         {{14, "0601"}, {30, "0000001234 "}},
         {"1;E;I;240;[0000001234 ];000000123"}},
        {"aliquota PIS", "21", {{31, "0065 0"}}, {"1;E;I;241;[0065 0];000000123"}},
        {"valor PIS", "21", {{32, "0000000006X"}}, {"1;E;I;242;[0000000006X];000000123"}},
        {"aliquota COFINS", "21", {{33, "-00300"}}, {"1;E;I;243;[-00300];000000123"}},
        {"valor COFINS", "21", {{34, "00000 00030"}}, {"1;E;I;244;[00000 00030];000000123"}},
        {"desconto judicial J", "21", {{35, "J"}}, {}},
        {"desconto judicial minusculo", "21", {{35, "j"}}, {"1;E;I;245;[j];000000123"}},
    };
    for (const Caso& caso : casos) {
        CenarioItem c("1703", "MG", caso.modelo);
        EXPECT_EQ(c.Valida(c.Item(caso.campos)), caso.esperadas) << caso.nome;
    }
}

TEST(ValidaRegistroItem, IntegridadeDoRegistro)
{
    {
        CenarioItem c("1703");
        std::string r = c.Item({});
        for (std::size_t i = 333 - 34; i < 333 - 2; ++i) {
            r[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(r[i])));
        }
        EXPECT_EQ(c.Valida(r), Linhas{});
    }
    {
        CenarioItem c("1606");
        EXPECT_EQ(c.Valida(c.Item({}, false)), Linhas{"1;E;I;231;[" + std::string(32, ' ') + "];000000123"});
        EXPECT_EQ(c.Valida(c.Item({{11, "002"}}, false)), Linhas{"2;E;I;231;[" + std::string(32, ' ') + "];000000123"});
        EXPECT_EQ(c.ctx.DivergenciasRegistroItem, 2);
    }
    {
        // Line breaks inside a record that keeps its length and its CR LF end: both found, no 232.
        CenarioItem c("1703");
        std::string r = c.Item({{9, std::string("000000\r\n3")}});
        ASSERT_EQ(r.substr(39, 2), "\r\n");
        EXPECT_EQ(c.Valida(r), (Linhas{"1;E;I;421;[Posição no registro: 40, Caracter #13];000000123",
                                       "1;E;I;421;[Posição no registro: 41, Caracter #10];000000123"}));
    }
    {
        CenarioItem c("1703");
        std::string r = c.Item({{12, std::string("AB\r\nCDE")}});
        c.Valida(r);
        EXPECT_EQ(c.portas.ListaUtf8(),
                  (Linhas{"Erro: 421 - Registro Item com caracteres inválidos ( posições 0 a 31 da tabela ASCII)",
                          "         Arquivo: Item, registro:          1, campo:   , posições:          , "
                          "conteúdo:[Posição no registro: 52, Caracter #13] ",
                          " ", "Erro: 421 - Registro Item com caracteres inválidos ( posições 0 a 31 da tabela ASCII)",
                          "         Arquivo: Item, registro:          1, campo:   , posições:          , "
                          "conteúdo:[Posição no registro: 53, Caracter #10] ",
                          " "}));
    }
    struct Caso
    {
        const char* fim;
        const char* conteudo;
    };
    for (const Caso caso : {Caso{"\r ", "#13#32"}, Caso{"  ", "#32#32"}, Caso{"\n\r", "#10#13"}}) {
        CenarioItem c("1606");
        std::string r = c.Item({});
        r.replace(254, 2, caso.fim);
        EXPECT_EQ(c.Valida(r), Linhas{std::string("1;E;I;232;[") + caso.conteudo + "];000000123"}) << caso.conteudo;
    }
}

} // namespace tessarin
