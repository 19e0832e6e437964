#include "CenarioItem.h"
#include "Dourado.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tessarin::teste {

namespace {

// A volume whose documents hold different numbers of items, addressed as (document, item of the document)
// instead of by the item's index in the Item file.
class VolumeItens
{
public:
    VolumeItens(ParametrosVolume p, std::vector<int> itensPorDocumento)
        : itens_(std::move(itensPorDocumento)), gerador_([&] {
              p.Documentos = static_cast<std::int64_t>(itens_.size());
              return p;
          }())
    {
        for (std::size_t d = 0; d < itens_.size(); ++d) {
            gerador_.DefineItensDocumento(static_cast<std::int64_t>(d), itens_[d]);
        }
    }

    GeradorVolume& Gerador() { return gerador_; }

    std::int64_t Indice(int documento, int item) const
    {
        std::int64_t indice = item;
        for (int d = 0; d < documento; ++d) {
            indice += itens_[static_cast<std::size_t>(d)];
        }
        return indice;
    }

    void Campo(int documento, int item, int campo, const std::string& texto)
    {
        ASSERT_TRUE(gerador_.DefineCampo(ArquivoVolume::Item, Indice(documento, item), campo, texto))
            << "document " << documento << " item " << item << " field " << campo;
    }

    // The money fields of an item with its classification and CFOP; Desconto and Acréscimos stay zero.
    struct Valores
    {
        const char* classificacao;
        const char* cfop;
        std::int64_t total, base, icms, isentas, outros;
        const char* aliquota;
    };
    void Item(int documento, int item, const Valores& v)
    {
        Campo(documento, item, 14, v.classificacao);
        Campo(documento, item, 10, v.cfop);
        Campo(documento, item, 18, Valor(v.total));
        Campo(documento, item, 21, Valor(v.base));
        Campo(documento, item, 22, Valor(v.icms));
        Campo(documento, item, 23, Valor(v.isentas));
        Campo(documento, item, 24, Valor(v.outros));
        Campo(documento, item, 25, v.aliquota);
    }

private:
    std::vector<int> itens_;
    GeradorVolume gerador_;
};

} // namespace

