#pragma once

#include "dados/Texto1252.h"
#include "relato/Portas.h"

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tessarin::teste {

// A recording fake of every port a run uses. Questions and the save dialog are answered from scripts (in
// order; an empty script answers No / cancel); everything shown is recorded so a test can compare it.
// Texts are recorded as the core gives them (Windows-1252); `Utf8` helpers make assertions readable.
class PortasGravadas : public PortaDialogo, public PortaJanela, public PortaAndamento, public Relogio
{
public:
    // --- scripts ---
    std::deque<bool> Respostas;                            // answers to Pergunta
    std::deque<std::optional<std::string>> ArquivosSalvar; // answers to the save dialog
    // Interruption asked on the n-th call of InterrupcaoPedida (1-based); 0 never.
    int InterromperNaChamada = 0;
    Instante Hoje{2017, 3, 15, 10, 20, 30};

    // --- records ---
    struct MensagemGravada
    {
        TipoMensagem Tipo;
        std::string Texto;
    };
    std::vector<std::string> Perguntas;
    std::vector<MensagemGravada> Mensagens;
    std::vector<std::string> PropostasSalvar;
    std::vector<std::string> Lista;
    std::array<std::string, QuantidadeCelulas> Celulas{};
    std::array<Cor, QuantidadeCelulas> Cores{};
    std::array<std::optional<bool>, QuantidadeBotoes> Botoes{};
    std::optional<Botao> Foco;
    std::string Titulo;
    bool Ocupado = false, ProgressoVisivel = false;
    std::int64_t ProgressoPosicao = 0, ProgressoMaximo = 0;
    int ChamadasInterrupcao = 0;

    PortasGravadas() { Cores.fill(Cor::Branco); }
    Portas TodasAsPortas() { return Portas{*this, *this, *this, *this}; }

    bool Pergunta(std::string_view texto) override
    {
        Perguntas.emplace_back(texto);
        if (Respostas.empty()) {
            return false;
        }
        const bool r = Respostas.front();
        Respostas.pop_front();
        return r;
    }
    void Mensagem(TipoMensagem tipo, std::string_view texto) override
    {
        Mensagens.push_back({tipo, std::string(texto)});
    }
    std::optional<std::string> EscolheArquivoParaSalvar(std::string_view nomeProposto, std::string_view) override
    {
        PropostasSalvar.emplace_back(nomeProposto);
        if (ArquivosSalvar.empty()) {
            return std::nullopt;
        }
        auto r = ArquivosSalvar.front();
        ArquivosSalvar.pop_front();
        return r;
    }

    void AcrescentaLinha(std::string_view linha) override { Lista.emplace_back(linha); }
    void LimpaLista() override { Lista.clear(); }
    void DefineCelula(Celula c, std::string_view texto) override { Celulas[static_cast<std::size_t>(c)] = texto; }
    void DefineCor(Celula c, Cor cor) override { Cores[static_cast<std::size_t>(c)] = cor; }
    void HabilitaBotao(Botao b, bool h) override { Botoes[static_cast<std::size_t>(b)] = h; }
    void FocaBotao(Botao b) override { Foco = b; }
    void DefineTitulo(std::string_view t) override { Titulo = t; }
    void CursorOcupado(bool o) override { Ocupado = o; }
    void MostraProgresso(bool v) override { ProgressoVisivel = v; }
    void DefineProgresso(std::int64_t p, std::int64_t m) override
    {
        ProgressoPosicao = p;
        ProgressoMaximo = m;
    }

    void ProcessaPendentes() override {}
    bool InterrupcaoPedida() override { return ++ChamadasInterrupcao == InterromperNaChamada; }

    Instante Agora() override { return Hoje; }

    // --- reading helpers ---
    const std::string& Celula_(Celula c) const { return Celulas[static_cast<std::size_t>(c)]; }
    Cor Cor_(Celula c) const { return Cores[static_cast<std::size_t>(c)]; }
    std::optional<bool> Botao_(Botao b) const { return Botoes[static_cast<std::size_t>(b)]; }
    // The list as UTF-8, one line each.
    std::vector<std::string> ListaUtf8() const
    {
        std::vector<std::string> r;
        for (const auto& l : Lista) {
            r.push_back(ParaUtf8(l));
        }
        return r;
    }
};

} // namespace tessarin::teste
