#pragma once

#include <array>
#include <cstdint>

namespace tessarin {

// One document's Mestre values and the sums of its items, reset for every document; the checks of the
// Mestre record fill the first, the item walk the second, and the document sums compare them.
struct EstadoDocumento
{
    // Valor Total, BC ICMS, ICMS, Isentas ou NT, Outros of the Mestre record, in cents.
    std::array<double, 5> ValoresMestre{};
    // Valor Total, BC ICMS, ICMS, Isentas ou NT, Outros, Descontos, Acréscimos summed over the items.
    std::array<double, 7> SomasItens{};

    void Reinicia() { *this = EstadoDocumento{}; }
};

// Counts and value totals that the control file and its report read after a run without errors.
struct EstatisticasControle
{
    std::int32_t MestreCancelados = 0; // Mestre records in situation "S"
    std::int32_t ItensCancelados = 0;  // Item records in situation "S"

    void Reinicia() { *this = EstatisticasControle{}; }
};

} // namespace tessarin
