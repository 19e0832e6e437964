#include "dados/Versao.h"

namespace tessarin {

std::string VersaoComPonto()
{
    std::string texto(VersaoPrograma.substr(0, 1));
    texto += '.';
    texto += VersaoPrograma.substr(1);
    return texto;
}

} // namespace tessarin
