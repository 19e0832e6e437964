#include "dados/TabelaMunicipios.h"
#include "dados/TabelaUF.h"
#include "dados/Texto1252.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tessarin {

namespace {

const TabelaMunicipios& Municipios()
{
    return TabelaMunicipios::Instancia();
}

std::string NomeValidoEm(std::string_view codigo, std::string_view data)
{
    const LinhaMunicipio* linha = Municipios().ValidaEm(codigo, data);
    return linha ? std::string(linha->NomeOficial()) : std::string("(nenhuma)");
}

} // namespace

TEST(TabelaUF, OrdemECodigos)
{
    const TabelaUF& ufs = TabelaUF::Instancia();
    ASSERT_EQ(ufs.Linhas().size(), 28u);
    const LinhaUF& primeira = ufs.Linhas().front();
    EXPECT_EQ(std::string(primeira.codigo) + "|" + std::string(primeira.sigla) + "|" + std::string(primeira.nome),
              "11|RO|Rond\xF4nia");
    EXPECT_EQ(ufs.Linhas().back().sigla, "EX");
    EXPECT_EQ(ufs.Linhas()[19].nome, "S\xE3o Paulo");

    struct Caso
    {
        const char* codigo;
        const char* sigla; // nullptr: not in the table
    } casos[] = {{"11", "RO"},    {"35", "SP"},   {"53", "DF"},     {"99", "EX"},    {"34", nullptr},
                 {"00", nullptr}, {"1", nullptr}, {"110", nullptr}, {"1|", nullptr}, {"", nullptr}};
    for (const Caso& caso : casos) {
        const LinhaUF* linha = ufs.ProcuraCodigo(caso.codigo);
        if (caso.sigla) {
            ASSERT_NE(linha, nullptr) << caso.codigo;
            EXPECT_EQ(linha->sigla, caso.sigla) << caso.codigo;
            EXPECT_EQ(linha->codigo, caso.codigo);
        } else {
            EXPECT_EQ(linha, nullptr) << caso.codigo;
        }
    }
}

TEST(TabelaMunicipios, LinhasPorEstadoEPeriodos)
{
    const auto linhas = Municipios().Linhas();
    ASSERT_EQ(linhas.size(), 5574u);

    std::map<std::string, int> porEstado;
    std::set<std::string_view> codigos;
    int periodoPadrao = 0;
    for (const LinhaMunicipio& linha : linhas) {
        ++porEstado[std::string(linha.siglaUF)];
        codigos.insert(linha.codigo);
        if (linha.inicio == TabelaMunicipios::InicioPadrao && linha.fim == TabelaMunicipios::FimPadrao) {
            ++periodoPadrao;
        }
    }
    const std::map<std::string, int> esperado = {
        {"AC", 22},  {"AL", 102}, {"AM", 62},  {"AP", 16},  {"BA", 417}, {"CE", 184}, {"DF", 1},
        {"ES", 78},  {"EX", 1},   {"GO", 246}, {"MA", 217}, {"MG", 853}, {"MS", 79},  {"MT", 141},
        {"PA", 144}, {"PB", 223}, {"PE", 185}, {"PI", 224}, {"PR", 399}, {"RJ", 92},  {"RN", 168},
        {"RO", 52},  {"RR", 15},  {"RS", 497}, {"SC", 295}, {"SE", 75},  {"SP", 647}, {"TO", 139}};
    EXPECT_EQ(porEstado, esperado); // an empty abbreviation here would be a code whose state is unknown
    EXPECT_EQ(codigos.size(), 5571u);
    EXPECT_EQ(periodoPadrao, 5563);

    const LinhaMunicipio& primeira = linhas.front();
    EXPECT_EQ(primeira.codigo, "1100015");
    EXPECT_EQ(primeira.codigoUF, "11");
    EXPECT_EQ(primeira.nome, "Alta Floresta D'Oeste");
    const LinhaMunicipio& ultima = linhas.back();
    EXPECT_EQ(ultima.codigo, "9999999");
    EXPECT_EQ(ultima.codigoUF, "99");
    EXPECT_EQ(ultima.siglaUF, "EX");
    EXPECT_EQ(ultima.nome, "Exterior");
}

TEST(TabelaMunicipios, OrdenadaENomesEmWin1252)
{
    const auto linhas = Municipios().Linhas();
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        const LinhaMunicipio& linha = linhas[i];
        EXPECT_EQ(linha.codigo.substr(0, 2), linha.codigoUF) << linha.codigo;
        EXPECT_LE(linha.inicio, linha.fim) << linha.codigo;
        // Three to 32 characters, one byte each; a "?" would be a character the conversion lost.
        EXPECT_GE(linha.nome.size(), 3u) << linha.codigo;
        EXPECT_LE(linha.nome.size(), 32u) << linha.codigo;
        EXPECT_EQ(linha.nome.find('?'), std::string_view::npos) << linha.codigo;
        if (i > 0) {
            const LinhaMunicipio& anterior = linhas[i - 1];
            const bool emOrdem =
                anterior.codigo < linha.codigo || (anterior.codigo == linha.codigo && anterior.fim < linha.inicio);
            EXPECT_TRUE(emOrdem) << anterior.codigo << " / " << linha.codigo;
        }
    }
    EXPECT_EQ(Municipios().LinhasDoCodigo("4220000").front().nome, "Balne\xE1rio Rinc\xE3o");
    EXPECT_EQ(Municipios().LinhasDoCodigo("5006275").front().nome, "Para\xEDso das \xC1guas");
}

