#pragma once

#include "dados/GeracaoLayout.h"

#include <span>
#include <string_view>

namespace tessarin {

// One field of a fixed-width record: its number as the catalogue shows it, 1-based first position, width.
struct CampoLayout
{
    int Numero;
    int Inicio;
    int Tamanho;
    std::string_view Nome;

    int Fim() const { return Inicio + Tamanho - 1; }
    // The field's raw slice of a record (no trimming); empty when the record is too short for it.
    std::string_view De(std::string_view registro) const
    {
        const auto pos = static_cast<std::size_t>(Inicio - 1);
        if (pos >= registro.size()) {
            return {};
        }
        return registro.substr(pos, static_cast<std::size_t>(Tamanho));
    }
};

// The fields of one record kind in one generation, in field order, and the record length (CR LF included).
struct LayoutRegistro
{
    std::span<const CampoLayout> Campos;
    int Tamanho;

    // Field by its number; nullptr when the generation has no such field.
    const CampoLayout* Campo(int numero) const;
};

LayoutRegistro LayoutMestre(GeracaoLayout g);
LayoutRegistro LayoutItem(GeracaoLayout g);
LayoutRegistro LayoutDestinatario(GeracaoLayout g);

} // namespace tessarin
