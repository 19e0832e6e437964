#include "checagens/ComparaSomasDocumento.h"

#include "checagens/CamposMestre.h"
#include "checagens/CortesRegistro.h"
#include "dados/Texto1252.h"
#include "registros/LayoutRegistro.h"
#include "registros/ValidadoresCampo.h"
#include "relato/ContextoValidacao.h"
#include "relato/RegistrarOcorrencia.h"

#include <array>
#include <string>

namespace tessarin {

namespace {

struct Divergencia
{
    int Codigo;
    const char* Texto; // UTF-8 source text of the list heading
};

constexpr std::array<Divergencia, 5> Divergencias = {{
    {402, "Erro: 402 - divergência na soma de valores totais do item"},
    {403, "Erro: 403 - divergência na soma de valores BC do item"},
    {404, "Erro: 404 - divergência na soma de valores de ICMS do item"},
    {405, "Erro: 405 - divergência na soma de valores isentos do item"},
    {406, "Erro: 406 - divergência na soma de outros valores do item"},
}};

// A divergence is written by the run itself, not through the reporter: its location is the record number as
// eight grouped digits, and it reaches the 1000-error limit one occurrence earlier than reported codes do.
void EscreveDivergencia(ContextoValidacao& ctx, std::size_t qual)
{
    static const std::array<std::string, 5> cabecalhos = [] {
        std::array<std::string, 5> r;
        for (std::size_t i = 0; i < r.size(); ++i) {
            r[i] = ParaWin1252(Divergencias[i].Texto);
        }
        return r;
    }();
    static const std::string prefixo = ParaWin1252("         Arquivo: Mestre, Registro nº: ");

    const int codigo = Divergencias[qual].Codigo;
    const std::int64_t numero = static_cast<std::int64_t>(ctx.IndiceMestre) + 1;
    const std::string agrupado = FormataQuantidade(numero + 100000000);
    const std::string localizacao = prefixo + agrupado.substr(std::min<std::size_t>(5, agrupado.size()), 10);
    const std::string linhaLog =
        std::to_string(numero) + ";E;MxI;" + std::to_string(codigo) + ";S/VALOR;" + ctx.DocumentoAtual;

    AchadoOcorrencia achado;
    achado.Codigo = codigo;
    achado.Arquivo = "MxI";
    achado.Registro = numero;
    achado.Conteudo = "S/VALOR";
    achado.Documento = ctx.DocumentoAtual;

    const bool listada = ctx.ExibirNaTela;
    const std::int32_t errosAntes = ctx.QuantidadeErros;
    RegistraDireta(ctx, codigo, cabecalhos[qual], localizacao, linhaLog, true, achado);
    if (listada && errosAntes >= 999) {
        AcrescentaLinhasDeLimite(ctx);
    }
}

} // namespace

void ComparaSomasDocumento(ContextoValidacao& ctx, std::string_view ultimoItem)
{
    const SomasItensDocumento& s = ctx.Mestre.SomasItens;
    const EstadoMestre& e = ctx.Mestre;
    const std::array<bool, 5> diverge = {
        s.ValorTotal + s.Acrescimos - s.Descontos != e.ValorTotal(),
        s.BaseIcms != e.BaseIcms(),
        s.ValorIcms != e.ValorIcms(),
        s.Isentas != e.Isentas(),
        s.Outros != e.Outros(),
    };
    for (std::size_t i = 0; i < diverge.size(); ++i) {
        if (diverge[i]) {
            EscreveDivergencia(ctx, i);
        }
    }

    // A document whose last item is cancelled adds nothing to the Item totals.
    static const std::array<std::size_t, 3> posicoesSituacao = [] {
        std::array<std::size_t, 3> r{};
        for (const GeracaoLayout g : {GeracaoLayout::V01, GeracaoLayout::V02, GeracaoLayout::V03}) {
            r[static_cast<std::size_t>(g)] = static_cast<std::size_t>(LayoutItem(g).Campo(26)->Inicio);
        }
        return r;
    }();
    const std::size_t posicaoSituacao = posicoesSituacao[static_cast<std::size_t>(ctx.Geracao)];
    const bool cancelado =
        ultimoItem.size() >= posicaoSituacao && texto_campo::Maiuscula(ultimoItem[posicaoSituacao - 1]) == 'S';
    if (!cancelado) {
        const std::array<double, 7> somas = {s.ValorTotal, s.BaseIcms,  s.ValorIcms, s.Isentas,
                                             s.Outros,     s.Descontos, s.Acrescimos};
        for (std::size_t i = 0; i < somas.size(); ++i) {
            ctx.TotaisItem[i] += somas[i];
        }
    }

    // Three fields of the Mestre are all this needs: cut just those, in the places CortaCamposMestre uses.
    const CortesRegistro& cortes = CortesMestre(ctx.Geracao);
    const std::string_view modelo = cortes.Campo(ctx.RegistroMestre, 10);
    if (modelo != "21" && modelo != "22") {
        return;
    }
    if (!s.TipoUtilizacaoEncontrado) {
        std::string conteudo = "Mestre=";
        conteudo.append(cortes.Campo(ctx.RegistroMestre, 6)).append("; Itens=").append(s.TiposUtilizacao);
        Registra(ctx, 189, ctx.IndiceMestre, conteudo);
    }
    const std::string_view terminal = cortes.Campo(ctx.RegistroMestre, 22);
    if (ctx.Volume.Referencia >= "1701" && s.ExigeTerminal && texto_campo::EmBranco(terminal)) {
        Registra(ctx, 195, ctx.IndiceMestre, terminal);
    }
}

} // namespace tessarin
