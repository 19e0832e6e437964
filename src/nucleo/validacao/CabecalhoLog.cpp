#include "validacao/CabecalhoLog.h"

#include "dados/Texto1252.h"
#include "dados/Versao.h"
#include "relato/ContextoValidacao.h"
#include "validacao/OcorrenciaVolume.h"

#include <string>

namespace tessarin {

namespace {

std::string LinhaArquivo(const char* rotuloUtf8, std::int64_t linhas, std::int64_t bytes)
{
    return ParaWin1252(rotuloUtf8) + FormataMilhar(linhas) + " linhas, " + FormataMilhar(bytes) + " bytes.";
}

} // namespace

void EscreveCabecalhoLog(ContextoValidacao& ctx, const Instante& agora)
{
    if (!ctx.GravarLog) {
        return;
    }
    ArquivoLog& log = ctx.Log;
    log.EscreveLinha(ParaWin1252("Tessarin, versão : ") + VersaoComPonto());
    log.EscreveLinha(ParaWin1252("Versão do layout: ") + std::string(TextoGeracao(ctx.Geracao)));
    log.EscreveLinha(ParaWin1252("Data da Validação: ") + DataHora(agora));
    log.EscreveLinha("");
    log.EscreveLinha("Nome do arquivo Mestre: " + ctx.NomeMestre);
    log.EscreveLinha("");
    log.EscreveLinha(LinhaArquivo("Arquivo Mestre: ", ctx.LinhasMestre, ctx.BytesMestre));
    log.EscreveLinha(LinhaArquivo("Arquivo Destinatário: ", ctx.LinhasDestinatario, ctx.BytesDestinatario));
    log.EscreveLinha(LinhaArquivo("Arquivo Item: ", ctx.LinhasItem, ctx.BytesItem));
    log.EscreveLinha("");
    log.EscreveLinha("registro; tipo de ocorrencia; arquivo; codigo do erro; valor lido; documento fiscal");
    log.EscreveLinha("");
}

} // namespace tessarin
