#include "CenarioItem.h"
#include "dados/ListasCodigosItem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tessarin {

using teste::CenarioItem;
using teste::Valor;
using Linhas = std::vector<std::string>;

namespace {

// An item of the classification on a document of the model, the rest valid. Groups 08 and 09 go with CFOP
// "0000" and only "Outros", as they must, so that only the classification can be at fault.
Linhas ItemClassificado(const std::string& referencia, const std::string& uf, const std::string& modelo,
                        const std::string& classificacao)
{
    CenarioItem c(referencia, uf, modelo);
    CenarioItem::Campos campos = {{14, classificacao}};
    // Group 09 items reduce the bill: their total is negative.
    const int total = classificacao.starts_with("09") ? -1000 : 1000;
    if (classificacao.starts_with("08") || classificacao.starts_with("09")) {
        campos.insert(
            {{10, "0000"}, {18, Valor(total)}, {21, Valor(0)}, {22, Valor(0)}, {24, Valor(total)}, {25, "0000"}});
    }
    return c.Valida(c.Item(campos));
}

int Entradas(std::string_view lista)
{
    return static_cast<int>(std::count(lista.begin(), lista.end(), '%')) + 1;
}

} // namespace

TEST(ClassificacaoItem, ListasTemAsQuantidadesDeclaradas)
{
    struct Caso
    {
        std::string_view lista;
        int quantidade;
    };
    const Caso casos[] = {
        {ClassifGrupos01a05, 39},        {ClassifGrupos06a11, 49}, {ClassifGrupos06a11Sem0907, 48},
        {ClassifGrupos06a11Com0697, 51}, {ClassifGas, 34},         {ClassifGrupos08e09, 17},
        {ClassifGrupos08e09Comuns, 14},  {ClassifEnergia, 11},     {ClassifEnergiaGrupo09, 3},
        {ClassifExigeTerminal, 19},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(Entradas(caso.lista), caso.quantidade) << caso.lista;
        // Every entry of a classification list is four digits.
        EXPECT_EQ(caso.lista.size(), static_cast<std::size_t>(caso.quantidade) * 5 - 1) << caso.lista;
    }
    EXPECT_EQ(Entradas(TiposIsencaoReducao), 9);
    int comunicacao = 0;
    for (const std::string_view grupo : ClassifComunicacao) {
        comunicacao += Entradas(grupo);
    }
    EXPECT_EQ(comunicacao, 63);
    // The type-of-use lists never share a code, so one item can contradict at most one of them.
    for (std::size_t a = 0; a < ClassifTipoUtilizacao.size(); ++a) {
        for (std::size_t b = a + 1; b < ClassifTipoUtilizacao.size(); ++b) {
            for (std::size_t i = 0; i < ClassifTipoUtilizacao[a].size(); i += 5) {
                EXPECT_EQ(ClassifTipoUtilizacao[b].find(ClassifTipoUtilizacao[a].substr(i, 4)), std::string_view::npos);
            }
        }
    }
}

