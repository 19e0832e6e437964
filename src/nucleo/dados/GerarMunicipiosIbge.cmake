# Turns the checked-in IBGE municipality list (tab-separated, UTF-8, one header line) into a C++ source of
# constant rows, so the list is compiled into the library and read once from static storage instead of
# from a file next to the program. Run at build time by the core's CMakeLists:
#   cmake -DENTRADA=municipios-ibge.tsv -DSAIDA=MunicipiosIbge.cpp -P GerarMunicipiosIbge.cmake
# Names stay UTF-8 here; the table converts them to Windows-1252 once when it is built.
#
# Any line that is not "seven digits, tab, two digits, tab, name" stops the build: a damaged list must not
# become a silently shorter table. The state column must be the first two digits of the code, and codes
# must rise strictly (no duplicates), because the table's lookups rely on one default row per code.

if(NOT ENTRADA OR NOT SAIDA)
  message(FATAL_ERROR "usage: cmake -DENTRADA=<tsv> -DSAIDA=<cpp> -P GerarMunicipiosIbge.cmake")
endif()

file(STRINGS "${ENTRADA}" linhas ENCODING UTF-8)
list(POP_FRONT linhas cabecalho)
string(REGEX REPLACE "\r$" "" cabecalho "${cabecalho}")
if(NOT cabecalho STREQUAL "codigo\tuf\tnome")
  message(FATAL_ERROR "${ENTRADA}: unexpected header line '${cabecalho}'")
endif()

set(d "[0-9]")
# Quotes, backslashes, semicolons and brackets are refused: they would need escaping in C++ or would be
# split by CMake's list handling, and no municipality name has them.
# (In a bracket class "]" must come first and a backslash is literal.)
set(formato "^(${d}${d}${d}${d}${d}${d}${d})\t(${d}${d})\t([^]\t\";[\\]+)$")

set(corpo "")
set(anterior "0000000")
set(numeroLinha 1)
foreach(linha IN LISTS linhas)
  math(EXPR numeroLinha "${numeroLinha} + 1")
  string(REGEX REPLACE "\r$" "" linha "${linha}")
  if(linha STREQUAL "")
    continue()
  endif()
  if(NOT linha MATCHES "${formato}")
    message(FATAL_ERROR "${ENTRADA}:${numeroLinha}: malformed line '${linha}'")
  endif()
  set(codigo "${CMAKE_MATCH_1}")
  set(uf "${CMAKE_MATCH_2}")
  set(nome "${CMAKE_MATCH_3}")
  string(SUBSTRING "${codigo}" 0 2 ufDoCodigo)
  if(NOT uf STREQUAL ufDoCodigo)
    message(FATAL_ERROR "${ENTRADA}:${numeroLinha}: state ${uf} is not the start of code ${codigo}")
  endif()
  if(NOT codigo STRGREATER anterior)
    message(FATAL_ERROR "${ENTRADA}:${numeroLinha}: code ${codigo} is not above the previous ${anterior}")
  endif()
  set(anterior "${codigo}")
  string(APPEND corpo "    {\"${codigo}\", \"${nome}\"},\n")
endforeach()

set(texto "// Generated from dados/municipios-ibge.tsv by dados/GerarMunicipiosIbge.cmake. Do not edit.
#include \"dados/ListaMunicipiosIbge.h\"

namespace tessarin {

namespace {
constexpr MunicipioIbge Lista[] = {
${corpo}};
} // namespace

std::span<const MunicipioIbge> ListaMunicipiosIbge() { return Lista; }

} // namespace tessarin
")

file(WRITE "${SAIDA}" "${texto}")
