#pragma once

#include <span>
#include <string_view>

namespace tessarin {

// One line of the IBGE municipality list as checked in (dados/municipios-ibge.tsv): the seven-digit code
// and the official name in UTF-8, as written in the list. The state is the code's first two digits.
struct MunicipioIbge
{
    std::string_view codigo;
    std::string_view nomeUtf8;
};

// The whole list in ascending code order, compiled from the TSV at build time. Only TabelaMunicipios
// reads it; everything else asks the table, which adds the rows the list lacks.
std::span<const MunicipioIbge> ListaMunicipiosIbge();

} // namespace tessarin