// Clean volumes whose documents mix items of group 08 and 09 (CFOP "0000") with taxed items, so that the
// classification tables, the CFOP rules and the value and sign rules all see items they must accept.
TEST(DouradoItem, VolumesLimposComItensDeVariosGrupos)
{
    struct Caso
    {
        const char* nome;
        const char* referencia;
        const char* uf;
        const char* modelo;
    };
    for (const Caso& c :
         {Caso{"item-limpo-v01-06", "1103", "RJ", "06"}, Caso{"item-limpo-v02-22", "1510", "SP", "22"},
          Caso{"item-limpo-v03-21", "1701", "MG", "21"}, Caso{"item-limpo-v03-06", "1702", "SP", "06"}}) {
        SCOPED_TRACE(c.nome);
        const bool energia = std::string(c.modelo) == "06";
        const bool v03 = std::string(c.referencia) >= "1701";
        ParametrosVolume p = ParametrosDe(c.referencia, c.uf, c.modelo);
        VolumeItens volume(p, {1, 3, 4, 2});
        // A taxed classification and CFOP of the document's kind: energy supply, or communication service
        // of type of use 1 (the type the generated documents carry).
        const char* tributada = energia ? "0601" : "0101";
        const char* cfop = energia ? "5258" : "5307";
        const char* grupo09 = energia && v03 ? "0903" : "0901";
        // Document 1: group 08, group 09 (a credit: negative, all "outros"), a taxed item.
        volume.Item(1, 1, {grupo09, "0000", -300, 0, 0, 0, -300, "0000"});
        volume.Item(1, 2, {tributada, cfop, 2000, 2000, 500, 0, 0, "2500"});
        // Document 2: a taxed item with an exempt part, and a taxed refund (negative ICMS in a document
        // whose ICMS is positive).
        volume.Item(2, 1, {"0999", "0000", -150, 0, 0, 0, -150, "0000"});
        volume.Item(2, 2, {tributada, cfop, 1500, 1000, 180, 500, 0, "1800"});
        volume.Item(2, 3, {tributada, cfop, -100, -100, -18, 0, 0, "1800"});
        // Document 0: a single taxed refund, so the document's own ICMS is negative.
        volume.Item(0, 0, {tributada, cfop, -200, -200, -36, 0, 0, "1800"});
        // Document 3: cancelled, items and all.
        ASSERT_TRUE(volume.Gerador().DefineCampo(ArquivoVolume::Mestre, 3, 19, "S"));
        volume.Campo(3, 0, 26, "S");
        volume.Campo(3, 1, 26, "S");
        const auto pasta = GravaVolume(c.nome, volume.Gerador());
        ExecucaoDourada execucao(pasta, volume.Gerador().Nomes().Mestre, true);
        EXPECT_EQ(execucao.Resultado.Fim, FimValidacao::Concluida);
        EXPECT_EQ(execucao.Ctx.QuantidadeErros, 0);
        EXPECT_EQ(execucao.Ctx.QuantidadeAdvertencias, 0);
        EXPECT_EQ(execucao.Portas.Botao_(Botao::Gerar), true);
        EXPECT_EQ(execucao.Portas.Celula_(Celula::HashRegistroItem), "                    Ok");
        execucao.Confere(c.nome);

        // What the control file will carry about items. The default items are worth 1000 + 250 * (item of
        // the document) + document, all "outros"; the cancelled document's items count nowhere but in
        // the cancelled count, and the summaries exist from 1701 only.
        const EstadoItem& item = execucao.Ctx.Item;
        EXPECT_EQ(item.ItensCancelados, 2);
        const ResumoValoresItem& cfop0000 = item.ResumoCfop0000;
        const ResumoValoresItem& negativoEmPositivo = item.ResumoIcmsNegativoEmDocumentoSemIcmsNegativo;
        const ResumoValoresItem& negativo = item.ResumoIcmsNegativo;
        EXPECT_EQ(cfop0000.Quantidade, v03 ? 4 : 0);
        EXPECT_EQ(cfop0000.ValorTotal, v03 ? 1001 - 300 + 1002 - 150 : 0);
        EXPECT_EQ(cfop0000.Outros, v03 ? 1001 - 300 + 1002 - 150 : 0);
        EXPECT_EQ(cfop0000.BaseIcms + cfop0000.ValorIcms + cfop0000.Isentas, 0);
        // Document 2's ICMS is 180 - 18: its refund is in both negative summaries; document 0's only in one.
        EXPECT_EQ(negativoEmPositivo.Quantidade, v03 ? 1 : 0);
        EXPECT_EQ(negativoEmPositivo.ValorTotal, v03 ? -100 : 0);
        EXPECT_EQ(negativoEmPositivo.BaseIcms, v03 ? -100 : 0);
        EXPECT_EQ(negativoEmPositivo.ValorIcms, v03 ? -18 : 0);
        EXPECT_EQ(negativo.Quantidade, v03 ? 2 : 0);
        EXPECT_EQ(negativo.ValorTotal, v03 ? -300 : 0);
        EXPECT_EQ(negativo.BaseIcms, v03 ? -300 : 0);
        EXPECT_EQ(negativo.ValorIcms, v03 ? -54 : 0);
        EXPECT_EQ(negativo.Isentas + negativo.Outros, 0);
    }
}

