#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessarin {

struct ContextoValidacao;

// Pieces shared by the findings about the whole volume: they do not go through the record reporter because
// they belong to no record, so each phase builds its own heading, location and log line.

// Counts, lists and logs one such finding. `arquivo` is what the log line names ("M,I,D", "MxI"...),
// `soComExibir` keeps it off the list once the list was turned off (the log or the limit).
void RegistraOcorrenciaVolume(ContextoValidacao& ctx, int codigo, std::string_view cabecalho,
                              std::string_view localizacao, std::string_view linhaLog, std::string_view arquivo,
                              std::string_view conteudo, bool soComExibir, std::int64_t registro = 0);

// Grouped digits with no padding, and nothing at all for zero: the volume texts and the log header show
// an empty file as "()" rather than "(0)".
std::string FormataMilhar(std::int64_t valor);

// Cents as money with two decimals, grouped, no padding, and the one trailing blank the log lines and
// the totals cells carry.
std::string FormataDinheiro(double centavos);

// "\r\n", the end of every finding in the gathered texts and of every log line.
inline constexpr std::string_view CrLf = "\r\n";

} // namespace tessarin
