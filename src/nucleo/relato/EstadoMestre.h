#pragma once

namespace tessarin {

// Per-run state kept by the Mestre record checks, their service and record-end checks and the document item sums
// (current document's Mestre values, expected next document number, cancelled count, negative-ICMS document summary for
// the control file, ...).
struct EstadoMestre
{
    // Back to the start of a run.
    void Reinicia() { *this = EstadoMestre{}; }
};

} // namespace tessarin
