#include "relato/RegistrarOcorrencia.h"

#include "dados/Texto1252.h"
#include "registros/ValidadoresCampo.h"
#include "relato/ContextoValidacao.h"

#include <string>

namespace tessarin {

namespace {

const std::string& Hifens()
{
    static const std::string linha(85, '-');
    return linha;
}

std::string_view PrefixoLocalizacao(std::string_view arquivo)
{
    if (arquivo == "M") {
        return "         Arquivo: Mestre, registro: ";
    }
    if (arquivo == "I") {
        return "         Arquivo: Item, registro: ";
    }
    return "         Arquivo: Cadastro, registro: ";
}

} // namespace

void AcrescentaLinhasDeLimite(ContextoValidacao& ctx)
{
    static const std::string limite =
        ParaWin1252(" Limite de 1000 erros/advertências alcançado, as ocorrências não serão mais exibidas.");
    if (ctx.Janela != nullptr) {
        ctx.Janela->AcrescentaLinha(Hifens());
        ctx.Janela->AcrescentaLinha(limite);
        ctx.Janela->AcrescentaLinha(Hifens());
    }
    ctx.ExibirNaTela = false;
}

std::int32_t RegistrarOcorrencia(ContextoValidacao& ctx, int codigo, std::int32_t indiceRegistro,
                                 std::string_view conteudo, std::int32_t contador, std::string_view documento)
{
    const int indice = ctx.Catalogo.Indice(codigo);
    if (indice < 0) {
        return contador;
    }
    ++ctx.ContagemPorCodigo[static_cast<std::size_t>(indice)];
    const CatalogoOcorrencias::Linha& linha = ctx.Catalogo[indice];
    const std::int64_t numero = static_cast<std::int64_t>(indiceRegistro) + 1;

    if (ctx.ExibirNaTela) {
        static const std::string advertencia = ParaWin1252("Advertência: ");
        static const std::string conteudoRotulo = ParaWin1252(", posições: ");
        static const std::string conteudoAbre = ParaWin1252(", conteúdo:[");
        std::string cabecalho = linha.Erro() ? std::string("Erro: ") : advertencia;
        cabecalho.append(linha.Codigo()).append(" - ").append(linha.Descricao());
        std::string local(PrefixoLocalizacao(linha.Arquivo()));
        local.append(FormataQuantidadeLargura(numero, 10))
            .append(", campo: ")
            .append(linha.Campo())
            .append(conteudoRotulo)
            .append(linha.Posicoes())
            .append(conteudoAbre)
            .append(conteudo)
            .append("] ");
        if (ctx.Janela != nullptr) {
            ctx.Janela->AcrescentaLinha(cabecalho);
            ctx.Janela->AcrescentaLinha(local);
            ctx.Janela->AcrescentaLinha(" ");
        }
        if (contador >= 1000) {
            AcrescentaLinhasDeLimite(ctx);
        }
    }

    if (ctx.GravarLog) {
        std::string linhaLog = std::to_string(numero);
        linhaLog.append(";").append(linha.Tipo()).append(";").append(linha.Arquivo()).append(";");
        linhaLog.append(linha.Codigo()).append(";[").append(conteudo).append("];").append(documento);
        ctx.Log.EscreveLinha(linhaLog);
    }

    if (ctx.Achados != nullptr) {
        AchadoOcorrencia achado;
        achado.Codigo = codigo;
        achado.Tipo = linha.Erro() ? 'E' : 'A';
        achado.Arquivo = linha.Arquivo();
        achado.Registro = numero;
        achado.Campo = linha.Campo();
        achado.Posicoes = linha.Posicoes();
        achado.Conteudo = conteudo;
        achado.Documento = documento;
        ctx.Achados->Achado(achado);
    }
    return contador + 1;
}

void Registra(ContextoValidacao& ctx, int codigo, std::int32_t indiceRegistro, std::string_view conteudo,
              std::string_view documento)
{
    const int indice = ctx.Catalogo.Indice(codigo);
    if (indice < 0) {
        return;
    }
    std::int32_t& contador = ctx.Catalogo[indice].Erro() ? ctx.QuantidadeErros : ctx.QuantidadeAdvertencias;
    contador = RegistrarOcorrencia(ctx, codigo, indiceRegistro, conteudo, contador, documento);
}

void Registra(ContextoValidacao& ctx, int codigo, std::int32_t indiceRegistro, std::string_view conteudo)
{
    Registra(ctx, codigo, indiceRegistro, conteudo, ctx.DocumentoAtual);
}

void RegistraDireta(ContextoValidacao& ctx, int codigo, std::string_view cabecalho, std::string_view localizacao,
                    std::string_view linhaLog, bool soComExibir, const AchadoOcorrencia& achado)
{
    const int indice = ctx.Catalogo.Indice(codigo);
    if (indice >= 0) {
        ++ctx.ContagemPorCodigo[static_cast<std::size_t>(indice)];
    }
    ++ctx.QuantidadeErros;
    if ((!soComExibir || ctx.ExibirNaTela) && ctx.Janela != nullptr) {
        ctx.Janela->AcrescentaLinha(cabecalho);
        ctx.Janela->AcrescentaLinha(localizacao);
        ctx.Janela->AcrescentaLinha(" ");
    }
    if (ctx.GravarLog) {
        ctx.Log.EscreveLinha(linhaLog);
    }
    if (ctx.Achados != nullptr) {
        ctx.Achados->Achado(achado);
    }
}

} // namespace tessarin
