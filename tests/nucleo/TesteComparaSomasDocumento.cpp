#include "CenarioMestre.h"

#include "checagens/ComparaSomasDocumento.h"

#include <gtest/gtest.h>

namespace tessarin::teste {
namespace {

// An Item record of the scenario's generation whose only meaningful character is its situation.
std::string ItemComSituacao(const CenarioMestre& c, char situacao)
{
    const LayoutRegistro layout = LayoutItem(c.Ctx.Geracao);
    std::string item(static_cast<std::size_t>(layout.Tamanho), ' ');
    item[static_cast<std::size_t>(layout.Campo(26)->Inicio - 1)] = situacao;
    return item;
}

// Sums that balance the scenario's default document: total 100.00, BC 100.00, ICMS 18.00.
void SomasEquilibradas(SomasItensDocumento& s)
{
    s.ValorTotal = 10000;
    s.BaseIcms = 10000;
    s.ValorIcms = 1800;
    s.TiposUtilizacao = "1";
    s.TipoUtilizacaoEncontrado = true;
}

TEST(ComparaSomasDocumento, ValorTotalComDescontoEAcrescimo)
{
    for (const auto& [total, log] : std::vector<std::pair<std::string, std::vector<std::string>>>{
             {"000000014500", {}}, {"000000014501", {"1;E;MxI;402;S/VALOR;000000001"}}}) {
        SCOPED_TRACE(total);
        CenarioMestre c("1701");
        c.Valida({{14, total}});
        SomasItensDocumento& s = c.Ctx.Mestre.SomasItens;
        SomasEquilibradas(s);
        s.ValorTotal = 10000 + 5000;
        s.Descontos = 1000;
        s.Acrescimos = 500;
        ComparaSomasDocumento(c.Ctx, ItemComSituacao(c, 'N'));
        EXPECT_EQ(c.Log(), log);
    }
}

TEST(ComparaSomasDocumento, CadaDivergenciaEscritaDiretamente)
{
    CenarioMestre c("1612");
    c.Ctx.IndiceMestre = 1233;
    c.Ctx.ValorPrimeiraNF = 1234;
    c.Valida({{12, "000001234"}});
    c.Ctx.Mestre.SomasItens.TipoUtilizacaoEncontrado = true;
    ComparaSomasDocumento(c.Ctx, ItemComSituacao(c, 'N')); // every sum zero against the document's values
    EXPECT_EQ(c.Lista(), (std::vector<std::string>{
                             "Erro: 402 - divergência na soma de valores totais do item",
                             "         Arquivo: Mestre, Registro nº: 00.001.234",
                             " ",
                             "Erro: 403 - divergência na soma de valores BC do item",
                             "         Arquivo: Mestre, Registro nº: 00.001.234",
                             " ",
                             "Erro: 404 - divergência na soma de valores de ICMS do item",
                             "         Arquivo: Mestre, Registro nº: 00.001.234",
                             " ",
                         }));
    EXPECT_EQ(c.Log(), (std::vector<std::string>{"1234;E;MxI;402;S/VALOR;000001234", "1234;E;MxI;403;S/VALOR;000001234",
                                                 "1234;E;MxI;404;S/VALOR;000001234"}));
    EXPECT_EQ(c.Ctx.QuantidadeErros, 3);
    EXPECT_EQ(c.Ctx.ContagemPorCodigo[static_cast<std::size_t>(c.Ctx.Catalogo.Indice(403))], 1);

    CenarioMestre outros("1612");
    outros.Valida({{17, "000000000001"}, {18, "-00000000001"}});
    SomasEquilibradas(outros.Ctx.Mestre.SomasItens);
    ComparaSomasDocumento(outros.Ctx, ItemComSituacao(outros, 'N'));
    EXPECT_EQ(outros.Log(),
              (std::vector<std::string>{"1;E;MxI;405;S/VALOR;000000001", "1;E;MxI;406;S/VALOR;000000001"}));
}

TEST(ComparaSomasDocumento, MilesimoErroFechaALista)
{
    CenarioMestre c("1701");
    c.Valida({{14, "000000000001"}, {15, "000000000001"}});
    c.Portas.Lista.clear();
    c.Ctx.QuantidadeErros = 999;
    SomasEquilibradas(c.Ctx.Mestre.SomasItens);
    ComparaSomasDocumento(c.Ctx, ItemComSituacao(c, 'N'));
    const std::string hifens(85, '-');
    EXPECT_EQ(c.Lista(), (std::vector<std::string>{
                             "Erro: 402 - divergência na soma de valores totais do item",
                             "         Arquivo: Mestre, Registro nº: 00.000.001",
                             " ",
                             hifens,
                             " Limite de 1000 erros/advertências alcançado, as ocorrências não serão mais exibidas.",
                             hifens,
                         }));
    EXPECT_FALSE(c.Ctx.ExibirNaTela);
    EXPECT_EQ(c.Ctx.QuantidadeErros, 1001); // the 403 after it is counted and logged, not listed
    EXPECT_EQ(c.Log(), (std::vector<std::string>{"1;E;MxI;402;S/VALOR;000000001", "1;E;MxI;403;S/VALOR;000000001"}));
}

TEST(ComparaSomasDocumento, TotaisDoItemPelaSituacaoDoUltimoItem)
{
    CenarioMestre c("1701");
    c.Valida({{19, "S"}});
    SomasItensDocumento& s = c.Ctx.Mestre.SomasItens;
    SomasEquilibradas(s);
    ComparaSomasDocumento(c.Ctx, ItemComSituacao(c, 's'));
    EXPECT_EQ(c.Ctx.TotaisItem, (std::array<double, 7>{}));
    EXPECT_EQ(c.Log(), std::vector<std::string>{}); // the comparisons ran, and balanced

    s.Reinicia();
    s.ValorTotal = 1;
    s.BaseIcms = 2;
    s.ValorIcms = 3;
    s.Isentas = 4;
    s.Outros = 5;
    s.Descontos = 6;
    s.Acrescimos = 7;
    s.TipoUtilizacaoEncontrado = true;
    ComparaSomasDocumento(c.Ctx, ItemComSituacao(c, 'N'));
    ComparaSomasDocumento(c.Ctx, {}); // no item read: its sums add, whatever they are
    EXPECT_EQ(c.Ctx.TotaisItem, (std::array<double, 7>{2, 4, 6, 8, 10, 12, 14}));
}

TEST(ComparaSomasDocumento, TipoDeUtilizacaoETerminalExigido)
{
    struct Caso
    {
        const char* Nome;
        std::string Referencia, Modelo;
        Trocas Campos;
        std::string Tipos;
        bool Encontrado, ExigeTerminal;
        std::vector<std::string> Log;
    };
    const std::vector<Caso> casos = {
        {"modelo 22 sem o tipo do Mestre",
         "1701",
         "22",
         {},
         "2-3",
         false,
         false,
         {"1;E;M;189;[Mestre=1; Itens=2-3];000000001"}},
        {"sem itens", "1612", "21", {}, "", false, false, {"1;E;M;189;[Mestre=1; Itens=];000000001"}},
        {"energia não é conferida aqui", "1701", "06", {}, "2", false, false, {}},
        {"terminal exigido e em branco",
         "1701",
         "21",
         {{22, ""}},
         "1",
         true,
         true,
         {"1;E;M;195;[            ];000000001"}},
        {"terminal exigido e informado", "1701", "21", {}, "1", true, true, {}},
        {"antes de 1701 não se exige", "1612", "21", {{22, ""}}, "1", true, true, {}},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.Nome);
        CenarioMestre c(k.Referencia, "RJ", k.Modelo);
        c.Valida(k.Campos);
        SomasItensDocumento& s = c.Ctx.Mestre.SomasItens;
        SomasEquilibradas(s);
        s.TiposUtilizacao = k.Tipos;
        s.TipoUtilizacaoEncontrado = k.Encontrado;
        s.ExigeTerminal = k.ExigeTerminal;
        ComparaSomasDocumento(c.Ctx, ItemComSituacao(c, 'N'));
        EXPECT_EQ(c.Log(), k.Log);
    }
}

TEST(ComparaSomasDocumento, TiposDeUtilizacaoSeJuntamComHifen)
{
    SomasItensDocumento s;
    for (const char tipo : {'2', '3', '3'}) {
        s.AcrescentaTipoUtilizacao(tipo);
    }
    EXPECT_EQ(s.TiposUtilizacao, "2-3-3");
    s.Reinicia();
    EXPECT_EQ(s.TiposUtilizacao, "");
}

} // namespace
} // namespace tessarin::teste
