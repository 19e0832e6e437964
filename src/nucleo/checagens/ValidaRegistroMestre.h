#pragma once

#include <string_view>

namespace tessarin {

struct ContextoValidacao;

// Checks one Mestre record (the whole record, CR LF included) from its item reference to its reference
// period, then its service fields and record end (ValidaFimRegistroMestre). Reports every finding against
// ctx.IndiceMestre and leaves for the rest of the document: ctx.CursorItem, ctx.DocumentoAtual,
// ctx.RegistroMestre, the document's values in ctx.Mestre, and the Mestre totals and counts.
void ValidaRegistroMestre(ContextoValidacao& ctx, std::string_view registro);

} // namespace tessarin
