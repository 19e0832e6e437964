#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessarin {

// The run talks to the person only through these ports: the Qt window, the terminal and the tests each
// implement them. Every text crossing a port is Windows-1252; the implementation converts at its edge.

enum class TipoMensagem { Erro, Advertencia, Informacao };

// Questions, message boxes and the save dialog.
class PortaDialogo
{
public:
    virtual ~PortaDialogo() = default;
    // A Yes/No question; true for Yes.
    virtual bool Pergunta(std::string_view texto) = 0;
    // A message box with an OK button only. Line breaks inside the text are single CR characters.
    virtual void Mensagem(TipoMensagem tipo, std::string_view texto) = 0;
    // The save dialog: the chosen path, or nothing when cancelled. `filtro` is "Description|*.ext|...".
    virtual std::optional<std::string> EscolheArquivoParaSalvar(std::string_view nomeProposto,
                                                                std::string_view filtro) = 0;
};

// The value cells of the validation window's summary grid.
enum class Celula {
    MestreQtde,
    ItemQtde,
    CadastroQtde,
    MestreVT,
    MestreBC,
    MestreICMS,
    MestreIsentas,
    MestreOutros,
    ItemV,
    ItemD,
    ItemA,
    ItemBC,
    ItemICMS,
    ItemIsentas,
    ItemOutros,
    HashRegistroMestre,
    HashRubricaMestre,
    HashRegistroItem,
    HashRegistroCadastro,
};
inline constexpr int QuantidadeCelulas = static_cast<int>(Celula::HashRegistroCadastro) + 1;

enum class Cor { Branco, Vermelho };

// The commands and check boxes whose state the run decides.
enum class Botao {
    Arquivo,
    Validar,
    Gerar,
    Imprimir,
    Copiar,
    Salvar,
    Sair,
    ChkBoxMestre,
    ChkBoxItem,
    ChkBoxCadastro,
};
inline constexpr int QuantidadeBotoes = static_cast<int>(Botao::ChkBoxCadastro) + 1;

// What the validation window shows: the occurrence list, the cells, the commands, the progress panel.
class PortaJanela
{
public:
    virtual ~PortaJanela() = default;
    // One line of the occurrence list (the memo).
    virtual void AcrescentaLinha(std::string_view linha) = 0;
    virtual void LimpaLista() = 0;
    virtual void DefineCelula(Celula celula, std::string_view texto) = 0;
    virtual void DefineCor(Celula celula, Cor cor) = 0;
    virtual void HabilitaBotao(Botao botao, bool habilitado) = 0;
    virtual void FocaBotao(Botao botao) = 0;
    virtual void DefineTitulo(std::string_view titulo) = 0;
    virtual void CursorOcupado(bool ocupado) = 0;
    // The run's progress panel and its gauge.
    virtual void MostraProgresso(bool visivel) = 0;
    virtual void DefineProgresso(std::int64_t posicao, std::int64_t maximo) = 0;
};

// Lets pending work of the interface run during a long loop and tells whether the person asked to stop
// (ESC in the window, Ctrl-C in the terminal). Called once per document: implementations keep it cheap and
// refresh the screen on a timer, not on every call.
class PortaAndamento
{
public:
    virtual ~PortaAndamento() = default;
    virtual void ProcessaPendentes() = 0;
    virtual bool InterrupcaoPedida() = 0;
};

// A moment of the computer's clock.
struct Instante
{
    int Ano = 0, Mes = 0, Dia = 0, Hora = 0, Minuto = 0, Segundo = 0;
};

// Today's date and the time of day: rules such as "not in the future" must be testable on any date.
class Relogio
{
public:
    virtual ~Relogio() = default;
    virtual Instante Agora() = 0;
};

// The system clock, local time.
class RelogioSistema : public Relogio
{
public:
    Instante Agora() override;
};

// "yyyymmdd", "dd/mm/yyyy", "hh:nn:ss", "dd/mm/yyyy hh:nn:ss".
std::string DataAAAAMMDD(const Instante& i);
std::string DataDDMMAAAA(const Instante& i);
std::string HoraDoDia(const Instante& i);
std::string DataHora(const Instante& i);
// The difference of two times of day as a time of day (a run across midnight wraps, as a clock would).
std::string Duracao(const Instante& inicio, const Instante& fim);

// The ports a run needs, gathered.
struct Portas
{
    PortaDialogo& Dialogo;
    PortaJanela& Janela;
    PortaAndamento& Andamento;
    Relogio& Tempo;
};

} // namespace tessarin
