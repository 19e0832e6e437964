#include "dados/GeracaoLayout.h"

namespace tessarin {

std::string_view TextoGeracao(GeracaoLayout g)
{
    switch (g) {
    case GeracaoLayout::V01:
        return "v_01";
    case GeracaoLayout::V02:
        return "v_02";
    case GeracaoLayout::V03:
        break;
    }
    return "v_03";
}

GeracaoLayout GeracaoDaReferencia(std::string_view referencia)
{
    if (referencia < "1207") {
        return GeracaoLayout::V01;
    }
    if (referencia < "1701") {
        return GeracaoLayout::V02;
    }
    return GeracaoLayout::V03;
}

int TamanhoMestre(GeracaoLayout g)
{
    return g == GeracaoLayout::V01 ? 256 : g == GeracaoLayout::V02 ? 260 : 427;
}

int TamanhoItem(GeracaoLayout g) { return g == GeracaoLayout::V03 ? 333 : 256; }

int TamanhoDestinatario(GeracaoLayout g)
{
    return g == GeracaoLayout::V01 ? 256 : g == GeracaoLayout::V02 ? 260 : 289;
}

} // namespace tessarin
