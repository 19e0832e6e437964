#include "Dourado.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// Whole runs over volumes whose Mestre records carry faults of every kind the record checks look for: the
// list, the log and the message boxes are compared with golden files, and the key facts (counts per code,
// summary cells and their colours) are asserted beside them.

namespace tessarin::teste {

namespace {

using Contagens = std::map<int, int>;

// The codes counted in the run, with how often each was found.
Contagens ContagensDaExecucao(const ContextoValidacao& ctx)
{
    Contagens r;
    for (int i = 0; i < ctx.Catalogo.Quantidade(); ++i) {
        const int n = ctx.ContagemPorCodigo[static_cast<std::size_t>(i)];
        if (n > 0) {
            r[std::stoi(std::string(ctx.Catalogo[i].Codigo()))] = n;
        }
    }
    return r;
}

// A field override that must be accepted by the builder (a refused one would make the case meaningless).
struct Campo
{
    ArquivoVolume Arquivo;
    std::int64_t Indice;
    int Numero;
    std::string Texto;
};

void Aplica(GeradorVolume& gerador, const std::vector<Campo>& campos)
{
    for (const Campo& c : campos) {
        ASSERT_TRUE(gerador.DefineCampo(c.Arquivo, c.Indice, c.Numero, ParaWin1252(c.Texto)))
            << "field " << c.Numero << " of record " << c.Indice;
    }
}

std::string DivergenciasNaCelula(int n)
{
    return "      Erro - " + std::to_string(n) + ParaWin1252(" divergência(s)");
}

// The same volume validated with the log (reporter occurrences only in the log) and without it (all on the
// list); both outputs are golden and both runs must count the same occurrences.
void ConfereComESemLog(const std::string& caso, const GeradorVolume& gerador, const Contagens& esperadas)
{
    const auto pasta = GravaVolume(caso, gerador);
    ExecucaoDourada semLog(pasta, gerador.Nomes().Mestre, false);
    ExecucaoDourada comLog(pasta, gerador.Nomes().Mestre, true);
    for (const ExecucaoDourada* e : {&semLog, &comLog}) {
        EXPECT_EQ(e->Resultado.Fim, FimValidacao::Concluida) << caso;
        EXPECT_EQ(ContagensDaExecucao(e->Ctx), esperadas) << caso;
        EXPECT_EQ(e->Portas.Botao_(Botao::Gerar), false) << caso;
    }
    EXPECT_FALSE(comLog.Log.empty());
    semLog.Confere(caso);
    comLog.Confere(caso + "-log");
}

} // namespace

// Clean volumes of the generations and models the older golden runs leave out: nothing listed, the control
// file offered, and the Mestre totals shown equal to the item totals in money format.
TEST(DouradoMestre, VolumesLimposComTotais)
{
    struct Caso
    {
        const char* nome;
        const char* referencia;
        const char* uf;
        const char* modelo;
    };
    // 40 documents of three items (10.00 + 12.50 + 15.00, each plus the document index in centavos):
    // 40 x 37.50 + 3 x (0 + 1 + ... + 39) centavos = 1,523.40, all of it "outros".
    const std::string total = std::string(11, ' ') + "1.523,40 ";
    const std::string zero = std::string(15, ' ') + "0,00 ";
    const std::string ok = std::string(20, ' ') + "Ok";
    for (const Caso& c :
         {Caso{"mestre-limpo-v01-22", "1103", "RJ", "22"}, Caso{"mestre-limpo-v02-06", "1510", "SP", "06"},
          Caso{"mestre-limpo-v03-22", "1702", "SP", "22"}}) {
        ParametrosVolume p = ParametrosDe(c.referencia, c.uf, c.modelo, 40, 3);
        GeradorVolume gerador(p);
        const auto pasta = GravaVolume(c.nome, gerador);
        ExecucaoDourada e(pasta, gerador.Nomes().Mestre, true);
        EXPECT_EQ(e.Resultado.Fim, FimValidacao::Concluida) << c.nome;
        EXPECT_TRUE(ContagensDaExecucao(e.Ctx).empty()) << c.nome;
        EXPECT_EQ(e.Portas.Botao_(Botao::Gerar), true) << c.nome;
        ASSERT_EQ(e.Portas.Mensagens.size(), 1u) << c.nome;
        EXPECT_EQ(e.Portas.Mensagens[0].Tipo, TipoMensagem::Informacao) << c.nome;

        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(e.Ctx.TotaisMestre[i], e.Ctx.TotaisItem[i]) << c.nome << " total " << i;
        }
        const std::map<Celula, std::string> celulas = {
            {Celula::MestreVT, total},
            {Celula::MestreBC, zero},
            {Celula::MestreICMS, zero},
            {Celula::MestreIsentas, zero},
            {Celula::MestreOutros, total},
            {Celula::ItemV, total},
            {Celula::ItemD, zero},
            {Celula::ItemA, zero},
            {Celula::ItemBC, zero},
            {Celula::ItemICMS, zero},
            {Celula::ItemIsentas, zero},
            {Celula::ItemOutros, total},
            {Celula::HashRegistroMestre, ok},
            {Celula::HashRubricaMestre, ok},
        };
        for (const auto& [celula, texto] : celulas) {
            EXPECT_EQ(e.Portas.Celula_(celula), texto) << c.nome << " cell " << static_cast<int>(celula);
            EXPECT_EQ(e.Portas.Cor_(celula), Cor::Branco) << c.nome << " cell " << static_cast<int>(celula);
        }
        e.Confere(c.nome);
    }
}

