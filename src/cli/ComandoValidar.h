#pragma once

#include <CLI/CLI.hpp>

namespace tessarin {

// `tessarin validar MESTRE (--identificacao FILE.ini | --cnpj CNPJ) [--log F] [--lista F] [--json F]`: one
// validation run as the window does it. Exit status 0 without errors, 1 with errors or a run ended by its
// structure or dates, 2 for bad usage or an input/output failure, 130 when interrupted.
void RegistraComandoValidar(CLI::App& app);

} // namespace tessarin
