#include "CenarioItem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessarin {

using teste::CenarioItem;
using teste::Valor;
using Linhas = std::vector<std::string>;

namespace {

// The value fields of an item: total, base, exempt, other, ICMS, rate.
struct Valores
{
    std::int64_t t = 0, bc = 0, is = 0, ou = 0, icms = 0;
    const char* al = "0000";
};

CenarioItem::Campos CamposDe(const Valores& v, const char* cfop, const char* classificacao)
{
    return {{10, cfop},          {14, classificacao}, {18, Valor(v.t)},  {21, Valor(v.bc)},
            {22, Valor(v.icms)}, {23, Valor(v.is)},   {24, Valor(v.ou)}, {25, v.al}};
}

} // namespace

TEST(ValoresItem, SinaisZerosESomas)
{
    struct Caso
    {
        const char* nome;
        Valores v;
        const char* cfop;
        const char* classificacao;
        Linhas esperadas;
    };
    // Group 01 items carry classification "0101"; group 08 "0801" and group 09 "0901" with CFOP "0000".
    const Caso casos[] = {
        {"tributado coerente", {1000, 1000, 0, 0, 180, "1800"}, "5301", "0101", {}},
        {"base negativa com total positivo",
         {1000, -1000, 0, 0, 0},
         "5301",
         "0101",
         {"1;E;I;423;[Total=00000001000; BC=-0000001000; Isentas=00000000000; Outros=00000000000; "
          "ICMS=00000000000];000000123"}},
        {"ICMS positivo com total negativo",
         {-1000, -1000, 0, 0, 180, "1800"},
         "5301",
         "0101",
         {"1;E;I;423;[Total=-0000001000; BC=-0000001000; Isentas=00000000000; Outros=00000000000; "
          "ICMS=00000000180];000000123"}},
        {"total zero nao olha o ICMS",
         {0, 0, 0, 0, 5},
         "5301",
         "0101",
         {"1;E;I;427;[CodClasItem=0101; CFOP=5301; Total=00000000000; BC=00000000000; Isentas=00000000000; "
          "Outros=00000000000; ICMS=00000000005; Aliquota_ICMS=0000];000000123"}},
        {"total zero com isentas",
         {0, 0, 5, 0, 0},
         "5301",
         "0101",
         {"1;E;I;423;[Total=00000000000; BC=00000000000; Isentas=00000000005; Outros=00000000000; "
          "ICMS=00000000000];000000123"}},
        {"0000 grupo 08 so outros", {500, 0, 0, 500, 0}, "0000", "0801", {}},
        {"0000 grupo 08 com base",
         {500, 100, 0, 500, 0},
         "0000",
         "0801",
         {"1;E;I;424;[CodClasItem=0801; CFOP=0000; Total=00000000500; BC=00000000100; Isentas=00000000000; "
          "Outros=00000000500; ICMS=00000000000; Aliquota_ICMS=0000];000000123"}},
        {"0000 grupo 08 com base e total diferente de outros",
         {600, 100, 0, 500, 0},
         "0000",
         "0801",
         {"1;E;I;424;[CodClasItem=0801; CFOP=0000; Total=00000000600; BC=00000000100; Isentas=00000000000; "
          "Outros=00000000500; ICMS=00000000000; Aliquota_ICMS=0000];000000123",
          "1;E;I;252;[CodClasItem=0801; CFOP=0000; Total=00000000600; BC=00000000100; Isentas=00000000000; "
          "Outros=00000000500];000000123"}},
        {"0000 grupo 09 negativo", {-300, 0, 0, -300, 0}, "0000", "0901", {}},
        {"0000 grupo 09 positivo",
         {300, 0, 0, 300, 0},
         "0000",
         "0901",
         {"1;E;I;256;[CodClasItem=0901; Total=00000000300];000000123"}},
        {"grupo 08 negativo",
         {-300, 0, 0, -300, 0},
         "0000",
         "0801",
         {"1;E;I;255;[CodClasItem=0801; Total=-0000000300];000000123"}},
        {"grupo 08 sem 0000 com aliquota",
         {300, 0, 0, 300, 0, "1800"},
         "5301",
         "0801",
         {"1;E;I;235;[CFOP:5301 - Cod.Cla.:0801];000000123",
          "1;E;I;425;[CodClasItem=0801; CFOP=5301; Total=00000000300; BC=00000000000; Isentas=00000000000; "
          "Outros=00000000300; ICMS=00000000000; Aliquota_ICMS=1800];000000123"}},
        // CFOP "0000" speaks first, so the group's own total rule is left for items with another CFOP.
        {"0000 grupo 09 com total diferente de outros",
         {-300, 0, 0, -200, 0},
         "0000",
         "0901",
         {"1;E;I;252;[CodClasItem=0901; CFOP=0000; Total=-0000000300; BC=00000000000; Isentas=00000000000; "
          "Outros=-0000000200];000000123"}},
        {"grupo 09 sem 0000 com total diferente de outros",
         {-300, 0, 0, -200, 0},
         "5301",
         "0901",
         {"1;E;I;235;[CFOP:5301 - Cod.Cla.:0901];000000123",
          "1;E;I;253;[CodClasItem=0901; CFOP=5301; Total=-0000000300; BC=00000000000; Isentas=00000000000; "
          "Outros=-0000000200];000000123"}},
        {"soma que nao fecha",
         {1000, 800, 100, 50, 144, "1800"},
         "5301",
         "0101",
         {"1;E;I;254;[CodClasItem=0101; CFOP=5301; Total=00000001000; BC=00000000800; Isentas=00000000100; "
          "Outros=00000000050];000000123"}},
        {"outros com isentas: a soma fala primeiro",
         {100, 0, 5, 100, 0},
         "5301",
         "0101",
         {"1;E;I;254;[CodClasItem=0101; CFOP=5301; Total=00000000100; BC=00000000000; Isentas=00000000005; "
          "Outros=00000000100];000000123"}},
        {"outros com base",
         {1000, 500, 0, 500, 90, "1800"},
         "5301",
         "0101",
         {"1;E;I;426;[CodClasItem=0101; CFOP=5301; Total=00000001000; BC=00000000500; Isentas=00000000000; "
          "Outros=00000000500; ICMS=00000000090; Aliquota_ICMS=1800];000000123"}},
        {"ICMS sem aliquota",
         {1000, 1000, 0, 0, 180, "0000"},
         "5301",
         "0101",
         {"1;E;I;427;[CodClasItem=0101; CFOP=5301; Total=00000001000; BC=00000001000; Isentas=00000000000; "
          "Outros=00000000000; ICMS=00000000180; Aliquota_ICMS=0000];000000123"}},
    };
    for (const Caso& caso : casos) {
        CenarioItem c("1703");
        EXPECT_EQ(c.Valida(c.Item(CamposDe(caso.v, caso.cfop, caso.classificacao))), caso.esperadas) << caso.nome;
    }
}

