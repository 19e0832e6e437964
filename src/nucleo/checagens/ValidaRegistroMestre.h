#pragma once

#include "dados/GeracaoLayout.h"

#include <string_view>

namespace tessarin {

struct ContextoValidacao;
struct CamposMestre;

// The document's authentication code (field 13) against the digest of the fields it covers.
bool CodigoDocumentoConfere(const CamposMestre& m, GeracaoLayout geracao);
// The same for a whole record, cutting only the fields the code covers.
bool CodigoDocumentoConfere(std::string_view registro, GeracaoLayout geracao);

// Checks one Mestre record (the whole record, CR LF included) from its item reference to its reference
// period, then its service fields and record end (ValidaFimRegistroMestre). Reports every finding against
// ctx.IndiceMestre and leaves for the rest of the document: ctx.CursorItem, ctx.DocumentoAtual,
// ctx.RegistroMestre, the document's values in ctx.Mestre, and the Mestre totals and counts.
void ValidaRegistroMestre(ContextoValidacao& ctx, std::string_view registro);

} // namespace tessarin
