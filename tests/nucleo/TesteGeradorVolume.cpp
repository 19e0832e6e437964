#include "validacao/GeradorVolume.h"

#include "dados/Texto1252.h"
#include "registros/LayoutRegistro.h"
#include "registros/Md5.h"
#include "registros/ValidadoresCampo.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace tessarin {
namespace {

std::vector<std::string_view> Registros(std::string_view arquivo, int tamanho)
{
    std::vector<std::string_view> registros;
    for (std::size_t i = 0; i < arquivo.size(); i += static_cast<std::size_t>(tamanho)) {
        registros.push_back(arquivo.substr(i, static_cast<std::size_t>(tamanho)));
    }
    return registros;
}

std::string_view Campo(const LayoutRegistro& layout, std::string_view registro, int numero)
{
    return layout.Campo(numero)->De(registro);
}

std::int64_t Valor(std::string_view texto)
{
    std::int64_t v = 0;
    EXPECT_FALSE(NaoNumerico(texto, v)) << texto;
    return v;
}

// The document code rebuilt from the layout, independently of how the builder assembles it.
bool DocumentoConfere(const LayoutRegistro& m, std::string_view registro, GeracaoLayout g)
{
    std::string texto;
    for (int n : {1, 12, 14, 15, 16}) {
        texto += Campo(m, registro, n);
    }
    if (g == GeracaoLayout::V03) {
        texto += Campo(m, registro, 9);
        texto += Campo(m, registro, 27);
    }
    EXPECT_EQ(texto.size(), g == GeracaoLayout::V03 ? 81U : 59U);
    return Md5Confere(texto, Campo(m, registro, 13));
}

struct CasoVolume
{
    const char* nome;
    const char* referencia;
    const char* uf;
    const char* modelo;
    GeracaoLayout geracao;
    std::size_t tamanhoNome;
};

void PrintTo(const CasoVolume& caso, std::ostream* saida)
{
    *saida << caso.nome;
}

class GeradorVolumeGeracoes : public testing::TestWithParam<CasoVolume>
{
};

// Every record has its length, its CR LF and a code that verifies; the document code verifies; each Mestre
// points to its first item; the document values are the sums of its items; the copies agree.
TEST_P(GeradorVolumeGeracoes, VolumeValidoEConsistente)
{
    const CasoVolume& caso = GetParam();
    ParametrosVolume p;
    p.Referencia = caso.referencia;
    p.Uf = caso.uf;
    p.Modelo = caso.modelo;
    p.Documentos = 4;
    p.ItensPorDocumento = 3;
    p.PrimeiroNumero = 41;
    GeradorVolume gerador(p);
    gerador.DefineItensDocumento(2, 1);
    ASSERT_EQ(gerador.Geracao(), caso.geracao);
    const ConteudoVolume c = gerador.Conteudo();
    ASSERT_TRUE(c.Ok()) << c.Erro;

    const LayoutRegistro m = LayoutMestre(caso.geracao);
    const LayoutRegistro it = LayoutItem(caso.geracao);
    const LayoutRegistro d = LayoutDestinatario(caso.geracao);
    ASSERT_EQ(c.Mestre.size(), 4U * static_cast<std::size_t>(m.Tamanho));
    ASSERT_EQ(c.Item.size(), 10U * static_cast<std::size_t>(it.Tamanho));
    ASSERT_EQ(c.Destinatario.size(), 4U * static_cast<std::size_t>(d.Tamanho));
    for (auto [arquivo, tamanho] :
         {std::pair{std::string_view(c.Mestre), m.Tamanho}, std::pair{std::string_view(c.Item), it.Tamanho},
          std::pair{std::string_view(c.Destinatario), d.Tamanho}}) {
        for (std::string_view r : Registros(arquivo, tamanho)) {
            EXPECT_EQ(r.substr(r.size() - 2), "\r\n");
            EXPECT_EQ(r.substr(0, r.size() - 2).find_first_of("\r\n"), std::string_view::npos);
            EXPECT_TRUE(CodigoRegistroConfere(r));
        }
    }

    const auto mestres = Registros(c.Mestre, m.Tamanho);
    const auto itens = Registros(c.Item, it.Tamanho);
    const auto destinatarios = Registros(c.Destinatario, d.Tamanho);
    std::int64_t esperadoItem = 1;
    for (std::size_t i = 0; i < mestres.size(); ++i) {
        const std::string_view r = mestres[i];
        SCOPED_TRACE(i);
        EXPECT_TRUE(DocumentoConfere(m, r, caso.geracao));
        EXPECT_EQ(Valor(Campo(m, r, 12)), 41 + static_cast<std::int64_t>(i));
        EXPECT_EQ(Campo(m, r, 20), caso.referencia);
        EXPECT_EQ(Campo(m, r, 9).substr(2, 4), caso.referencia);
        const std::int64_t primeiro = Valor(Campo(m, r, 21));
        EXPECT_EQ(primeiro, esperadoItem);
        const int quantos = i == 2 ? 1 : 3;
        std::int64_t total = 0, outros = 0;
        for (int k = 0; k < quantos; ++k) {
            const std::string_view item = itens[static_cast<std::size_t>(primeiro - 1 + k)];
            EXPECT_EQ(Campo(it, item, 9), Campo(m, r, 12));
            EXPECT_EQ(Valor(Campo(it, item, 11)), k + 1);
            for (auto [ci, cm] :
                 {std::pair{1, 1}, {2, 4}, {3, 5}, {4, 6}, {5, 7}, {6, 9}, {7, 10}, {8, 11}, {27, 20}}) {
                EXPECT_EQ(Campo(it, item, ci), Campo(m, r, cm)) << "item " << ci;
            }
            EXPECT_EQ(Campo(it, item, 10), "0000");
            EXPECT_EQ(Campo(it, item, 14), "0801");
            total += Valor(Campo(it, item, 18));
            outros += Valor(Campo(it, item, 24));
        }
        esperadoItem += quantos;
        EXPECT_EQ(Valor(Campo(m, r, 14)), total);
        EXPECT_EQ(Valor(Campo(m, r, 18)), outros);
        EXPECT_EQ(Valor(Campo(m, r, 16)), 0);
        EXPECT_TRUE(CpfValido(Campo(m, r, 1).substr(3)));

        const std::string_view dest = destinatarios[i];
        for (auto [cd, cm] : {std::pair{1, 1}, {2, 2}, {3, 3}, {10, 4}, {12, 8}}) {
            EXPECT_EQ(Campo(d, dest, cd), Campo(m, r, cm)) << "destinatario " << cd;
        }
        EXPECT_EQ(Campo(d, dest, 13).substr(0, 10), Campo(m, r, 22).substr(0, 10));
        EXPECT_TRUE(TerminalValido(Campo(m, r, 22).substr(0, 10)));
        if (caso.geracao == GeracaoLayout::V03) {
            EXPECT_EQ(Campo(m, r, 23), "2");
            EXPECT_EQ(Campo(m, r, 27), p.Cnpj);
            EXPECT_EQ(Campo(d, dest, 15), Campo(m, r, 9));
            EXPECT_EQ(Campo(d, dest, 18), Campo(m, r, 12));
        }
    }

    const NomesVolume nomes = gerador.Nomes();
    EXPECT_EQ(nomes.Mestre.size(), caso.tamanhoNome);
    EXPECT_EQ(nomes.Item, std::string(nomes.Mestre).replace(caso.tamanhoNome - 5, 1, "I"));
    EXPECT_EQ(nomes.Destinatario, std::string(nomes.Mestre).replace(caso.tamanhoNome - 5, 1, "D"));
}

INSTANTIATE_TEST_SUITE_P(Casos, GeradorVolumeGeracoes,
                         testing::Values(CasoVolume{"v01_SP_energia", "1106", "SP", "06", GeracaoLayout::V01, 15},
                                         CasoVolume{"v02_MG_comunicacao", "1207", "MG", "22", GeracaoLayout::V02, 15},
                                         CasoVolume{"v03_RJ_comunicacao", "1701", "RJ", "21", GeracaoLayout::V03, 33},
                                         CasoVolume{"v03_SP_gas", "1702", "SP", "01", GeracaoLayout::V03, 33},
                                         CasoVolume{"v03_SP_energia", "1701", "SP", "06", GeracaoLayout::V03, 33}),
                         [](const testing::TestParamInfo<CasoVolume>& info) { return info.param.nome; });

TEST(GeradorVolume, NomesEMunicipioPelaReferenciaEUf)
{
    ParametrosVolume p;
    p.Referencia = "1612";
    p.Serie = "U";
    EXPECT_EQ(GeradorVolume(p).Nomes().Mestre, "SPU  1612NM.001");
    p.Referencia = "1701";
    p.Volume = "E01";
    EXPECT_EQ(GeradorVolume(p).Nomes().Destinatario, "SP1122233300018122U  1701N01D.E01");

    // From 1701 the Destinatario carries the IBGE code of the municipality it names.
    for (auto [uf, codigo, nome] : {std::tuple{"SP", "3550308", "São Paulo"}, {"RJ", "3304557", "Rio de Janeiro"}}) {
        p.Uf = uf;
        p.Documentos = 1;
        const ConteudoVolume c = GeradorVolume(p).Conteudo();
        ASSERT_TRUE(c.Ok());
        const LayoutRegistro d = LayoutDestinatario(GeracaoLayout::V03);
        EXPECT_EQ(Campo(d, c.Destinatario, 19), codigo);
        EXPECT_EQ(Campo(d, c.Destinatario, 9), AlinhaEsquerda(ParaWin1252(nome), 30));
    }
}

TEST(GeradorVolume, ParametrosInvalidosSaoRecusados)
{
    const std::vector<void (*)(ParametrosVolume&)> estragos = {
        [](ParametrosVolume& p) { p.Referencia = "1713"; },
        [](ParametrosVolume& p) { p.Uf = "EX"; },
        [](ParametrosVolume& p) { p.Modelo = "07"; },
        [](ParametrosVolume& p) { p.Cnpj = "123"; },
        [](ParametrosVolume& p) { p.Serie = "ABCD"; },
        [](ParametrosVolume& p) { p.ItensPorDocumento = 991; },
        [](ParametrosVolume& p) { p.PrimeiroNumero = 999999999; },
    };
    for (std::size_t i = 0; i < estragos.size(); ++i) {
        ParametrosVolume p;
        estragos[i](p);
        const GeradorVolume g(p);
        EXPECT_FALSE(g.ErroParametros().empty()) << i;
        EXPECT_FALSE(g.Conteudo().Ok()) << i;
        EXPECT_FALSE(g.Grava(std::filesystem::temp_directory_path()).Ok()) << i;
    }
}

// A field changed before the codes keeps every code right, and an item value moves the document's sums;
// a given code or raw bytes after the codes break exactly what they touch.
TEST(GeradorVolume, AlteracoesCaemOndePedidas)
{
    ParametrosVolume p;
    p.Documentos = 3;
    p.ItensPorDocumento = 2;
    GeradorVolume g(p);
    const LayoutRegistro m = LayoutMestre(GeracaoLayout::V03);
    const LayoutRegistro it = LayoutItem(GeracaoLayout::V03);
    const LayoutRegistro d = LayoutDestinatario(GeracaoLayout::V03);
    const std::string codigo(32, 'A');
    EXPECT_FALSE(g.DefineCampo(ArquivoVolume::Mestre, 0, 38, "X"));        // no such field
    EXPECT_FALSE(g.DefineCampo(ArquivoVolume::Mestre, 0, 19, "NN"));       // longer than the field
    ASSERT_TRUE(g.DefineCampo(ArquivoVolume::Item, 3, 18, "00000099999")); // document 1, second item
    ASSERT_TRUE(g.DefineCampo(ArquivoVolume::Item, 2, 24, "+0000000001")); // not a number from 1701
    ASSERT_TRUE(g.DefineCampo(ArquivoVolume::Mestre, 0, 2, "ISENTA"));
    ASSERT_TRUE(g.DefineCampo(ArquivoVolume::Mestre, 2, 13, codigo));
    ASSERT_TRUE(g.DefineCampo(ArquivoVolume::Destinatario, 1, 19, "3304557"));
    g.CorrompeBytes(ArquivoVolume::Item, 5, it.Tamanho - 1, "  ");
    g.CorrompeBytes(ArquivoVolume::Destinatario, 2, 50, "\r");
    g.SubstituiRegistro(ArquivoVolume::Mestre, 1, "CURTO\r\n");
    g.AcrescentaLinha(ArquivoVolume::Item, "EXTRA\r\n");
    const ConteudoVolume c = g.Conteudo();
    ASSERT_TRUE(c.Ok());

    const std::string_view m0 = std::string_view(c.Mestre).substr(0, static_cast<std::size_t>(m.Tamanho));
    EXPECT_EQ(Campo(m, m0, 2), "ISENTA        ");
    EXPECT_TRUE(CodigoRegistroConfere(m0));
    EXPECT_TRUE(DocumentoConfere(m, m0, GeracaoLayout::V03));

    EXPECT_EQ(c.Mestre.substr(static_cast<std::size_t>(m.Tamanho), 7), "CURTO\r\n");
    const std::string_view m2 = std::string_view(c.Mestre).substr(static_cast<std::size_t>(m.Tamanho) + 7);
    ASSERT_EQ(m2.size(), static_cast<std::size_t>(m.Tamanho));
    EXPECT_EQ(Campo(m, m2, 13), codigo);
    EXPECT_FALSE(DocumentoConfere(m, m2, GeracaoLayout::V03));
    EXPECT_TRUE(CodigoRegistroConfere(m2));

    const auto itens =
        Registros(std::string_view(c.Item).substr(0, 6U * static_cast<std::size_t>(it.Tamanho)), it.Tamanho);
    EXPECT_EQ(Campo(it, itens[3], 18), "00000099999");
    EXPECT_TRUE(CodigoRegistroConfere(itens[3]));
    EXPECT_EQ(Campo(it, itens[5], 39), "  ");
    EXPECT_TRUE(CodigoRegistroConfere(std::string(itens[5].substr(0, itens[5].size() - 2)) + "\r\n"));
    EXPECT_EQ(c.Item.substr(c.Item.size() - 7), "EXTRA\r\n");

    // The document of record 1 was replaced, so its sums show in the hidden record's total: check through a
    // volume built the same way without the replacement.
    GeradorVolume semCurto(p);
    ASSERT_TRUE(semCurto.DefineCampo(ArquivoVolume::Item, 3, 18, "00000099999"));
    ASSERT_TRUE(semCurto.DefineCampo(ArquivoVolume::Item, 2, 24, "+0000000001"));
    const ConteudoVolume c2 = semCurto.Conteudo();
    const auto mestres2 = Registros(c2.Mestre, m.Tamanho);
    const auto itens2 = Registros(c2.Item, it.Tamanho);
    EXPECT_EQ(Valor(Campo(m, mestres2[1], 14)), Valor(Campo(it, itens2[2], 18)) + 99999);
    EXPECT_EQ(Valor(Campo(m, mestres2[1], 18)), Valor(Campo(it, itens2[3], 24))); // "+..." left out
    EXPECT_TRUE(DocumentoConfere(m, mestres2[1], GeracaoLayout::V03));

    const auto dests = Registros(c.Destinatario, d.Tamanho);
    EXPECT_EQ(Campo(d, dests[1], 19), "3304557");
    EXPECT_TRUE(CodigoRegistroConfere(dests[1]));
    EXPECT_EQ(dests[2][49], '\r');
    EXPECT_FALSE(CodigoRegistroConfere(dests[2]));
}

TEST(GeradorVolume, GravaOsTresArquivosComoEmMemoria)
{
    ParametrosVolume p;
    p.Referencia = "1301";
    p.Documentos = 5;
    const GeradorVolume g(p);
    const auto pasta = std::filesystem::temp_directory_path() / ("tessarin_gerador_" + std::to_string(::getpid()));
    std::filesystem::remove_all(pasta);
    const VolumeGravado gravado = g.Grava(pasta / "sub");
    ASSERT_TRUE(gravado.Ok()) << gravado.Erro;
    const ConteudoVolume c = g.Conteudo();
    auto le = [&](const std::string& nome) {
        std::ifstream f(pasta / "sub" / nome, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    };
    EXPECT_EQ(le(gravado.Nomes.Mestre), c.Mestre);
    EXPECT_EQ(le(gravado.Nomes.Item), c.Item);
    EXPECT_EQ(le(gravado.Nomes.Destinatario), c.Destinatario);

    // A folder that cannot be made is an error value, not an exception.
    std::ofstream(pasta / "arquivo") << "x";
    EXPECT_FALSE(g.Grava(pasta / "arquivo" / "dentro").Ok());
    std::filesystem::remove_all(pasta);
}

} // namespace
} // namespace tessarin
