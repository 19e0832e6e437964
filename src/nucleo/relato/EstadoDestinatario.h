#pragma once

#include "dados/TabelaMunicipios.h"

#include <array>
#include <span>

namespace tessarin {

// Per-run state kept by the Destinatario record checks.
struct EstadoDestinatario
{
    // The municipality code met last and its rows in the IBGE table (empty when the table lacks it).
    // Consecutive documents of a volume often go to the same municipality; then the table is not searched
    // again. No code of digits matches the initial value.
    std::array<char, 7> UltimoCodigoMunicipio{};
    std::span<const LinhaMunicipio> LinhasUltimoCodigo;

    // Back to the start of a run.
    void Reinicia() { *this = EstadoDestinatario{}; }
};

} // namespace tessarin
