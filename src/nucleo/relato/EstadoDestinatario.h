#pragma once

namespace tessarin {

// Per-run state kept by the Destinatario record checks.
struct EstadoDestinatario
{
    // Back to the start of a run.
    void Reinicia() { *this = EstadoDestinatario{}; }
};

} // namespace tessarin
