#pragma once

#include <string_view>

namespace tessarin {

struct ContextoValidacao;

// After the item walk of the current document: compares the item sums in ctx.Mestre.SomasItens with the
// document's values (402 to 406, written directly), adds the sums to the run's Item totals unless the last
// item is cancelled, and checks the document's type of use (189) and required terminal (195).
// `ultimoItem` is the document's last Item record; empty when the walk read none.
void ComparaSomasDocumento(ContextoValidacao& ctx, std::string_view ultimoItem);

} // namespace tessarin
