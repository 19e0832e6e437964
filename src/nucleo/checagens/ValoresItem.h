#pragma once

#include <cstdint>
#include <string_view>

namespace tessarin {

struct ContextoValidacao;

// From 1701: the value and sign rules of one Item record (v_03 layout) that is not cancelled and whose six
// value fields are signed integers. Adds the item to the control file's item summaries, then reports at
// most one inconsistency (two where CFOP "0000" or groups 08/09 fail both their zero and their total rule).
void ValidaValoresItem(ContextoValidacao& ctx, std::string_view registro, std::int32_t indiceRegistro);

} // namespace tessarin
