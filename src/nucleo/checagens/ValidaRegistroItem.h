#pragma once

#include <string_view>

namespace tessarin {

struct ContextoValidacao;

// Every check of one Item record of the current document, in their fixed order: agreement with the
// document's Mestre record (ctx.RegistroMestre), CFOP and item number, texts, classification, quantities
// and values, situation and period, the fields of the 1701 layout with the value and sign rules, then the
// record's authentication code, its end and stray line breaks. Reports with ctx.CursorItem as the record
// index and ctx.DocumentoAtual as the document; gathers the document's sums and marks in ctx.Item (the
// record loop calls ctx.Item.ReiniciaDocumento() before each document's first item) and counts a failed
// authentication code in ctx.DivergenciasRegistroItem.
void ValidaRegistroItem(ContextoValidacao& ctx, std::string_view registro);

} // namespace tessarin
