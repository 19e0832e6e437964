#include "checagens/CortesRegistro.h"

#include "registros/LayoutRegistro.h"

namespace tessarin {

namespace {

template <typename Cortes> void Preenche(Cortes& cortes, const LayoutRegistro& layout)
{
    for (const CampoLayout& c : layout.Campos) {
        auto& corte = cortes[static_cast<std::size_t>(c.Numero)];
        corte.Inicio = static_cast<std::uint16_t>(c.Inicio - 1);
        corte.Tamanho = static_cast<std::uint16_t>(c.Tamanho);
    }
}

std::size_t Posicao(GeracaoLayout g)
{
    return static_cast<std::size_t>(g);
}

} // namespace

const CortesRegistro& CortesItem(GeracaoLayout g)
{
    static const std::array<CortesRegistro, 3> tabelas = [] {
        std::array<CortesRegistro, 3> t{};
        for (const GeracaoLayout ger : {GeracaoLayout::V01, GeracaoLayout::V02, GeracaoLayout::V03}) {
            Preenche(t[Posicao(ger)].cortes_, LayoutItem(ger));
        }
        return t;
    }();
    return tabelas[Posicao(g)];
}

const CortesRegistro& CortesMestre(GeracaoLayout g)
{
    static const std::array<CortesRegistro, 3> tabelas = [] {
        std::array<CortesRegistro, 3> t{};
        for (const GeracaoLayout ger : {GeracaoLayout::V01, GeracaoLayout::V02, GeracaoLayout::V03}) {
            Preenche(t[Posicao(ger)].cortes_, LayoutMestre(ger));
        }
        return t;
    }();
    return tabelas[Posicao(g)];
}

} // namespace tessarin
