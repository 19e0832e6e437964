#pragma once

namespace tessarin {

struct ContextoValidacao;
struct Instante;

// The block that opens the log once the volume passed its structure checks: version, layout generation,
// the moment of the run, the Mestre name, the three files' line and byte counts, and the column legend.
// Writes nothing when the run keeps no log.
void EscreveCabecalhoLog(ContextoValidacao& ctx, const Instante& agora);

} // namespace tessarin
