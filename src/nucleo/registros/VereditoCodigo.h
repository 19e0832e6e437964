#pragma once

#include <cstdint>

namespace tessarin {

// Whether a record's authentication code matched, when the run already knows it: the record digests are
// most of a run's cost, so they may be taken ahead of the checks on another thread. Desconhecido makes a
// check digest the record itself.
enum class VereditoCodigo : std::uint8_t { Desconhecido, Confere, Diverge };

// The known verdict, else the check's own digest.
template <typename Calcula> bool CodigoConfere(VereditoCodigo veredito, Calcula calcula)
{
    return veredito == VereditoCodigo::Desconhecido ? calcula() : veredito == VereditoCodigo::Confere;
}

// The verdicts for the records the checks are about to see; the run sets them just before each check and
// puts them back to Desconhecido after it.
struct VereditosRegistro
{
    VereditoCodigo Mestre = VereditoCodigo::Desconhecido;
    VereditoCodigo Documento = VereditoCodigo::Desconhecido;
    VereditoCodigo Item = VereditoCodigo::Desconhecido;
    VereditoCodigo Destinatario = VereditoCodigo::Desconhecido;
};

} // namespace tessarin