TEST(ValoresItem, ItensForaDasRegras)
{
    // Cancelled, or with a value that is not a plain signed integer: no rule and no summary.
    struct Caso
    {
        const char* nome;
        const char* referencia;
        CenarioItem::Campos campos;
        Linhas esperadas;
    };
    // Each item would break the sign rule (negative ICMS on a positive total) and enter the negative-ICMS
    // summaries if the rules ran.
    const Caso casos[] = {
        {"cancelado S", "1703", {{26, "S"}, {22, Valor(-1)}}, {"1;E;I;228;[S];000000123"}},
        {"cancelado s", "1703", {{26, "s"}, {22, Valor(-1)}}, {"1;E;I;228;[s];000000123"}},
        {"mais no valor", "1703", {{24, "+0000000001"}, {22, Valor(-1)}}, {"1;E;I;224;[+0000000001];000000123"}},
        {"antes de 1701", "1606", {{22, Valor(-1)}}, {}},
    };
    for (const Caso& caso : casos) {
        CenarioItem c(caso.referencia);
        EXPECT_EQ(c.Valida(c.Item(caso.campos)), caso.esperadas) << caso.nome;
        EXPECT_EQ(c.ctx.Item.ResumoIcmsNegativo.Quantidade, 0) << caso.nome;
        EXPECT_EQ(c.ctx.Item.ResumoIcmsNegativoEmDocumentoSemIcmsNegativo.Quantidade, 0) << caso.nome;
    }
}

TEST(ValoresItem, ResumosDoArquivoDeControle)
{
    // Mestre ICMS positive: a negative-ICMS item goes to both negative summaries.
    CenarioItem c("1703");
    c.Valida(c.Item({{18, Valor(-1000)}, {21, Valor(-1000)}, {22, Valor(-180)}}));
    c.Valida(c.Item({{11, "002"},
                     {10, "0000"},
                     {14, "0801"},
                     {18, Valor(300)},
                     {21, Valor(0)},
                     {22, Valor(0)},
                     {24, Valor(300)},
                     {25, "0000"}}));
    const EstadoItem& e = c.ctx.Item;
    EXPECT_EQ(e.ResumoIcmsNegativo.Quantidade, 1);
    EXPECT_EQ(e.ResumoIcmsNegativo.ValorTotal, -1000);
    EXPECT_EQ(e.ResumoIcmsNegativo.BaseIcms, -1000);
    EXPECT_EQ(e.ResumoIcmsNegativo.ValorIcms, -180);
    EXPECT_EQ(e.ResumoIcmsNegativoEmDocumentoSemIcmsNegativo.Quantidade, 1);
    EXPECT_EQ(e.ResumoIcmsNegativoEmDocumentoSemIcmsNegativo.ValorIcms, -180);
    EXPECT_EQ(e.ResumoCfop0000.Quantidade, 1);
    EXPECT_EQ(e.ResumoCfop0000.ValorTotal, 300);
    EXPECT_EQ(e.ResumoCfop0000.Outros, 300);

    // Mestre ICMS negative: only the summary of all negative-ICMS items.
    CenarioItem d("1703");
    d.Mestre({{16, Valor(-180, 12)}});
    d.Valida(d.Item({{18, Valor(-1000)}, {21, Valor(-1000)}, {22, Valor(-180)}}));
    EXPECT_EQ(d.ctx.Item.ResumoIcmsNegativo.Quantidade, 1);
    EXPECT_EQ(d.ctx.Item.ResumoIcmsNegativoEmDocumentoSemIcmsNegativo.Quantidade, 0);
}

} // namespace tessarin
