#pragma once

#include <string>

namespace tessarin {

struct ContextoValidacao;
struct Instante;

// The volume's reference against the calendar and the program's range, and the first and last documents
// against the reference and each other. Returns the gathered text; a non-empty one ends the run before the
// record loop. Reads the facts taken from the first and last records.
std::string ValidaReferenciaEDatas(const ContextoValidacao& ctx, const Instante& hoje);

} // namespace tessarin
