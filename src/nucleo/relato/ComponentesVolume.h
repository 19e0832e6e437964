#pragma once

#include <string>

namespace tessarin {

// What the Mestre file name says about its volume. It is taken when the volume is chosen and read, unchanged,
// by the run, the record checks, the closing summary and the control file until another volume is chosen.
// Texts are Windows-1252 bytes cut from the (upper-cased) name; a rejected name leaves every field empty.
struct ComponentesVolume
{
    // The name up to, not including, the type letter: the three files and the control file share it.
    std::string NomeBase;
    std::string UFVolume;
    // Only 33-character names carry the CNPJ, the model and the sequence; they stay empty otherwise.
    std::string CnpjNome;
    std::string ModeloNome;
    std::string SerieVolume;
    std::string Referencia;    // AAMM
    std::string AnoReferencia; // AA
    std::string MesReferencia; // MM
    std::string AnoCompleto;   // "20" + AA
    std::string StatusVolume;
    std::string SequencialVolume;
    std::string NumeroVolume; // three characters
    // A numeric volume number marks an exit volume; "E" and two digits an entry volume.
    bool VolumeDeSaida = false;
    // The identification's CNPJ without separators, the one the 33-character name must carry.
    std::string CnpjContribuinte;

    bool operator==(const ComponentesVolume&) const = default;
};

} // namespace tessarin
