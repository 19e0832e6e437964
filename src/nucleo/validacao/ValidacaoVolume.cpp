#include "validacao/ValidacaoVolume.h"

#include "checagens/ChecagemDestinatario.h"
#include "checagens/ComparaSomasDocumento.h"
#include "checagens/ValidaRegistroItem.h"
#include "checagens/ValidaRegistroMestre.h"
#include "dados/Texto1252.h"
#include "registros/ErroEntradaSaida.h"
#include "registros/LeitorRegistros.h"
#include "registros/ValidadoresCampo.h"
#include "relato/RegistrarOcorrencia.h"
#include "validacao/CabecalhoLog.h"
#include "validacao/DigestsAntecipados.h"
#include "validacao/EstruturaVolume.h"
#include "validacao/FechamentoValidacao.h"
#include "validacao/PrimeirosUltimos.h"
#include "validacao/ReferenciaDatas.h"

#include <optional>

#include <algorithm>

namespace tessarin {

namespace {

// Positions (0-based here) the walk reads: the document number of a Mestre record (95-103), its reference
// to the first item (201-209), an Item record's document number (34-42) and item number (47-49).
constexpr std::size_t PosNumeroMestre = 94;
constexpr std::size_t PosReferenciaItem = 200;
constexpr std::size_t PosNumeroItem = 33;
constexpr std::size_t PosOrdemItem = 46;

constexpr Celula CelulasDivergencia[4] = {Celula::HashRegistroMestre, Celula::HashRubricaMestre,
                                          Celula::HashRegistroItem, Celula::HashRegistroCadastro};

// The run's own literal texts are written in UTF-8 here and shown in Windows-1252.
std::string Texto(const char* utf8)
{
    return ParaWin1252(utf8);
}

} // namespace

void DefineVolume(ContextoValidacao& ctx, const VolumeEscolhido& volume)
{
    ctx.Volume = volume.Componentes;
    // The names as they are on disk: a lower-case volume keeps its own names.
    ctx.NomeMestre = volume.CaminhoMestre.filename().string();
    ctx.NomeItem = volume.CaminhoItem.filename().string();
    ctx.NomeDestinatario = volume.CaminhoDestinatario.filename().string();
    ctx.Pasta = volume.CaminhoMestre.parent_path().string();
}

void AcrescentaTexto(PortaJanela* janela, std::string_view texto)
{
    if (janela == nullptr) {
        return;
    }
    std::size_t inicio = 0;
    while (true) {
        const std::size_t fim = texto.find("\r\n", inicio);
        if (fim == std::string_view::npos) {
            janela->AcrescentaLinha(texto.substr(inicio));
            return;
        }
        janela->AcrescentaLinha(texto.substr(inicio, fim - inicio));
        inicio = fim + 2;
    }
}

std::string ValidacaoVolume::Caminho(const std::string& nome) const
{
    return ctx_.Pasta.empty() ? nome : ctx_.Pasta + "/" + nome;
}

void ValidacaoVolume::PerguntaLog()
{
    if (!portas_.Dialogo.Pergunta(Texto("Deseja gerar arquivo de ocorrências de erros/advertências ?"))) {
        return;
    }
    const std::string proposto =
        "Log de erros do " + ctx_.Volume.NomeBase + " volume " + ctx_.Volume.NumeroVolume + ".txt";
    const auto escolhido =
        portas_.Dialogo.EscolheArquivoParaSalvar(proposto, "Arquivo Texto (*.txt)|*.txt|Qualquer Arquivo (*.*)|*.*");
    if (!escolhido) {
        return;
    }
    ctx_.Log.Cria(*escolhido);
    ctx_.GravarLog = true;
    ctx_.ExibirNaTela = false;
}

void ValidacaoVolume::Inicia()
{
    ctx_.Reinicia();
    ctx_.Janela = &portas_.Janela;
    ctx_.Tempo = &portas_.Tempo;
    PerguntaLog();
    ctx_.HoraInicio = portas_.Tempo.Agora();
    PortaJanela& janela = portas_.Janela;
    janela.CursorOcupado(true);
    // The window is cleared: every value cell white and empty, the list emptied.
    for (int c = 0; c < QuantidadeCelulas; ++c) {
        janela.DefineCelula(static_cast<Celula>(c), "");
        janela.DefineCor(static_cast<Celula>(c), Cor::Branco);
    }
    janela.LimpaLista();
    for (const Botao b : {Botao::Imprimir, Botao::Salvar, Botao::Copiar, Botao::Gerar}) {
        janela.HabilitaBotao(b, false);
    }
    // A second run, another volume or closing the window while this one runs would share its state.
    for (const Botao b : {Botao::Arquivo, Botao::Validar, Botao::Sair}) {
        janela.HabilitaBotao(b, false);
    }
    janela.MostraProgresso(true);
    janela.DefineProgresso(0, 0);
    for (auto& d : divergenciasVistas_) {
        d = 0;
    }
}

void ValidacaoVolume::EncerraPorEstrutura(const std::string& texto)
{
    portas_.Janela.MostraProgresso(false);
    portas_.Janela.CursorOcupado(false);
    ctx_.HoraFim = portas_.Tempo.Agora();
    ctx_.Log.Fecha();
    portas_.Dialogo.Mensagem(TipoMensagem::Erro, " ERRO: \r\n\r\n" + texto + ";");
}

void ValidacaoVolume::EncerraPorReferencia(const std::string& texto)
{
    PortaJanela& janela = portas_.Janela;
    janela.MostraProgresso(false);
    janela.CursorOcupado(false);
    ctx_.HoraFim = portas_.Tempo.Agora();
    janela.AcrescentaLinha(" ");
    AcrescentaTexto(&janela, texto);
    janela.AcrescentaLinha(" ");
    janela.DefineCor(Celula::MestreQtde, Cor::Vermelho);
    janela.DefineCor(Celula::ItemQtde, Cor::Vermelho);
    if (ctx_.GravarLog) {
        ctx_.Log.Escreve(texto + "\r\n");
    }
    ctx_.Log.Fecha();
    portas_.Dialogo.Mensagem(TipoMensagem::Erro, " ERROS DETECTADOS: \r\n\r\n" + texto);
}

void ValidacaoVolume::AtualizaDivergencias(int primeira, int ultima)
{
    const std::int32_t atuais[4] = {ctx_.DivergenciasRegistroMestre, ctx_.DivergenciasDocumento,
                                    ctx_.DivergenciasRegistroItem, ctx_.DivergenciasRegistroDestinatario};
    for (int i = primeira; i <= ultima; ++i) {
        if (atuais[i] != divergenciasVistas_[i]) {
            divergenciasVistas_[i] = atuais[i];
            static const std::string sufixo = ParaWin1252(" divergência(s)");
            portas_.Janela.DefineCelula(CelulasDivergencia[i], "      Erro - " + std::to_string(atuais[i]) + sufixo);
            portas_.Janela.DefineCor(CelulasDivergencia[i], Cor::Vermelho);
        }
    }
}

void ValidacaoVolume::PercorreItens(LeitorRegistros& item, std::string_view& ultimoItem, DigestsAntecipados* digests)
{
    const std::string_view referencia = ctx_.RegistroMestre.substr(PosReferenciaItem, 9);
    const std::int32_t indice = ctx_.IndiceMestre;
    if (ctx_.CursorItem < 0 || ctx_.CursorItem >= ctx_.RegistrosItem) {
        Registra(ctx_, 137, indice, referencia);
        ++ctx_.DivergenciasRegistroMestre;
        return;
    }
    if (!item.Posiciona(ctx_.CursorItem)) {
        Registra(ctx_, 138, indice, referencia);
        ++ctx_.DivergenciasRegistroMestre;
        return;
    }
    std::string_view registro = item.Le();
    if (registro.substr(PosNumeroItem, 9) != ctx_.DocumentoAtual) {
        Registra(ctx_, 134, indice, referencia);
    } else if (registro.substr(PosOrdemItem, 3) != "001") {
        Registra(ctx_, 135, indice, referencia);
    }

    // Items skipped between the last walked one and this document's first belong to no document.
    if (ctx_.CursorItem != ctx_.ProximoItemEsperado && ctx_.CursorItem - 1 >= ctx_.ProximoItemEsperado) {
        for (std::int32_t k = ctx_.ProximoItemEsperado; k <= ctx_.CursorItem - 1; ++k) {
            item.Posiciona(k);
            const std::string_view orfao = item.Le();
            Registra(ctx_, 234, k, orfao.substr(0, 256), "ignorado");
        }
    }

    const auto avisaPonteiro = [this] {
        portas_.Dialogo.Mensagem(TipoMensagem::Advertencia, Texto("O ponteiro do detalhe é inválido [") +
                                                                std::to_string(ctx_.CursorItem) +
                                                                "](erro de acesso ao item)...");
    };
    item.Posiciona(ctx_.CursorItem);
    registro = item.Le();
    while (!registro.empty() && registro.substr(PosNumeroItem, 9) == ctx_.DocumentoAtual) {
        ++ctx_.ItensValidados;
        if (digests != nullptr) {
            ctx_.Vereditos.Item = digests->Item(ctx_.CursorItem);
        }
        ValidaRegistroItem(ctx_, registro);
        ctx_.Vereditos.Item = VereditoCodigo::Desconhecido;
        ++ctx_.CursorItem;
        if (!item.Posiciona(ctx_.CursorItem)) {
            avisaPonteiro();
            break;
        }
        registro = item.Le();
    }
    // The first item not yet walked never moves back: a reference into an earlier document (134) walks
    // nothing, and letting it pull the mark back would report that document's items, already validated, as
    // orphans of nobody.
    ctx_.ProximoItemEsperado = std::max(ctx_.ProximoItemEsperado, ctx_.CursorItem);
    --ctx_.CursorItem;
    if (ctx_.CursorItem >= 0) {
        // The document sums read the document's last item, as the walk leaves it.
        if (item.Posiciona(ctx_.CursorItem)) {
            ultimoItem = item.Le();
        } else {
            avisaPonteiro();
        }
    }
}

void ValidacaoVolume::LacoRegistros(LeitorRegistros& mestre, LeitorRegistros& item, LeitorRegistros& destinatario)
{
    const auto total = static_cast<std::int32_t>(ctx_.RegistrosMestre);
    std::optional<DigestsAntecipados> antecipados;
    if (digestsEmParalelo_) {
        antecipados.emplace(ctx_.Geracao, DigestsAntecipados::Arquivo{mestre.Caminho(), mestre.TamanhoRegistro()},
                            DigestsAntecipados::Arquivo{item.Caminho(), item.TamanhoRegistro()},
                            DigestsAntecipados::Arquivo{destinatario.Caminho(), destinatario.TamanhoRegistro()});
    }
    DigestsAntecipados* const digests = antecipados ? &*antecipados : nullptr;
    for (ctx_.IndiceMestre = 0; ctx_.IndiceMestre < total; ++ctx_.IndiceMestre) {
        mestre.Posiciona(ctx_.IndiceMestre);
        const std::string_view registro = mestre.Le();
        if (registro.size() < static_cast<std::size_t>(ctx_.TamanhoMestre)) {
            throw ErroEntradaSaida(Texto("Erro de leitura em ") + Caminho(ctx_.NomeMestre));
        }
        ctx_.RegistroMestre = registro;
        ctx_.DocumentoAtual.assign(registro.substr(PosNumeroMestre, 9));
        ctx_.CursorItem = 0;

        // Only the record's own code (136) rewrites its cell; the walk's 137 and 138 add to the same count
        // without touching the text, and show up in the next 136's count.
        divergenciasVistas_[0] = ctx_.DivergenciasRegistroMestre;
        if (digests != nullptr) {
            ctx_.Vereditos.Mestre = digests->Mestre(ctx_.IndiceMestre);
            ctx_.Vereditos.Documento = digests->Documento(ctx_.IndiceMestre);
        }
        ValidaRegistroMestre(ctx_, registro);
        ctx_.Vereditos.Mestre = ctx_.Vereditos.Documento = VereditoCodigo::Desconhecido;
        AtualizaDivergencias(0, 0);

        ctx_.Mestre.SomasItens.Reinicia();
        ctx_.Item.ReiniciaDocumento();
        std::string_view ultimoItem;
        PercorreItens(item, ultimoItem, digests);
        ComparaSomasDocumento(ctx_, ultimoItem);

        if (destinatario.Posiciona(ctx_.IndiceMestre)) {
            const std::string_view cadastro = destinatario.Le();
            if (!cadastro.empty()) {
                if (digests != nullptr) {
                    ctx_.Vereditos.Destinatario = digests->Destinatario(ctx_.IndiceMestre);
                }
                ValidaRegistroDestinatario(ctx_, cadastro);
                ctx_.Vereditos.Destinatario = VereditoCodigo::Desconhecido;
            }
        }
        AtualizaDivergencias(1, 3);

        portas_.Janela.DefineProgresso(ctx_.IndiceMestre, total);
        portas_.Andamento.ProcessaPendentes();
        if (portas_.Andamento.InterrupcaoPedida() &&
            portas_.Dialogo.Pergunta(Texto("Deseja interromper a validação ?"))) {
            ctx_.ValidacaoInterrompida = true;
            portas_.Janela.AcrescentaLinha(" ");
            portas_.Janela.AcrescentaLinha(Texto(" Validação interrompida..."));
            portas_.Janela.AcrescentaLinha(" ");
            break;
        }
    }
    ctx_.RegistroMestre = {};
}

void ValidacaoVolume::Fecha(bool lacoExecutado, bool completo)
{
    if (lacoExecutado && ctx_.QuantidadeErros == 0) {
        ComparaTotaisArquivos(ctx_);
    }
    if (ctx_.QuantidadeErros == 0) {
        VerificaItensNaoReferenciados(ctx_);
    }
    const std::string textoJulho = MontaTextoJulho2012(ctx_);
    FinalizaLog(ctx_, textoJulho);
    portas_.Janela.MostraProgresso(false);
    portas_.Janela.CursorOcupado(false);
    ctx_.HoraFim = portas_.Tempo.Agora();
    AcrescentaResumos(ctx_, textoJulho);
    MostraMensagemFinal(ctx_, portas_.Dialogo, textoJulho, completo);
}

ResultadoValidacao ValidacaoVolume::BtnValidarClick()
{
    ResultadoValidacao resultado;
    LeitorRegistros mestre, item, destinatario;
    try {
        Inicia();
        ValidaComponentesNome(ctx_);
        const std::string estrutura = ValidaEstrutura(ctx_);
        if (!estrutura.empty()) {
            EncerraPorEstrutura(estrutura);
            resultado.Fim = FimValidacao::Estrutura;
        } else {
            if (ctx_.GravarLog) {
                EscreveCabecalhoLog(ctx_, portas_.Tempo.Agora());
            }
            ctx_.Catalogo.ReescreveParaGeracao(ctx_.Geracao);

            std::string erro;
            const auto abre = [&](LeitorRegistros& leitor, const std::string& nome, int tamanho) {
                if (!leitor.Abre(Caminho(nome), tamanho, &erro)) {
                    throw ErroEntradaSaida(Texto("Não foi possível abrir ") + Caminho(nome) + ": " + erro);
                }
            };
            PortaJanela& janela = portas_.Janela;
            abre(mestre, ctx_.NomeMestre, ctx_.TamanhoMestre);
            ctx_.RegistrosMestre = std::max<std::int64_t>(1, mestre.Registros());
            janela.DefineCelula(Celula::MestreQtde, FormataQuantidadeLargura(ctx_.RegistrosMestre, 18));
            janela.DefineProgresso(0, ctx_.RegistrosMestre);
            abre(item, ctx_.NomeItem, ctx_.TamanhoItem);
            ctx_.RegistrosItem = std::max<std::int64_t>(1, item.Registros());
            janela.DefineCelula(Celula::ItemQtde, FormataQuantidadeLargura(ctx_.RegistrosItem, 18));
            LePrimeiroEUltimo(ctx_, mestre, item, portas_.Dialogo);
            abre(destinatario, ctx_.NomeDestinatario, ctx_.TamanhoDestinatario);
            ctx_.RegistrosDestinatario = destinatario.Registros();
            janela.DefineCelula(Celula::CadastroQtde, FormataQuantidadeLargura(ctx_.RegistrosDestinatario, 18));
            ComparaQuantidades(ctx_);

            const std::string referencia = ValidaReferenciaEDatas(ctx_, portas_.Tempo.Agora());
            if (!referencia.empty()) {
                EncerraPorReferencia(referencia);
                resultado.Fim = FimValidacao::Referencia;
            } else {
                const bool lacoExecutado = !ctx_.FalhaDeVolume;
                if (lacoExecutado) {
                    LacoRegistros(mestre, item, destinatario);
                }
                mestre.Fecha();
                item.Fecha();
                destinatario.Fecha();
                Fecha(lacoExecutado, !ctx_.ValidacaoInterrompida);
                resultado.Fim = ctx_.ValidacaoInterrompida ? FimValidacao::Interrompida : FimValidacao::Concluida;
            }
        }
    } catch (const ErroEntradaSaida& falha) {
        resultado.Fim = FimValidacao::FalhaEntradaSaida;
        resultado.MensagemFalha = falha.what();
        try {
            ctx_.Log.Fecha();
        } catch (const ErroEntradaSaida&) {
            // the first failure is the one to report
        }
        ctx_.HoraFim = portas_.Tempo.Agora();
        portas_.Janela.MostraProgresso(false);
        portas_.Janela.CursorOcupado(false);
        portas_.Dialogo.Mensagem(TipoMensagem::Erro, resultado.MensagemFalha);
    }
    ctx_.RegistroMestre = {};
    for (const Botao b : {Botao::Arquivo, Botao::Validar, Botao::Sair}) {
        portas_.Janela.HabilitaBotao(b, true);
    }
    return resultado;
}

} // namespace tessarin
