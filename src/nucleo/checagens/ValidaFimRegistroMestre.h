#pragma once

#include "checagens/CamposMestre.h"

#include <string_view>

namespace tessarin {

struct ContextoValidacao;

// Second half of a Mestre record's checks: terminal and installation numbers, reserved blanks, the service
// fields of references from 1701, the record's authentication code, its CR LF and line breaks inside it.
void ValidaFimRegistroMestre(ContextoValidacao& ctx, std::string_view registro);
// The same with the fields the caller already cut from `registro` (at most the generation's length long),
// so a record is cut once.
void ValidaFimRegistroMestre(ContextoValidacao& ctx, std::string_view registro, const CamposMestre& m);

} // namespace tessarin
