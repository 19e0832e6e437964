#pragma once

#include <stdexcept>
#include <string>

namespace tessarin {

// Its text is Windows-1252, like every text of the core.
// A failure of the platform while reading or writing a file (not a finding about the user's data): it ends
// the command that met it, with a message that names the file and the system's reason.
class ErroEntradaSaida : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;

    // "<what> <file>: <strerror(errno)>".
    static ErroEntradaSaida DoSistema(const std::string& acao, const std::string& arquivo, int codigoErro);
};

} // namespace tessarin
