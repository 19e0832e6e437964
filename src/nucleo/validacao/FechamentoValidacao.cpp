#include "validacao/FechamentoValidacao.h"

#include "dados/Texto1252.h"
#include "registros/ValidadoresCampo.h"
#include "relato/ContextoValidacao.h"
#include "validacao/OcorrenciaVolume.h"

#include <array>
#include <initializer_list>

namespace tessarin {

namespace {

struct ComparacaoTotal
{
    int Codigo;
    const char* Cabecalho;
    int IndiceMestre; // in TotaisMestre
    std::initializer_list<Celula> Celulas;
};

// Totals cells in the order the window shows them.
void MostraTotais(PortaJanela& janela, const ContextoValidacao& ctx)
{
    const auto mostra = [&](Celula celula, double valor) {
        janela.DefineCelula(celula, AlinhaDireita(FormataDinheiro(valor), 20));
    };
    mostra(Celula::MestreVT, ctx.TotaisMestre[0]);
    mostra(Celula::MestreBC, ctx.TotaisMestre[1]);
    mostra(Celula::MestreICMS, ctx.TotaisMestre[2]);
    mostra(Celula::MestreIsentas, ctx.TotaisMestre[3]);
    mostra(Celula::MestreOutros, ctx.TotaisMestre[4]);
    mostra(Celula::ItemV, ctx.TotaisItem[0]);
    mostra(Celula::ItemBC, ctx.TotaisItem[1]);
    mostra(Celula::ItemICMS, ctx.TotaisItem[2]);
    mostra(Celula::ItemIsentas, ctx.TotaisItem[3]);
    mostra(Celula::ItemOutros, ctx.TotaisItem[4]);
    mostra(Celula::ItemD, ctx.TotaisItem[5]);
    mostra(Celula::ItemA, ctx.TotaisItem[6]);

    const std::string ok = std::string(20, ' ') + "Ok";
    const std::array<std::pair<Celula, std::int32_t>, 4> resumos{{
        {Celula::HashRegistroMestre, ctx.DivergenciasRegistroMestre},
        {Celula::HashRubricaMestre, ctx.DivergenciasDocumento},
        {Celula::HashRegistroItem, ctx.DivergenciasRegistroItem},
        {Celula::HashRegistroCadastro, ctx.DivergenciasRegistroDestinatario},
    }};
    for (const auto& [celula, divergencias] : resumos) {
        if (divergencias == 0) {
            janela.DefineCelula(celula, ok);
        }
    }
}

// One summary line per counted row of the kind: file prefix, code, description cut to 74, count.
void AcrescentaLinhasDoTipo(const ContextoValidacao& ctx, PortaJanela& janela, bool erros)
{
    const CatalogoOcorrencias& catalogo = ctx.Catalogo;
    for (int i = 0; i < catalogo.Quantidade(); ++i) {
        const auto& linha = catalogo[i];
        const std::int32_t contagem = ctx.ContagemPorCodigo[static_cast<std::size_t>(i)];
        if (linha.Erro() != erros || contagem <= 0) {
            continue;
        }
        const std::string_view arquivo = linha.Arquivo();
        std::string texto = arquivo == "M" ? "MEST " : arquivo == "I" ? "ITEM " : "DEST ";
        texto.append(linha.Codigo()).append("-");
        texto += AlinhaEsquerda(std::string_view(linha.Texto()).substr(21), 74);
        texto += FormataQuantidade(static_cast<std::int64_t>(contagem));
        janela.AcrescentaLinha(texto);
    }
}

// Breaks a text with CR LF line ends into list lines; the last line end closes the last line.
void AcrescentaTextoEmLinhas(PortaJanela& janela, std::string_view texto)
{
    while (!texto.empty()) {
        const auto fim = texto.find(CrLf);
        janela.AcrescentaLinha(texto.substr(0, fim));
        if (fim == std::string_view::npos) {
            break;
        }
        texto.remove_prefix(fim + CrLf.size());
    }
}

std::string SemBrancosIniciais(std::string texto)
{
    texto.erase(0, texto.find_first_not_of(' '));
    return texto;
}

} // namespace

void ComparaTotaisArquivos(ContextoValidacao& ctx)
{
    const auto& m = ctx.TotaisMestre;
    const auto& i = ctx.TotaisItem;
    // Item side of 407: the items' values with their surcharges added and their discounts taken off.
    const std::array<double, 5> ladoItem{i[0] + i[6] - i[5], i[1], i[2], i[3], i[4]};
    const std::array<ComparacaoTotal, 5> comparacoes{{
        {407,
         "Erro: 407 - divergência de somatório de valores totais",
         0,
         {Celula::MestreVT, Celula::ItemV, Celula::ItemD, Celula::ItemA}},
        {408, "Erro: 408 - divergência de somatório de valores BC", 1, {Celula::MestreBC, Celula::ItemBC}},
        {409, "Erro: 409 - divergência de somatório de valores de ICMS", 2, {Celula::MestreICMS, Celula::ItemICMS}},
        {410,
         "Erro: 410 - divergência de somatório de valores isentos",
         3,
         {Celula::MestreIsentas, Celula::ItemIsentas}},
        {411, "Erro: 411 - divergência de somatório de outros valores", 4, {Celula::MestreOutros, Celula::ItemOutros}},
    }};
    for (const ComparacaoTotal& c : comparacoes) {
        const double mestre = m[static_cast<std::size_t>(c.IndiceMestre)];
        const double item = ladoItem[static_cast<std::size_t>(c.IndiceMestre)];
        if (mestre == item) {
            continue;
        }
        const std::string valores = " M=" + FormataDinheiro(mestre) + " I=" + FormataDinheiro(item);
        const std::string linhaLog = std::to_string(static_cast<std::int64_t>(ctx.IndiceMestre) + 1) + ";E;MxI;" +
                                     std::to_string(c.Codigo) + ";" + valores + ";" + ctx.DocumentoAtual;
        RegistraOcorrenciaVolume(ctx, c.Codigo, ParaWin1252(c.Cabecalho), " Arquivos Mestre e Item", linhaLog, "MxI",
                                 valores, true, static_cast<std::int64_t>(ctx.IndiceMestre) + 1);
        if (ctx.Janela != nullptr) {
            for (const Celula celula : c.Celulas) {
                ctx.Janela->DefineCor(celula, Cor::Vermelho);
            }
        }
    }
    if (ctx.Janela != nullptr) {
        MostraTotais(*ctx.Janela, ctx);
    }
}

void VerificaItensNaoReferenciados(ContextoValidacao& ctx)
{
    if (ctx.QuantidadeErros != 0 || ctx.ItensValidados == ctx.LinhasItem) {
        return;
    }
    const std::string contagens = "total de linhas no arquivo Item: " + FormataMilhar(ctx.LinhasItem) +
                                  " ; total de itens validados: " + FormataMilhar(ctx.ItensValidados);
    const std::string cabecalho =
        ParaWin1252("Erro: 419 - Existem ítens que não são referenciados por Notas Fiscais [") + contagens + "]";
    const std::string linhaLog = "S/NRO;E;I;419;[" + contagens + "];S/NRO NF";
    RegistraOcorrenciaVolume(ctx, 419, cabecalho, "         Arquivo: Item", linhaLog, "I", contagens, false);
}

std::string MontaTextoJulho2012(const ContextoValidacao& ctx)
{
    struct Linha
    {
        int Codigo;
        const char* Texto;
    };
    static constexpr std::array<Linha, 14> SoSP{{
        {101, "* 101 - CNPJ/CPF não numérico ;"},
        {102, "* 102 - IE não informada ;"},
        {145, "* 145 - IE não informada, inválida, ou preenchimento incorreto ;"},
        {147, "* 147 - Nome ou Razão Social inválido(a), ou preenchimento incorreto ;"},
        {149, "* 149 - Código de Identificação do consumidor ou assinante inválido ;"},
        {233, "* 233 - CFOP inválido para o código de classificação do item ;"},
        {305, "* 305 - Número ( do endereço) deve ser numérico ;"},
        {307, "* 307 - CEP deve ser numérico ;"},
        {309, "* 309 - Bairro não informado, inválido, ou preenchimento incorreto ;"},
        {310, "* 310 - Município não informado, inválido, ou preenchimento incorreto ;"},
        {311, "* 311 - Sigla da UF diferente da informada no arquivo mestre ;"},
        {327, "* 327 - Código de identificação do cliente ou assinante diferente do informado no arquivo mestre ;"},
        {329, "* 329 - Número do terminal telefônico, ou da instalação, diferente do informado no arquivo mestre ;"},
        {330, "* 330 - Logradouro não informado, inválido, ou preenchimento incorreto ;"},
    }};
    static constexpr std::array<Linha, 2> Todos{{
        {140, "* 140 - Número do terminal telefônico com valor inválido diferente de LLNNNNNNNN ou LLNNNNNNNNN ;"},
        {316, "* 316 - Número do telefone de contato com valor inválido diferente de LLNNNNNNNN ou LLNNNNNNNNN ;"},
    }};
    std::string linhas;
    const auto acrescenta = [&](const Linha& l) {
        const int indice = ctx.Catalogo.Indice(l.Codigo);
        if (indice >= 0 && ctx.ContagemPorCodigo[static_cast<std::size_t>(indice)] > 0) {
            linhas += ParaWin1252(l.Texto);
            linhas += CrLf;
        }
    };
    if (ctx.Volume.UFVolume == "SP") {
        for (const Linha& l : SoSP) {
            acrescenta(l);
        }
    }
    for (const Linha& l : Todos) {
        acrescenta(l);
    }
    if (linhas.empty()) {
        return linhas;
    }
    std::string texto = ParaWin1252("Os erros de preenchimentos relacionados aos campos listados a seguir vão impedir "
                                    "a apresentação do arquivo a partir de 07/2012, assim procure sanear o problema:");
    texto.append(CrLf).append(CrLf).append(linhas);
    return texto;
}

void FinalizaLog(ContextoValidacao& ctx, const std::string& textoJulho)
{
    if (ctx.GravarLog && ctx.Log.Aberto() && ctx.QuantidadeErros == 0) {
        ctx.Log.EscreveLinha(
            ParaWin1252("*** Não foram encontrados erros que impedem a apresentação dos arquivos ***"));
        ctx.Log.EscreveLinha("");
        if (!textoJulho.empty()) {
            ctx.Log.Escreve(textoJulho);
        }
    }
    ctx.Log.Fecha();
}

void AcrescentaResumos(ContextoValidacao& ctx, const std::string& textoJulho)
{
    if (ctx.Janela == nullptr) {
        return;
    }
    PortaJanela& janela = *ctx.Janela;
    const std::string hifens(98, '-');
    if (ctx.QuantidadeErros > 0) {
        janela.AcrescentaLinha(" ");
        janela.AcrescentaLinha(ParaWin1252("Arq. Descrição do Erro") + std::string(69, ' ') + "Qtde    ");
        janela.AcrescentaLinha(hifens);
        AcrescentaLinhasDoTipo(ctx, janela, true);
        janela.AcrescentaLinha(hifens);
        janela.AcrescentaLinha(AlinhaDireita("Total de Erros: ", 83) + FormataQuantidade(ctx.QuantidadeErros));
        janela.AcrescentaLinha(" ");
    }
    if (ctx.QuantidadeAdvertencias > 0) {
        janela.AcrescentaLinha(" ");
        janela.AcrescentaLinha(ParaWin1252("Arq. Descrição da Advertência") + std::string(61, ' ') + "Qtde    ");
        janela.AcrescentaLinha(hifens);
        AcrescentaLinhasDoTipo(ctx, janela, false);
        janela.AcrescentaLinha(hifens);
        janela.AcrescentaLinha(AlinhaDireita(ParaWin1252("Total de Advertências: "), 83) +
                               FormataQuantidade(ctx.QuantidadeAdvertencias));
        if (!textoJulho.empty()) {
            janela.AcrescentaLinha(" ");
            AcrescentaTextoEmLinhas(janela, textoJulho);
            janela.AcrescentaLinha(" ");
        }
    }
}

void MostraMensagemFinal(ContextoValidacao& ctx, PortaDialogo& dialogo, const std::string& textoJulho,
                         bool lacoCompleto)
{
    const std::string e = std::to_string(ctx.QuantidadeErros);
    const std::string a = SemBrancosIniciais(FormataQuantidade(ctx.QuantidadeAdvertencias));
    const std::string tempo = ParaWin1252("Processo de validação iniciado às : ") + HoraDoDia(ctx.HoraInicio) +
                              ParaWin1252(" e concluído às : ") + HoraDoDia(ctx.HoraFim) + ParaWin1252(" duração: ") +
                              Duracao(ctx.HoraInicio, ctx.HoraFim);
    const std::string contagem = "Foram encontrado(s): " + e + " erro(s) e " + a +
                                 ParaWin1252(" advertência(s), queira analisar as ocorrências...");
    PortaJanela* janela = ctx.Janela;
    const auto habilita = [&](std::initializer_list<Botao> botoes, bool gerar, Botao foco) {
        if (janela == nullptr) {
            return;
        }
        for (const Botao b : botoes) {
            janela->HabilitaBotao(b, true);
        }
        janela->HabilitaBotao(Botao::Gerar, gerar);
        janela->FocaBotao(foco);
    };
    const auto lista = {Botao::Imprimir, Botao::Salvar, Botao::Copiar};
    const auto controle = {Botao::ChkBoxMestre, Botao::ChkBoxItem, Botao::ChkBoxCadastro};

    const bool algo = ctx.QuantidadeErros > 0 || ctx.QuantidadeAdvertencias > 0;
    if (ctx.ValidacaoInterrompida || !lacoCompleto) {
        const std::string interrompido = ParaWin1252("Processo de validação interrompido.") + "\r\r";
        if (algo) {
            habilita(lista, false, Botao::Imprimir);
            dialogo.Mensagem(TipoMensagem::Erro, interrompido + contagem + "\r\r" + tempo);
        } else {
            dialogo.Mensagem(TipoMensagem::Erro, interrompido + tempo);
        }
        return;
    }
    const std::string concluida = ParaWin1252("Validação concluída!") + "\r\r";
    if (ctx.QuantidadeErros > 0) {
        habilita(lista, false, Botao::Imprimir);
        dialogo.Mensagem(TipoMensagem::Erro, contagem + "\r\r" + tempo);
    } else if (ctx.QuantidadeAdvertencias > 0) {
        habilita(lista, true, Botao::Gerar);
        habilita(controle, true, Botao::Gerar);
        dialogo.Mensagem(TipoMensagem::Informacao,
                         concluida + "Foram encontrada(s): " + a +
                             ParaWin1252(" advertência(s), procure sanear as ocorrências...") + "\r\r" + tempo);
        if (!textoJulho.empty()) {
            // Message boxes break lines with a single CR.
            std::string aviso;
            for (std::size_t i = 0; i < textoJulho.size(); ++i) {
                if (textoJulho[i] == '\r' && i + 1 < textoJulho.size() && textoJulho[i + 1] == '\n') {
                    continue;
                }
                aviso += textoJulho[i] == '\n' ? '\r' : textoJulho[i];
            }
            dialogo.Mensagem(TipoMensagem::Advertencia, aviso);
        }
    } else {
        habilita(controle, true, Botao::Gerar);
        dialogo.Mensagem(TipoMensagem::Informacao, concluida + tempo);
    }
}

} // namespace tessarin