// Record code divergences (136) and the item walk's 137 share one count; document codes (122) have their own.
TEST(DouradoMestre, DivergenciasDeCodigos)
{
    ParametrosVolume p = ParametrosDe("1510", "SP", "22", 6, 2);
    GeradorVolume gerador(p);
    Aplica(gerador, {
                        {ArquivoVolume::Mestre, 1, 21, "000000099"}, // beyond the 12 items: 137
                        {ArquivoVolume::Mestre, 4, 13, "0123456789ABCDEF0123456789ABCDEF"},
                    });
    // Record 3's own code (positions 227-258 in this generation) no longer matches its characters.
    gerador.CorrompeBytes(ArquivoVolume::Mestre, 3, 227, "00000000");

    // Record 1 reads no item: its sums stay zero (402, 406) and its two items are orphans met by record 2.
    // Having no item, it also lacks its type of use among the items (189, with an empty list).
    const Contagens esperadas = {{122, 1}, {136, 1}, {137, 1}, {189, 1}, {234, 2}, {402, 1}, {406, 1}};
    ConfereComESemLog("mestre-codigos", gerador, esperadas);

    const auto pasta = GravaVolume("mestre-codigos-celulas", gerador);
    ExecucaoDourada e(pasta, gerador.Nomes().Mestre, false);
    EXPECT_EQ(e.Ctx.DivergenciasRegistroMestre, 2);
    EXPECT_EQ(e.Portas.Celula_(Celula::HashRegistroMestre), DivergenciasNaCelula(2));
    EXPECT_EQ(e.Portas.Cor_(Celula::HashRegistroMestre), Cor::Vermelho);
    EXPECT_EQ(e.Portas.Celula_(Celula::HashRubricaMestre), DivergenciasNaCelula(1));
    EXPECT_EQ(e.Portas.Cor_(Celula::HashRubricaMestre), Cor::Vermelho);
    // A run with errors never shows the totals nor the "Ok" of the other digest cells.
    EXPECT_EQ(e.Portas.Celula_(Celula::MestreVT), "");
    EXPECT_EQ(e.Portas.Celula_(Celula::HashRegistroItem), "");
}

// The walk's 137 counts as a record code divergence but does not rewrite the cell: alone it leaves the cell
// as the run cleared it; on the same record as a 136 the cell keeps the count the 136 showed.
TEST(DouradoMestre, Divergencia137SoApareceComO136Seguinte)
{
    struct Caso
    {
        const char* nome;
        bool corrompeCodigo;
        std::string celula;
        Cor cor;
    };
    for (const Caso& c :
         {Caso{"so-137", false, "", Cor::Branco}, Caso{"136-e-137", true, DivergenciasNaCelula(1), Cor::Vermelho}}) {
        ParametrosVolume p = ParametrosDe("1510", "SP", "22", 3);
        GeradorVolume gerador(p);
        ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Mestre, 2, 21, "000000099"));
        if (c.corrompeCodigo) {
            gerador.CorrompeBytes(ArquivoVolume::Mestre, 2, 227, "00000000");
        }
        const auto pasta = GravaVolume(std::string("mestre-") + c.nome, gerador);
        ExecucaoDourada e(pasta, gerador.Nomes().Mestre, false);
        EXPECT_EQ(e.Ctx.DivergenciasRegistroMestre, c.corrompeCodigo ? 2 : 1) << c.nome;
        EXPECT_EQ(e.Portas.Celula_(Celula::HashRegistroMestre), c.celula) << c.nome;
        EXPECT_EQ(e.Portas.Cor_(Celula::HashRegistroMestre), c.cor) << c.nome;
    }
}

