#pragma once

#include "relato/Portas.h"
#include "relato/RegistrarOcorrencia.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace tessarin::cli {

// Set by the Ctrl-C handler; the run sees it as ESC pressed and confirmed.
extern std::atomic<bool> InterrupcaoSinalizada;
void InstalaTratamentoCtrlC();

// The run's ports for a terminal: the occurrence list on standard output in UTF-8, message boxes on
// standard error, progress on standard error only when it is a terminal (redrawn a few times a second),
// questions answered by the command line's options.
class PortasTerminal : public PortaDialogo, public PortaJanela, public PortaAndamento
{
public:
    // `arquivoLog`: the answer to the log question and its save dialog (none: no log).
    PortasTerminal(std::optional<std::string> arquivoLog, bool mostrarLista);
    ~PortasTerminal() override;

    bool Pergunta(std::string_view texto) override;
    void Mensagem(TipoMensagem tipo, std::string_view texto) override;
    std::optional<std::string> EscolheArquivoParaSalvar(std::string_view, std::string_view) override;

    void AcrescentaLinha(std::string_view linha) override;
    void LimpaLista() override { lista_.clear(); }
    void DefineCelula(Celula celula, std::string_view texto) override;
    void DefineCor(Celula celula, Cor cor) override { cores_[static_cast<std::size_t>(celula)] = cor; }
    void HabilitaBotao(Botao botao, bool habilitado) override;
    void FocaBotao(Botao) override {}
    void DefineTitulo(std::string_view) override {}
    void CursorOcupado(bool) override {}
    void MostraProgresso(bool visivel) override;
    void DefineProgresso(std::int64_t posicao, std::int64_t maximo) override;

    void ProcessaPendentes() override;
    bool InterrupcaoPedida() override;

    const std::vector<std::string>& Lista() const { return lista_; }
    const std::string& CelulaTexto(Celula c) const { return celulas_[static_cast<std::size_t>(c)]; }
    bool BotaoHabilitado(Botao b) const { return botoes_[static_cast<std::size_t>(b)]; }

private:
    void DesenhaProgresso(bool forcar);
    void ApagaProgresso();

    std::optional<std::string> arquivoLog_;
    bool mostrarLista_;
    bool terminal_;
    bool progressoVisivel_ = false;
    bool progressoNaTela_ = false;
    std::int64_t posicao_ = 0, maximo_ = 0;
    std::chrono::steady_clock::time_point ultimoDesenho_{};
    std::vector<std::string> lista_;
    std::array<std::string, QuantidadeCelulas> celulas_{};
    std::array<Cor, QuantidadeCelulas> cores_{};
    std::array<bool, QuantidadeBotoes> botoes_{};
};

} // namespace tessarin::cli
