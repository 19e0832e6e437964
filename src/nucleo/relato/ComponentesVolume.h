#pragma once

#include <string>

namespace tessarin {

// Provisional: replaced by the volume-name validator's own definition.
struct ComponentesVolume
{
    std::string UFVolume, SerieVolume, Referencia, AnoReferencia, MesReferencia, AnoCompleto, StatusVolume,
        NumeroVolume;
    bool VolumeDeSaida = false;
    // The CNPJ of a 33-character name, and the taxpayer's CNPJ from the identification without separators:
    // every document of such a volume must name both as its issuer.
    std::string CnpjArquivo, CnpjContribuinte;
};

} // namespace tessarin
