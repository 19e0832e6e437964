#pragma once

#include "relato/ContextoValidacao.h"
#include "relato/Portas.h"
#include "validacao/NomeVolume.h"

#include <string>

namespace tessarin {

class DigestsAntecipados;
class LeitorRegistros;

// How a run ended.
enum class FimValidacao {
    Estrutura,         // the files' structure is faulty: one " ERRO: " message, no summary
    Referencia,        // the reference or the first/last dates are faulty: " ERROS DETECTADOS: "
    Concluida,         // the record loop ran to its end, or was skipped by a volume fault
    Interrompida,      // the person stopped the loop and confirmed
    FalhaEntradaSaida, // the system failed a read or write: the run ended with its message
};

struct ResultadoValidacao
{
    FimValidacao Fim = FimValidacao::Concluida;
    std::string MensagemFalha; // the input/output failure's text, Windows-1252
};

// One validation of the chosen volume, from the log question to the closing message: the
// "&Validar Arquivos" command. The volume's names and components must already be in the context.
class ValidacaoVolume
{
public:
    ValidacaoVolume(ContextoValidacao& ctx, Portas portas) : ctx_(ctx), portas_(portas) {}

    ResultadoValidacao BtnValidarClick();

    // The record digests are taken ahead on a second thread unless turned off (the results are the same;
    // tests compare both ways).
    void DigestsEmParalelo(bool ligado) { digestsEmParalelo_ = ligado; }

private:
    void Inicia();
    void PerguntaLog();
    void LacoRegistros(LeitorRegistros& mestre, LeitorRegistros& item, LeitorRegistros& destinatario);
    void PercorreItens(LeitorRegistros& item, std::string_view& ultimoItem, DigestsAntecipados* digests);
    // Shows the divergence counts of cells `primeira` to `ultima` (in CelulasDivergencia order) that changed.
    void AtualizaDivergencias(int primeira, int ultima);
    void EncerraPorEstrutura(const std::string& texto);
    void EncerraPorReferencia(const std::string& texto);
    void Fecha(bool lacoExecutado, bool completo);
    std::string Caminho(const std::string& nome) const;

    ContextoValidacao& ctx_;
    Portas portas_;
    std::int32_t divergenciasVistas_[4] = {0, 0, 0, 0};
    bool digestsEmParalelo_ = true;
};

// Puts a chosen volume's components, names and folder into the context for the next run.
void DefineVolume(ContextoValidacao& ctx, const VolumeEscolhido& volume);

// Appends a text to the list, one line per CR LF-separated piece, as a memo shows it.
void AcrescentaTexto(PortaJanela* janela, std::string_view texto);

} // namespace tessarin