// The document against its items: one divergence of each value (402-406), the type of use missing from the
// items (189) and a terminal that the items' classification requires (195).
TEST(DouradoMestre, SomasDoDocumento)
{
    ParametrosVolume p = ParametrosDe("1702", "SP", "22", 5, 2);
    GeradorVolume gerador(p);
    // Document 0's items add up to 10.00 + 12.50 = 22.50.
    Aplica(gerador, {
                        {ArquivoVolume::Mestre, 0, 14, "000000002251"},
                        {ArquivoVolume::Mestre, 1, 15, "000000000100"},
                        {ArquivoVolume::Mestre, 1, 16, "000000000018"},
                        {ArquivoVolume::Mestre, 2, 17, "000000000005"},
                        {ArquivoVolume::Mestre, 2, 18, "000000000000"},
                        {ArquivoVolume::Mestre, 3, 6, "2"},
                        {ArquivoVolume::Item, 8, 14, "0101"},
                        {ArquivoVolume::Mestre, 4, 22, ""},
                    });
    // Field 26 stays blank, so the 195 is the document-level one. Beside it, the item's classification 0101
    // refuses CFOP 0000 (235) and the Destinatário's terminal no longer matches the blank Mestre one (321).
    const Contagens esperadas = {{402, 1}, {403, 1}, {404, 1}, {405, 1}, {406, 1},
                                 {189, 1}, {195, 1}, {235, 1}, {321, 1}};
    ConfereComESemLog("mestre-somas", gerador, esperadas);
}

// Generation v_03: one or two faults of different steps in each document.
TEST(DouradoMestre, FalhasMisturadasV03)
{
    ParametrosVolume p = ParametrosDe("1702", "SP", "22", 16, 1);
    GeradorVolume gerador(p);
    const auto m = ArquivoVolume::Mestre;
    // Where an item or Destinatário field must repeat the Mestre's, it follows the Mestre, so that mostly the
    // Mestre checks speak.
    const auto i = ArquivoVolume::Item;
    const auto d = ArquivoVolume::Destinatario;
    Aplica(gerador, {
                        {m, 0, 1, "0001234567890X"},
                        {i, 0, 1, "0001234567890X"},
                        {m, 0, 2, "isento"},
                        {m, 1, 3, "AB"},
                        {m, 1, 4, "XX"},
                        {i, 1, 2, "XX"},
                        {m, 2, 9, "20170230"},
                        {m, 2, 20, "1703"},
                        {i, 2, 6, "20170230"},
                        {d, 2, 15, "20170230"},
                        {m, 3, 10, "21"},
                        {m, 3, 11, " 01"},
                        {i, 3, 7, "21"},
                        {i, 3, 8, " 01"},
                        {d, 3, 16, "21"},
                        {d, 3, 17, " 01"},
                        {m, 4, 12, "000000099"},
                        {i, 4, 9, "000000099"},
                        {d, 4, 18, "000000099"},
                        {m, 5, 14, "0000000012A4"},
                        {m, 6, 19, "X"},
                        {i, 6, 26, "X"},
                        {m, 7, 19, "C"},
                        {i, 7, 26, "C"},
                        {m, 8, 22, "0011223344"},
                        {m, 8, 26, "ABC"},
                        {m, 9, 23, "5"},
                        {m, 9, 24, "55"},
                        {m, 10, 25, "01"},
                        {m, 10, 27, "99888777000100"},
                        {m, 11, 28, "12"},
                        {m, 11, 29, "ABC"},
                        {m, 12, 30, "20170201"},
                        {m, 12, 31, "20170201"},
                        {m, 13, 32, "X"},
                        {m, 13, 33, "00000001"},
                        {m, 14, 34, "ABC"},
                        {m, 14, 3, "CLIENTE\r\nX"},
                        {m, 15, 22, ""},
                        {m, 15, 26, "1133100099"},
                    });
    // The record end is outside the record code, so only 139 fires.
    gerador.CorrompeBytes(m, 6, 426, "  ");
    Contagens esperadas = {{144, 1}, {146, 1}, {103, 1}, {104, 1}, {115, 1}, {130, 1}, {164, 1}, {119, 1},
                           {152, 1}, {121, 1}, {123, 1}, {128, 1}, {139, 1}, {188, 1}, {187, 2}, {141, 1},
                           {178, 1}, {165, 1}, {167, 1}, {177, 1}, {180, 1}, {181, 1}, {182, 1}, {193, 1},
                           {194, 1}, {185, 1}, {186, 1}, {420, 2}, {195, 1}};
    // What the other files say about the same faults: a zero value total against its items (402), the item's
    // reference month against the Mestre's (229), and the Destinatário fields left as they were.
    esperadas.insert({{402, 1}, {229, 1}, {301, 1}, {302, 1}, {303, 2}, {321, 2}, {326, 1}, {338, 1}});
    ConfereComESemLog("mestre-misto-v03", gerador, esperadas);
}