// One volume of the newest generation whose items carry faults of nearly every step of the item checks, each
// item one or two, in documents of different sizes. Run with the log and without it.
TEST(DouradoItem, VolumeComFalhasDeItem)
{
    ParametrosVolume p = ParametrosDe("1701", "MG", "21");
    VolumeItens v(p, {4, 5, 4, 5, 4, 3, 4, 5, 3});
    // Agreement with the Mestre record.
    v.Campo(0, 0, 1, "99999999999999"); // 201
    v.Campo(0, 0, 2, "RJ");             // 202
    v.Campo(0, 1, 3, "9");              // 203
    v.Campo(0, 1, 4, "7");              // 261
    v.Campo(0, 2, 5, "01");             // 205
    v.Campo(0, 2, 6, "20170102");       // 206
    v.Campo(0, 3, 7, "22");             // 207
    v.Campo(0, 3, 8, "002");            // 208
    // CFOP and item numbers.
    v.Campo(1, 0, 10, "51 2"); // 210, and 235 (group 08 without CFOP "0000")
    v.Campo(1, 1, 11, "000");  // 212, 213
    v.Campo(1, 2, 11, "0A3");  // 211
    v.Campo(1, 3, 11, "005");  // 213
    v.Campo(1, 4, 11, "991");  // 212, 213
    // Texts and classification.
    v.Campo(2, 0, 12, " X");   // 251
    v.Campo(2, 0, 13, "");     // 214
    v.Campo(2, 0, 15, " UN");  // 262
    v.Campo(2, 1, 14, "05A1"); // 215, 235
    v.Campo(2, 2, 14, "0601"); // 259, 235
    v.Campo(2, 3, 10, "1102"); // 235, 236
    v.Item(3, 0, {"0305", "5307", 1000, 0, 0, 0, 1000, "0000"});
    v.Campo(3, 0, 4, "2"); // 260
    // Quantities and values.
    v.Campo(3, 1, 16, "ABC");         // 216
    v.Campo(3, 1, 17, "X");           // 217
    v.Campo(3, 2, 18, "+0000001000"); // 218
    v.Campo(3, 3, 19, Valor(1));      // 249
    v.Campo(3, 3, 20, Valor(1));      // 250
    v.Campo(3, 4, 25, "0099");        // 226, 424
    v.Campo(4, 0, 21, "0000000000A"); // 221
    v.Campo(4, 0, 23, "00000000 1");  // 223
    v.Campo(4, 1, 22, "ABC");         // 222
    v.Campo(4, 1, 24, "X");           // 224
    v.Campo(4, 2, 25, "+100");        // 225
    v.Campo(4, 2, 19, "ABC");         // 219, and 249: not numeric is not zeros either
    v.Campo(4, 2, 20, "X");           // 220, 250
    // Situation and period.
    v.Campo(4, 3, 26, "s");    // 228, and a cancelled item
    v.Campo(5, 0, 27, "1702"); // 229
    v.Campo(5, 1, 27, "1601"); // 230
    // Record integrity.
    v.Campo(5, 2, 38, "0123456789ABCDEF0123456789ABCDEF");                     // 231
    v.Gerador().CorrompeBytes(ArquivoVolume::Item, v.Indice(6, 0), 332, "  "); // 232
    v.Campo(6, 1, 13, "SERVICO\r\nDE EXEMPLO");                                // 421 twice
    // Fields of the newest generation.
    v.Campo(6, 2, 28, " 123");         // 238
    v.Campo(6, 2, 29, "+00000001000"); // 239
    v.Campo(6, 2, 30, Valor(5));       // 240
    v.Campo(6, 2, 31, "0000A0");       // 241
    v.Campo(6, 3, 32, "+0000000001");  // 242
    v.Campo(6, 3, 33, "ABCDEF");       // 243
    v.Campo(6, 3, 34, "+0000000001");  // 244
    v.Campo(6, 3, 35, "X");            // 245
    v.Campo(6, 3, 36, "08");           // 246
    // Value and sign rules.
    v.Item(7, 0, {"0101", "5307", 1000, -1000, 0, 0, 0, "0000"}); // 423
    v.Item(7, 1, {"0801", "0000", 600, 100, 0, 0, 500, "0000"});  // 424, 252
    // Group 09 without CFOP "0000": 235 from the CFOP rule, then 425 and 253 (with CFOP "0000" the
    // CFOP "0000" step would report first and stop the group step).
    v.Item(7, 2, {"0901", "5307", -300, 0, 0, -100, -200, "0000"}); // 235, 425, 253
    v.Item(7, 3, {"0101", "5307", 1000, 800, 0, 100, 50, "0000"});  // 254
    v.Item(7, 4, {"0101", "5307", 1000, 1000, 180, 0, 0, "0000"});  // 427
    v.Item(8, 0, {"0901", "0000", 300, 0, 0, 0, 300, "0000"});      // 256
    v.Item(8, 1, {"0801", "0000", -300, 0, 0, 0, -300, "0000"});    // 255
    v.Item(8, 2, {"0101", "5307", 100, 0, 0, 0, 100, "1800"});      // 426
    const auto pasta = GravaVolume("item-misto-v03", v.Gerador());

    for (const bool comLog : {true, false}) {
        SCOPED_TRACE(comLog ? "with log" : "without log");
        ExecucaoDourada execucao(pasta, v.Gerador().Nomes().Mestre, comLog);
        execucao.Confere(comLog ? "item-misto-v03" : "item-misto-v03-semlog");
        EXPECT_EQ(execucao.Resultado.Fim, FimValidacao::Concluida);
        EXPECT_EQ(execucao.Portas.Botao_(Botao::Gerar), false);
        EXPECT_EQ(execucao.Ctx.QuantidadeErros, 69);
        EXPECT_EQ(execucao.Ctx.QuantidadeAdvertencias, 0);
        EXPECT_EQ(execucao.Ctx.Item.ItensCancelados, 1);
        EXPECT_EQ(execucao.Ctx.DivergenciasRegistroItem, 1);
        EXPECT_EQ(ParaUtf8(execucao.Portas.Celula_(Celula::HashRegistroItem)), "      Erro - 1 divergência(s)");
        EXPECT_EQ(execucao.Portas.Cor_(Celula::HashRegistroItem), Cor::Vermelho);
        // A run with errors shows no "Ok" in the digest cells, whatever their counts.
        EXPECT_EQ(execucao.Portas.Celula_(Celula::HashRegistroMestre), "");
    }
}

