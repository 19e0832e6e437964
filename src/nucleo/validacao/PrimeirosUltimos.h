#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessarin {

struct ContextoValidacao;
class LeitorRegistros;
class PortaDialogo;

// The platform's text-to-integer reading, as the document numbers have always been judged: leading blanks
// are skipped, a sign may follow, then digits to the very end; "$", "x", "X" or "0x" introduce
// hexadecimal digits. Nothing else reads, a trailing blank included. Decimal values must fit the signed
// type; hexadecimal ones may use the whole unsigned range and wrap, as the platform's reading does.
std::optional<std::int32_t> LeInteiro32(std::string_view texto);
std::optional<std::int64_t> LeInteiro64(std::string_view texto);

// Takes the first and last Mestre records' document facts (417, 418), the volume's model, the first Item
// record, and the last Item record that carries a date, searching backwards. The readers are open with
// the generation's record lengths, and `RegistrosMestre`/`RegistrosItem` are set. A record that cannot be
// reached is announced as a warning and its facts stay empty.
void LePrimeiroEUltimo(ContextoValidacao& ctx, LeitorRegistros& mestre, LeitorRegistros& item, PortaDialogo& dialogo);

// Record counts of the opened files: fewer Item than Mestre records (401), or a Destinatario count that
// differs from the Mestre's (412). Both mark the volume as failed and colour the count cells.
void ComparaQuantidades(ContextoValidacao& ctx);

} // namespace tessarin
