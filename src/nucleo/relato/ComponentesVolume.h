#pragma once

#include <string>

namespace tessarin {

// Provisional: replaced by the volume-name validator's own definition.
struct ComponentesVolume
{
    std::string UFVolume, SerieVolume, Referencia, AnoReferencia, MesReferencia, AnoCompleto, StatusVolume,
        NumeroVolume;
    bool VolumeDeSaida = false;
};

} // namespace tessarin