TEST(ClassificacaoItem, ClassificacaoContraODocumento)
{
    struct Caso
    {
        const char* nome;
        const char *referencia, *uf, *modelo, *classificacao;
        Linhas esperadas;
    };
    const Caso casos[] = {
        {"energia do grupo 09 fora de SP", "1612", "MG", "06", "0903", {}},
        {"energia do grupo 09 em SP", "1612", "SP", "06", "0903", {}},
        {"SP modelo 01 ate 1206 sem 0907", "1206", "SP", "01", "0907", {"1;E;I;215;[0907];000000123"}},
        {"SP modelo 01 ate 1206 com 0903", "1206", "SP", "01", "0903", {}},
        {"SP modelo 01 depois de 1206 so gas e 08/09", "1207", "SP", "01", "0101", {"1;E;I;215;[0101];000000123"}},
        {"SP modelo 01 depois de 1206 com gas", "1207", "SP", "01", "5017", {}},
        {"1701 energia SP 0698 em SP", "1701", "SP", "06", "0698", {}},
        {"1701 energia SP 0698 fora de SP", "1701", "MG", "06", "0698", {"1;E;I;258;[0698];000000123"}},
        {"1701 0891 fora de SP", "1701", "MG", "21", "0891", {"1;E;I;259;[0891];000000123"}},
        {"1701 0891 em SP", "1701", "SP", "21", "0891", {}},
        {"1701 0806 no gas", "1701", "MG", "01", "0806", {}},
        {"1701 0806 na energia", "1701", "MG", "06", "0806", {}},
        {"1701 0806 na comunicacao", "1701", "MG", "22", "0806", {}},
        {"1701 letra na classificacao", "1701", "MG", "06", "05A1", {"1;E;I;215;[05A1];000000123"}},
        {"1701 letra na classificacao, comunicacao", "1701", "MG", "21", "05A1", {"1;E;I;215;[05A1];000000123"}},
        {"1701 gas com codigo de comunicacao", "1701", "MG", "28", "0101", {"1;E;I;257;[0101];000000123"}},
        {"1701 energia 0907 do grupo 09", "1701", "MG", "06", "0907", {}},
        {"1701 comunicacao com 0903 de energia", "1701", "MG", "21", "0903", {"1;E;I;259;[0903];000000123"}},
        {"1701 modelo sem tabela", "1701", "MG", "55", "9999", {}},
        {"gas modelo 28 em 1301", "1301", "MG", "28", "5001", {}},
        {"gas modelo 28 em 1212", "1212", "MG", "28", "5001", {"1;E;I;215;[5001];000000123"}},
        {"gas fora do modelo 01/28", "1301", "MG", "21", "5001", {"1;E;I;215;[5001];000000123"}},
        {"1106 em 1304", "1304", "MG", "21", "1106", {}},
        {"1106 em 1303", "1303", "MG", "21", "1106", {"1;E;I;215;[1106];000000123"}},
        {"SP 1202 em 1205", "1205", "SP", "22", "1202", {}},
        {"SP 1202 em 1207", "1207", "SP", "22", "1202", {"1;E;I;215;[1202];000000123"}},
        {"SP 0891 so na comunicacao", "1205", "SP", "06", "0891", {"1;E;I;215;[0891];000000123"}},
        {"SP 0697 fora do modelo 01", "1205", "SP", "06", "0697", {}},
        {"0697 fora de SP", "1205", "MG", "06", "0697", {"1;E;I;215;[0697];000000123"}},
        // Membership is by substring: "1%01" spans "0101%0102" and is taken as listed before 1701.
        {"percentual atravessa entradas", "1205", "MG", "21", "1%01", {}},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(ItemClassificado(caso.referencia, caso.uf, caso.modelo, caso.classificacao), caso.esperadas)
            << caso.nome;
    }
}

TEST(ClassificacaoItem, TerminalExigidoPelaClassificacao)
{
    struct Caso
    {
        const char *referencia, *uf, *modelo, *classificacao;
        bool exigido;
    };
    const Caso casos[] = {
        {"1701", "MG", "21", "0101", true},  {"1701", "MG", "22", "0312", true},  {"1701", "MG", "21", "0199", false},
        {"1701", "MG", "06", "0101", false}, {"1612", "MG", "21", "0101", false},
    };
    for (const Caso& caso : casos) {
        CenarioItem c(caso.referencia, caso.uf, caso.modelo);
        c.Valida(c.Item({{14, caso.classificacao}, {4, caso.classificacao == std::string("0312") ? "2" : "1"}}));
        EXPECT_EQ(c.ctx.Mestre.SomasItens.ExigeTerminal, caso.exigido) << caso.referencia << " " << caso.classificacao;
    }
}

TEST(ClassificacaoItem, TipoDeUtilizacaoDaClassificacao)
{
    CenarioItem c("1701", "MG", "22");
    c.Valida(c.Item({{4, "2"}, {14, "0305"}}));
    EXPECT_EQ(c.portas.ListaUtf8(),
              (Linhas{"Erro: 260 - Tipo de Utilização do item é incompatível com o Código de classificação do item",
                      "         Arquivo: Item, registro:          1, campo: 04, posições:  18 a  18, "
                      "conteúdo:[Tipo = 2 , Cód.Classif. = 0305] ",
                      " "}));

    struct Caso
    {
        const char *referencia, *tipo, *classificacao;
        Linhas esperadas;
    };
    const Caso casos[] = {
        {"1701", "1", "0305", {}},
        {"1701", "6", "0305", {"1;E;I;260;[Tipo = 6 , Cód.Classif. = 0305];000000123"}},
        {"1701", "5", "0315", {}},
        {"1701", "3", "0199", {}},
        {"1612", "2", "0305", {}},
        // Outside 1 to 6 the type is refused and its fit with the classification is not judged.
        {"1701", " ", "0305", {"1;E;I;261;[ ];000000123"}},
        {"1612", "7", "0305", {"1;E;I;261;[7];000000123"}},
    };
    for (const Caso& caso : casos) {
        CenarioItem d(caso.referencia, "MG", "22");
        d.Mestre({{6, caso.tipo}});
        EXPECT_EQ(d.Valida(d.Item({{4, caso.tipo}, {14, caso.classificacao}})), caso.esperadas)
            << caso.referencia << " " << caso.tipo << " " << caso.classificacao;
    }
}