TEST(TabelaMunicipios, MunicipioValidoNaDataDeEmissao)
{
    struct Caso
    {
        const char* codigo;
        const char* data;
        std::string nome; // "(nenhuma)": no row valid on that day
    } casos[] = {
        {"3515004", "20110906", "Embu"},
        {"3515004", "20110907", "Embu das Artes"},
        {"3515004", "20081231", "(nenhuma)"},
        {"1504752", "20120101", "(nenhuma)"},
        {"1504752", "20121231", "(nenhuma)"},
        {"1504752", "20130101", ParaWin1252("Mojuí dos Campos")},
        {"2410306", "20130113", "Presidente Juscelino"},
        {"2410306", "20130114", "Serra Caiada"},
        {"3530805", "20101014", "Moji Mirim"},
        {"3530805", "20101015", "Mogi Mirim"},
        {"5006275", "20091202", "(nenhuma)"},
        {"5006275", "20091203", ParaWin1252("Paraíso das Águas")},
        {"4212650", "20121231", "(nenhuma)"},
        {"5300108", "20170101", "Bras\xEDlia"},
        {"5300108", "99991231", "Bras\xEDlia"},
        // The last row of the table: the walk must stop at the end, not read past it.
        {"9999999", "20081231", "(nenhuma)"},
        {"9999999", "20090101", "Exterior"},
        {"3400000", "20170101", "(nenhuma)"},  // state 34 does not exist
        {"3515004", "00000000", "(nenhuma)"},  // eight zeros: before every period
        {"3515004", "2011090A", "(nenhuma)"},  // not a date
        {"3515004", "2011090", "(nenhuma)"},   // too short to be a date
        {"351500", "20170101", "(nenhuma)"},   // too short to be a code
        {"35150040", "20170101", "(nenhuma)"}, // too long
        {" 351500", "20170101", "(nenhuma)"},  // not digits
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(NomeValidoEm(caso.codigo, caso.data), caso.nome) << caso.codigo << " em " << caso.data;
    }
    EXPECT_EQ(Municipios().LinhasDoCodigo("3515004").size(), 2u);
    EXPECT_EQ(Municipios().LinhasDoCodigo("9999999").size(), 1u);
    EXPECT_TRUE(Municipios().Contem("1504752"));
    EXPECT_FALSE(Municipios().Contem("3515005"));
}

TEST(TabelaMunicipios, EstadoPeloCodigoENenhumCodigo34)
{
    const LinhaMunicipio* brasilia = Municipios().ValidaEm("5300108", "20170101");
    ASSERT_NE(brasilia, nullptr);
    const LinhaUF* uf = TabelaUF::Instancia().ProcuraCodigo(brasilia->codigo.substr(0, 2));
    ASSERT_NE(uf, nullptr);
    EXPECT_EQ(uf->sigla, "DF");
    EXPECT_EQ(brasilia->siglaUF, "DF");

    for (const LinhaMunicipio& linha : Municipios().Linhas()) {
        EXPECT_NE(linha.codigoUF, "34") << linha.codigo;
    }
    EXPECT_TRUE(Municipios().LinhasDoCodigo("3499999").empty());
}

TEST(TabelaMunicipios, NomeOficialCortadoEmTrintaCaracteres)
{
    // A record's name field is 30 wide, so it can only hold the start of the two longer names.
    struct Caso
    {
        const char* codigo;
        const char* nomeUtf8;
    } casos[] = {{"5105507", "Vila Bela da Santíssima Trindade"}, {"2209658", "São Francisco de Assis do Piauí"}};
    for (const Caso& caso : casos) {
        const std::string inteiro = ParaWin1252(caso.nomeUtf8);
        const LinhaMunicipio* linha = Municipios().ValidaEm(caso.codigo, "20170101");
        ASSERT_NE(linha, nullptr) << caso.codigo;
        EXPECT_EQ(linha->nome, inteiro);
        EXPECT_EQ(linha->NomeOficial(), inteiro.substr(0, 30));
    }
    EXPECT_EQ(Municipios().ValidaEm("5105507", "20170101")->NomeOficial(), "Vila Bela da Sant\xEDssima Trinda");
    EXPECT_EQ(Municipios().ValidaEm("3515004", "20170101")->NomeOficial(), "Embu das Artes");
}

} // namespace tessarin
