#include "PortasTerminal.h"

#include "dados/Texto1252.h"

#include <csignal>
#include <unistd.h>

namespace tessarin::cli {

std::atomic<bool> InterrupcaoSinalizada{false};

namespace {

extern "C" void AoReceberCtrlC(int)
{
    InterrupcaoSinalizada.store(true);
}

// A message box's text for a terminal: UTF-8, its CR (and CR LF) line breaks as newlines.
std::string ParaTerminal(std::string_view texto)
{
    std::string utf8 = ParaUtf8(texto);
    std::string saida;
    saida.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r') {
            saida += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') {
                ++i;
            }
        } else {
            saida += utf8[i];
        }
    }
    return saida;
}

} // namespace

void InstalaTratamentoCtrlC()
{
    struct sigaction acao
    {
    };
    acao.sa_handler = AoReceberCtrlC;
    sigemptyset(&acao.sa_mask);
    sigaction(SIGINT, &acao, nullptr);
}

PortasTerminal::PortasTerminal(std::optional<std::string> arquivoLog, bool mostrarLista)
    : arquivoLog_(std::move(arquivoLog)), mostrarLista_(mostrarLista), terminal_(::isatty(STDERR_FILENO) == 1)
{
    cores_.fill(Cor::Branco);
    botoes_.fill(false);
}

PortasTerminal::~PortasTerminal()
{
    ApagaProgresso();
}

bool PortasTerminal::Pergunta(std::string_view texto)
{
    // The only questions of a run: whether to write a log, and whether to stop after Ctrl-C.
    if (texto.find("arquivo de ocorr") != std::string_view::npos) {
        return arquivoLog_.has_value();
    }
    return true;
}

void PortasTerminal::Mensagem(TipoMensagem tipo, std::string_view texto)
{
    ApagaProgresso();
    const char* rotulo = tipo == TipoMensagem::Erro          ? "[erro] "
                         : tipo == TipoMensagem::Advertencia ? "[advertência] "
                                                             : "[informação] ";
    std::fflush(stdout);
    std::fprintf(stderr, "%s%s\n", rotulo, ParaTerminal(texto).c_str());
}

std::optional<std::string> PortasTerminal::EscolheArquivoParaSalvar(std::string_view, std::string_view)
{
    return arquivoLog_;
}

void PortasTerminal::AcrescentaLinha(std::string_view linha)
{
    lista_.emplace_back(linha);
    if (mostrarLista_) {
        ApagaProgresso();
        const std::string utf8 = ParaUtf8(linha);
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
        std::fputc('\n', stdout);
    }
}

void PortasTerminal::DefineCelula(Celula celula, std::string_view texto)
{
    celulas_[static_cast<std::size_t>(celula)] = texto;
}

void PortasTerminal::HabilitaBotao(Botao botao, bool habilitado)
{
    botoes_[static_cast<std::size_t>(botao)] = habilitado;
}

void PortasTerminal::MostraProgresso(bool visivel)
{
    progressoVisivel_ = visivel;
    if (!visivel) {
        ApagaProgresso();
    }
}

void PortasTerminal::DefineProgresso(std::int64_t posicao, std::int64_t maximo)
{
    posicao_ = posicao;
    maximo_ = maximo;
}

void PortasTerminal::ProcessaPendentes()
{
    DesenhaProgresso(false);
}

bool PortasTerminal::InterrupcaoPedida()
{
    return InterrupcaoSinalizada.exchange(false);
}

void PortasTerminal::DesenhaProgresso(bool forcar)
{
    if (!terminal_ || !progressoVisivel_ || maximo_ <= 0) {
        return;
    }
    const auto agora = std::chrono::steady_clock::now();
    if (!forcar && agora - ultimoDesenho_ < std::chrono::milliseconds(200)) {
        return;
    }
    ultimoDesenho_ = agora;
    std::fflush(stdout);
    std::fprintf(stderr, "\rValidando: %lld de %lld documentos (%d%%)  ", static_cast<long long>(posicao_ + 1),
                 static_cast<long long>(maximo_), static_cast<int>((posicao_ + 1) * 100 / maximo_));
    progressoNaTela_ = true;
}

void PortasTerminal::ApagaProgresso()
{
    if (progressoNaTela_) {
        std::fprintf(stderr, "\r%60s\r", "");
        progressoNaTela_ = false;
    }
}

} // namespace tessarin::cli