TEST(ClassificacaoItem, Cfop0000SoParaOsGrupos08e09)
{
    struct Caso
    {
        const char* nome;
        const char *referencia, *uf, *cfop, *classificacao;
        int mesDoRelogio;
        Linhas esperadas;
    };
    const Caso casos[] = {
        {"SP depois de junho de 2012",
         "1102",
         "SP",
         "5301",
         "0801",
         7,
         {"1;E;I;235;[CFOP:5301 - Cod.Cla.:0801];000000123"}},
        {"SP com o relogio em maio de 2012",
         "1102",
         "SP",
         "5301",
         "0801",
         5,
         {"1;A;I;233;[CFOP:5301 - Cod.Cla.:0801];000000123"}},
        {"fora de SP e sempre advertencia",
         "1102",
         "MG",
         "0000",
         "0101",
         7,
         {"1;A;I;233;[CFOP:0000 - Cod.Cla.:0101];000000123"}},
        {"SP com referencia depois de 1206",
         "1207",
         "SP",
         "0000",
         "0101",
         5,
         {"1;E;I;235;[CFOP:0000 - Cod.Cla.:0101];000000123"}},
        {"grupo 09 com 0000", "1102", "MG", "0000", "0902", 7, {}},
        {"grupo 01 com 5301", "1102", "SP", "5301", "0101", 7, {}},
    };
    for (const Caso& caso : casos) {
        CenarioItem c(caso.referencia, caso.uf, "21");
        c.portas.Hoje = {2012, caso.mesDoRelogio, 15, 9, 0, 0};
        EXPECT_EQ(c.Valida(c.Item({{10, caso.cfop}, {14, caso.classificacao}})), caso.esperadas) << caso.nome;
        EXPECT_EQ(c.ctx.QuantidadeAdvertencias, caso.esperadas.size() == 1 && caso.esperadas[0][2] == 'A' ? 1 : 0)
            << caso.nome;
    }

    // From 1701 the mismatch is always an error (values that satisfy the 0000 value rules).
    CenarioItem c("1703");
    c.portas.Hoje = {2012, 5, 15, 9, 0, 0};
    EXPECT_EQ(c.Valida(c.Item({{10, "0000"}, {21, Valor(0)}, {22, Valor(0)}, {24, Valor(1000)}, {25, "0000"}})),
              Linhas{"1;E;I;235;[CFOP:0000 - Cod.Cla.:0101];000000123"});
}

TEST(ClassificacaoItem, DirecaoDoCfopEIsencao)
{
    struct Caso
    {
        const char* nome;
        const char* modelo;
        bool saida;
        CenarioItem::Campos campos;
        Linhas esperadas;
    };
    const Caso casos[] = {
        {"entrada em volume de saida", "21", true, {{10, "1102"}}, {"1;E;I;236;[1102];000000123"}},
        {"saida em volume de entrada", "21", false, {{10, "5102"}}, {"1;E;I;237;[5102];000000123"}},
        {"saida em volume de saida", "21", true, {{10, "5102"}}, {}},
        {"isencao 01 em energia", "06", true, {{14, "0601"}, {36, "01"}}, {"1;E;I;247;[01];000000123"}},
        {"isencao 01 em comunicacao", "21", true, {{36, "01"}}, {}},
        {"isencao 99 em comunicacao", "21", true, {{36, "99"}}, {}},
        {"isencao 08 em comunicacao", "21", true, {{36, "08"}}, {"1;E;I;246;[08];000000123"}},
        {"isencao em branco em comunicacao", "22", true, {{36, "  "}}, {"1;E;I;246;[  ];000000123"}},
    };
    for (const Caso& caso : casos) {
        CenarioItem c("1703", "MG", caso.modelo, caso.saida);
        EXPECT_EQ(c.Valida(c.Item(caso.campos)), caso.esperadas) << caso.nome;
    }
    // CFOP "0000" names no direction.
    for (const bool saida : {true, false}) {
        CenarioItem c("1703", "MG", "21", saida);
        EXPECT_EQ(c.Valida(c.Item(
                      {{10, "0000"}, {14, "0801"}, {21, Valor(0)}, {22, Valor(0)}, {24, Valor(1000)}, {25, "0000"}})),
                  Linhas{});
    }
}

} // namespace tessarin
