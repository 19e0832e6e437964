#include "ComandoExemplo.h"
#include "ComandoValidar.h"

#include <CLI/CLI.hpp>

// Only wires the subcommands; each one lives in its own file with its registration function. A subcommand
// that fails throws CLI::RuntimeError with its exit status; any other parse failure is bad usage (2).
int main(int argc, char** argv)
{
    CLI::App app{"Tessarin: validação de volumes do Convênio ICMS 115/03"};
    app.require_subcommand(1);
    tessarin::RegistraComandoExemplo(app);
    tessarin::RegistraComandoValidar(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 || e.get_name() == "RuntimeError" ? status : 2;
    }
    return 0;
}
