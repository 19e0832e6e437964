#include "dados/GeracaoLayout.h"

#include <gtest/gtest.h>

namespace tessarin {

TEST(GeracaoLayout, EscolhidaPelaReferenciaComoTexto)
{
    const struct
    {
        const char* referencia;
        GeracaoLayout geracao;
    } casos[] = {
        {"0405", GeracaoLayout::V01}, {"1206", GeracaoLayout::V01}, {"1207", GeracaoLayout::V02},
        {"1612", GeracaoLayout::V02}, {"1700", GeracaoLayout::V02}, {"1701", GeracaoLayout::V03},
        {"1702", GeracaoLayout::V03},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(GeracaoDaReferencia(caso.referencia), caso.geracao) << caso.referencia;
    }
}

TEST(GeracaoLayout, TextosEComprimentosDeRegistro)
{
    EXPECT_EQ(TextoGeracao(GeracaoLayout::V01), "v_01");
    EXPECT_EQ(TextoGeracao(GeracaoLayout::V02), "v_02");
    EXPECT_EQ(TextoGeracao(GeracaoLayout::V03), "v_03");
    EXPECT_EQ(ComprimentosDaGeracao(GeracaoLayout::V01), (ComprimentosRegistro{256, 256, 256}));
    EXPECT_EQ(ComprimentosDaGeracao(GeracaoLayout::V02), (ComprimentosRegistro{260, 256, 260}));
    EXPECT_EQ(ComprimentosDaGeracao(GeracaoLayout::V03), (ComprimentosRegistro{427, 333, 289}));
}

} // namespace tessarin
