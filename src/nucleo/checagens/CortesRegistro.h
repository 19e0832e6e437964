#pragma once

#include "dados/GeracaoLayout.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tessarin {

// Where each field of one record kind sits in one generation, indexed by field number, so that a check
// cuts a field in constant time instead of searching the layout table for every record.
class CortesRegistro
{
public:
    static constexpr int MaximoCampos = 40;

    // The field's raw slice (no trimming); shorter or empty when the record does not reach that far, empty
    // for a field number the generation does not have.
    std::string_view Campo(std::string_view registro, int numero) const
    {
        const Corte& c = cortes_[static_cast<std::size_t>(numero)];
        if (c.Tamanho == 0 || c.Inicio >= registro.size()) {
            return {};
        }
        return registro.substr(c.Inicio, c.Tamanho);
    }

private:
    friend const CortesRegistro& CortesItem(GeracaoLayout g);
    friend const CortesRegistro& CortesMestre(GeracaoLayout g);
    struct Corte
    {
        std::uint16_t Inicio = 0; // 0-based
        std::uint16_t Tamanho = 0;
    };
    std::array<Corte, MaximoCampos> cortes_{};
};

// Built once per generation from the layout tables, on first use.
const CortesRegistro& CortesItem(GeracaoLayout g);
const CortesRegistro& CortesMestre(GeracaoLayout g);

} // namespace tessarin
