#pragma once

#include <CLI/CLI.hpp>

namespace tessarin {

// `tessarin exemplo DIR [options]`: writes a valid sample volume and prints its Mestre file's path.
void RegistraComandoExemplo(CLI::App& app);

} // namespace tessarin