// Generation v_01, outside SP: the warnings of the older rules beside errors of the common steps.
TEST(DouradoMestre, FalhasMisturadasV01)
{
    ParametrosVolume p = ParametrosDe("1103", "RJ", "22", 8, 1);
    GeradorVolume gerador(p);
    const auto m = ArquivoVolume::Mestre;
    const auto i = ArquivoVolume::Item;
    Aplica(gerador, {
                        {m, 0, 1, "00012345678X01"},
                        {i, 0, 1, "00012345678X01"},
                        {m, 1, 2, ""},
                        {m, 2, 22, "0133100003"},
                        {m, 3, 9, "20110332"},
                        {i, 3, 6, "20110332"},
                        {m, 4, 9, "20020301"},
                        {i, 4, 6, "20020301"},
                        {m, 5, 20, "1113"},
                        {m, 6, 5, "7"},
                        {i, 6, 3, "7"},
                        {m, 6, 7, "01"},
                        {i, 6, 5, "01"},
                        {m, 7, 3, "A"},
                        {m, 7, 19, "c"},
                        {i, 7, 26, "c"},
                    });
    Contagens esperadas = {{101, 1}, {102, 1}, {141, 1}, {112, 1}, {117, 1}, {129, 1},
                           {130, 1}, {106, 1}, {110, 1}, {103, 1}, {128, 1}};
    // The Destinatário and the item's reference month still follow the unchanged values.
    esperadas.insert({{229, 1}, {301, 1}, {302, 1}, {303, 1}, {329, 1}});
    ConfereComESemLog("mestre-misto-v01", gerador, esperadas);
}

// Generation v_02, electric energy in SP: the SP-only rules of names, codes, installation and blanks.
TEST(DouradoMestre, FalhasMisturadasV02Energia)
{
    ParametrosVolume p = ParametrosDe("1510", "SP", "06", 6, 1);
    GeradorVolume gerador(p);
    const auto m = ArquivoVolume::Mestre;
    const auto i = ArquivoVolume::Item;
    Aplica(gerador, {
                        {m, 0, 23, "XX"},
                        {m, 1, 22, ""},
                        {m, 2, 3, "12345"},
                        {m, 3, 8, "000000000000"},
                        {m, 4, 5, "9"},
                        {i, 4, 3, "9"},
                        {m, 4, 7, "15"},
                        {i, 4, 5, "15"},
                        {m, 5, 6, "4"},
                        {i, 5, 4, "4"},
                    });
    Contagens esperadas = {{142, 1}, {143, 1}, {148, 1}, {150, 1}, {105, 1}, {109, 1}, {107, 1}};
    esperadas.insert({{303, 1}, {321, 1}, {328, 1}}); // the Destinatário keeps the unchanged values

    ConfereComESemLog("mestre-misto-v02-06", gerador, esperadas);
}

} // namespace tessarin::teste
