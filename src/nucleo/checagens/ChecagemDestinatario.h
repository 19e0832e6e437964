#pragma once

#include <string_view>

namespace tessarin {

struct ContextoValidacao;

// Examines the Destinatario record that belongs to the current document (same index as the Mestre record
// in ctx.IndiceMestre, whose whole text is ctx.RegistroMestre): its copy of the document's data, the
// customer's address and telephones, the municipality code against the IBGE tables, the authentication
// code and the record's end. Every finding goes through the reporter with ctx.DocumentoAtual; a digest
// mismatch also counts in ctx.DivergenciasRegistroDestinatario, which the loop shows. `registro` is the
// record as read, CR LF included; nothing past the generation's record length is read. A record that
// passes costs no allocation.
void ValidaRegistroDestinatario(ContextoValidacao& ctx, std::string_view registro);

} // namespace tessarin