// Before 1701 the CFOP "0000" mismatch outside SP is a warning, the situation is compared without case,
// a plus sign is a number, and the value and sign rules do not exist.
TEST(DouradoItem, VolumeComFalhasDeItemAntesDe1701)
{
    ParametrosVolume p = ParametrosDe("1510", "RJ", "22");
    VolumeItens v(p, {3, 4});
    v.Campo(0, 0, 10, "5307");                                    // 233: group 08 without CFOP "0000"
    v.Item(0, 1, {"0101", "0000", 1000, 0, 0, 0, 1000, "0000"});  // 233: CFOP "0000" outside 08 and 09
    v.Item(0, 2, {"1201", "5307", 1000, 0, 0, 0, 1000, "0000"});  // 215: only SP knew 1201
    v.Campo(1, 0, 26, "n");                                       // no 228
    v.Campo(1, 1, 25, "-100");                                    // 226
    v.Campo(1, 2, 18, "+0000001000");                             // a number here
    v.Item(1, 3, {"0101", "5307", 1000, -1000, 0, 0, 0, "0000"}); // no 423
    const auto pasta = GravaVolume("item-misto-v02", v.Gerador());
    ExecucaoDourada execucao(pasta, v.Gerador().Nomes().Mestre, true);
    execucao.Confere("item-misto-v02");
    EXPECT_EQ(execucao.Resultado.Fim, FimValidacao::Concluida);
    EXPECT_EQ(execucao.Ctx.QuantidadeAdvertencias, 2);
    EXPECT_EQ(execucao.Ctx.Item.ItensCancelados, 0);
    EXPECT_EQ(execucao.Ctx.QuantidadeErros, 2);
    EXPECT_EQ(execucao.Ctx.DivergenciasRegistroItem, 0);
}

} // namespace tessarin::teste
