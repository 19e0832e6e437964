#pragma once

namespace tessarin {

// Per-run state kept by the Item record checks and the value and sign rules (the current document's item sums and marks
// that the document sums read, the item ordinal, cancelled items, the three item summaries of the control file, ...).
struct EstadoItem
{
    // Back to the start of a run.
    void Reinicia() { *this = EstadoItem{}; }
};

} // namespace tessarin
