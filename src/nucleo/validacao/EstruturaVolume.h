#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessarin {

struct ContextoValidacao;

// The volume-level checks made before any record is read: the name's components once more, then whether
// the three files can be read record by record at all.

// Series, year, month and status of the volume's name (413-416). Each finding is listed even in a run that
// writes a log, and marks the volume as failed so that the record loop does not run.
void ValidaComponentesNome(ContextoValidacao& ctx);

// Existence of the three files, the layout generation of the reference (with its record lengths), sizes,
// first lines and line counts. Fills the generation, the byte and the line counts of the context. Returns
// the gathered text of what is wrong; a non-empty text ends the run before the records are opened.
std::string ValidaEstrutura(ContextoValidacao& ctx);

// The two rules over the line counts alone, apart so that a million-line volume can be reasoned about
// without one on disk. The Mestre limit applies to SP volumes and to every volume from 1701 on.
std::string TextoLimiteLinhasMestre(std::int64_t linhasMestre, std::string_view uf, std::string_view referencia);
// The Destinatario file must match the Mestre line for line; the Item file may have more lines, never fewer.
// Judged only when every count is known (above zero).
std::string TextoConcordanciaLinhas(std::int64_t linhasMestre, std::int64_t linhasItem,
                                    std::int64_t linhasDestinatario);

} // namespace tessarin
