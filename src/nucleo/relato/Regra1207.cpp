#include "relato/Regra1207.h"

#include "relato/ContextoValidacao.h"

namespace tessarin {

bool Regra1207(const ContextoValidacao& ctx)
{
    if (ctx.Volume.Referencia > "1206") {
        return true;
    }
    if (ctx.Tempo == nullptr) {
        return false;
    }
    const Instante hoje = ctx.Tempo->Agora();
    return hoje.Ano > 2012 || (hoje.Ano == 2012 && hoje.Mes > 6);
}

} // namespace tessarin
