#include "registros/ErroEntradaSaida.h"

#include <cstring>

namespace tessarin {

ErroEntradaSaida ErroEntradaSaida::DoSistema(const std::string& acao, const std::string& arquivo, int codigoErro)
{
    return ErroEntradaSaida(acao + " " + arquivo + ": " + std::strerror(codigoErro));
}

} // namespace tessarin
