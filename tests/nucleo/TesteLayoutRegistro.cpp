#include "registros/LayoutRegistro.h"

#include <gtest/gtest.h>

namespace tessarin {

// Each layout must tile its record exactly: fields in order, no gap, no overlap, ending in CR LF at L.
TEST(LayoutRegistro, CamposCobremORegistroSemFolga)
{
    for (const GeracaoLayout g : {GeracaoLayout::V01, GeracaoLayout::V02, GeracaoLayout::V03}) {
        for (const LayoutRegistro& l : {LayoutMestre(g), LayoutItem(g), LayoutDestinatario(g)}) {
            int proximo = 1;
            int numero = 1;
            for (const CampoLayout& c : l.Campos) {
                EXPECT_EQ(c.Inicio, proximo) << TextoGeracao(g) << " campo " << c.Numero;
                EXPECT_EQ(c.Numero, numero++);
                proximo = c.Fim() + 1;
            }
            EXPECT_EQ(proximo - 1, l.Tamanho) << TextoGeracao(g);
            EXPECT_EQ(l.Campos.back().Tamanho, 2);
        }
    }
    EXPECT_EQ(LayoutMestre(GeracaoLayout::V01).Tamanho, ComprimentosDaGeracao(GeracaoLayout::V01).Mestre);
    EXPECT_EQ(LayoutItem(GeracaoLayout::V03).Tamanho, ComprimentosDaGeracao(GeracaoLayout::V03).Item);
    EXPECT_EQ(LayoutDestinatario(GeracaoLayout::V02).Tamanho, ComprimentosDaGeracao(GeracaoLayout::V02).Destinatario);
}

TEST(LayoutRegistro, CodigoDeAutenticacaoPorGeracao)
{
    struct Caso
    {
        LayoutRegistro layout;
        int campo, inicio, fim;
    };
    const Caso casos[] = {
        {LayoutMestre(GeracaoLayout::V01), 24, 223, 254},   {LayoutMestre(GeracaoLayout::V02), 24, 227, 258},
        {LayoutMestre(GeracaoLayout::V03), 36, 394, 425},   {LayoutItem(GeracaoLayout::V02), 29, 223, 254},
        {LayoutItem(GeracaoLayout::V03), 38, 300, 331},     {LayoutDestinatario(GeracaoLayout::V01), 16, 223, 254},
        {LayoutDestinatario(GeracaoLayout::V03), 21, 256, 287}, {LayoutItem(GeracaoLayout::V03), 18, 134, 144},
        {LayoutItem(GeracaoLayout::V01), 18, 132, 142},
    };
    for (const Caso& c : casos) {
        const CampoLayout* campo = c.layout.Campo(c.campo);
        ASSERT_NE(campo, nullptr);
        EXPECT_EQ(campo->Inicio, c.inicio);
        EXPECT_EQ(campo->Fim(), c.fim);
    }
    // Every authentication code covers everything before it: the first L-34 characters.
    for (const GeracaoLayout g : {GeracaoLayout::V01, GeracaoLayout::V02, GeracaoLayout::V03}) {
        for (const LayoutRegistro& l : {LayoutMestre(g), LayoutItem(g), LayoutDestinatario(g)}) {
            const CampoLayout& codigo = l.Campos[l.Campos.size() - 2];
            EXPECT_EQ(codigo.Inicio, l.Tamanho - 33);
        }
    }
}

} // namespace tessarin
