#pragma once

#include <string>

namespace tessarin {

// Provisional: replaced by the volume-name validator's own definition.
struct ComponentesVolume
{
    std::string UFVolume, SerieVolume, Referencia, AnoReferencia, MesReferencia, AnoCompleto, StatusVolume,
        NumeroVolume;
    bool VolumeDeSaida = false;
    // The document model written in a 33-character name; empty for the older 15-character names.
    std::string ModeloNome;
};

} // namespace tessarin
