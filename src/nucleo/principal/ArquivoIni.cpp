#include "principal/ArquivoIni.h"

#include "dados/Texto1252.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tessarin {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view FimDeLinha = "\r\n";
constexpr std::string_view MarcaUtf8 = "\xEF\xBB\xBF";

enum class TipoLinha { Vazia, Secao, Chave, Outra };

struct LinhaAnalisada
{
    TipoLinha Tipo = TipoLinha::Outra;
    std::string_view Nome;  // section or key name
    std::string_view Valor; // raw value of a key, blanks around it removed
};

std::string_view AparaBrancos(std::string_view texto)
{
    const auto inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string_view::npos) {
        return {};
    }
    return texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
}

bool IguaisSemCaixa(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto minuscula = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (minuscula(a[i]) != minuscula(b[i])) {
            return false;
        }
    }
    return true;
}

LinhaAnalisada Analisa(std::string_view linha, bool primeira)
{
    if (primeira && linha.starts_with(MarcaUtf8)) {
        // An editor's byte-order mark must not hide the first section header.
        linha.remove_prefix(MarcaUtf8.size());
    }
    while (!linha.empty() && (linha.back() == '\n' || linha.back() == '\r')) {
        linha.remove_suffix(1);
    }
    const auto texto = AparaBrancos(linha);
    LinhaAnalisada analise;
    if (texto.empty()) {
        analise.Tipo = TipoLinha::Vazia;
    } else if (texto.front() == '[') {
        const auto fecha = texto.find(']');
        if (fecha != std::string_view::npos) {
            analise.Tipo = TipoLinha::Secao;
            analise.Nome = AparaBrancos(texto.substr(1, fecha - 1));
        }
    } else if (texto.front() != ';' && texto.front() != '#') {
        const auto igual = texto.find('=');
        if (igual != std::string_view::npos && igual > 0) {
            analise.Tipo = TipoLinha::Chave;
            analise.Nome = AparaBrancos(texto.substr(0, igual));
            analise.Valor = AparaBrancos(texto.substr(igual + 1));
        }
    }
    return analise;
}

bool Entre(std::string_view valor, char aspa)
{
    return valor.size() >= 2 && valor.front() == aspa && valor.back() == aspa;
}

// Quotes a value only when reading would otherwise change it: blanks at its ends would be dropped, and a
// value already between matching quotes would lose them.
std::string ValorParaLinha(std::string_view valor)
{
    const bool brancoNasPontas = !valor.empty() && (valor.front() == ' ' || valor.front() == '\t' ||
                                                    valor.back() == ' ' || valor.back() == '\t');
    if (brancoNasPontas || Entre(valor, '"') || Entre(valor, '\'')) {
        return "\"" + std::string(valor) + "\"";
    }
    return std::string(valor);
}

bool TemQuebraOuNulo(std::string_view texto)
{
    return texto.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string MotivoDoSistema(int codigo)
{
    return ParaWin1252(std::generic_category().message(codigo));
}

std::string FalhaLeitura(const fs::path& arquivo, const std::string& motivo)
{
    return ParaWin1252("Não foi possível ler o arquivo [") + NomeParaMensagem(arquivo) + "]: " + motivo;
}

std::string FalhaGravacao(const fs::path& arquivo, const std::string& motivo)
{
    return ParaWin1252("Não foi possível gravar o arquivo [") + NomeParaMensagem(arquivo) + "]: " + motivo;
}

std::FILE* AbreNovo(const fs::path& arquivo)
{
    // "x": fail rather than reuse a file that appeared under the same temporary name.
#ifdef _WIN32
    return _wfopen(arquivo.c_str(), L"wbx");
#else
    return std::fopen(arquivo.c_str(), "wbx");
#endif
}

bool DescarregaNoDisco(std::FILE* f)
{
    if (std::fflush(f) != 0) {
        return false;
    }
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

} // namespace

std::string NomeParaMensagem(const fs::path& arquivo)
{
    const auto utf8 = arquivo.u8string();
    return ParaWin1252(std::string(utf8.begin(), utf8.end()));
}

bool ArquivoIni::Carrega(const fs::path& arquivo, std::string& erro)
{
    linhas_.clear();
    std::error_code ec;
    const auto estado = fs::status(arquivo, ec);
    if (estado.type() == fs::file_type::not_found) {
        erro = FalhaLeitura(arquivo, ParaWin1252("arquivo não encontrado."));
        return false;
    }
    if (ec) {
        erro = FalhaLeitura(arquivo, MotivoDoSistema(ec.value()) + ".");
        return false;
    }
    if (!fs::is_regular_file(estado)) {
        erro = FalhaLeitura(arquivo, ParaWin1252("não é um arquivo comum."));
        return false;
    }
    const std::string grandeDemais = "tem mais de 4 MB e nenhum arquivo INI tem esse tamanho.";
    const auto tamanho = fs::file_size(arquivo, ec);
    if (!ec && tamanho > TamanhoMaximo) {
        erro = FalhaLeitura(arquivo, grandeDemais);
        return false;
    }

    std::ifstream entrada(arquivo, std::ios::binary);
    if (!entrada) {
        erro = FalhaLeitura(arquivo, MotivoDoSistema(errno) + ".");
        return false;
    }
    // Read in blocks and stop past the limit: the file may have grown since its size was taken.
    std::string bytes;
    std::string bloco(64 * 1024, '\0');
    while (entrada && bytes.size() <= TamanhoMaximo) {
        entrada.read(bloco.data(), static_cast<std::streamsize>(bloco.size()));
        bytes.append(bloco, 0, static_cast<std::size_t>(entrada.gcount()));
    }
    if (entrada.bad()) {
        erro = FalhaLeitura(arquivo, MotivoDoSistema(errno) + ".");
        return false;
    }
    if (bytes.size() > TamanhoMaximo) {
        erro = FalhaLeitura(arquivo, grandeDemais);
        return false;
    }
    if (bytes.find('\0') != std::string::npos) {
        erro = FalhaLeitura(arquivo, ParaWin1252("contém bytes nulos; não é um arquivo de texto."));
        return false;
    }

    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    while (inicio < bytes.size()) {
        auto fim = bytes.find('\n', inicio);
        fim = (fim == std::string::npos) ? bytes.size() : fim + 1;
        if (fim - inicio > LinhaMaxima) {
            erro = FalhaLeitura(arquivo, "a linha " + std::to_string(linhas.size() + 1) + " tem mais de " +
                                             std::to_string(LinhaMaxima) + " caracteres.");
            return false;
        }
        linhas.emplace_back(bytes, inicio, fim - inicio);
        inicio = fim;
    }
    linhas_ = std::move(linhas);
    return true;
}

bool ArquivoIni::TemSecao(std::string_view secao) const
{
    for (std::size_t i = 0; i < linhas_.size(); ++i) {
        const auto analise = Analisa(linhas_[i], i == 0);
        if (analise.Tipo == TipoLinha::Secao && IguaisSemCaixa(analise.Nome, secao)) {
            return true;
        }
    }
    return false;
}

std::string ArquivoIni::Le(std::string_view secao, std::string_view chave) const
{
    bool naSecao = false;
    for (std::size_t i = 0; i < linhas_.size(); ++i) {
        const auto analise = Analisa(linhas_[i], i == 0);
        if (analise.Tipo == TipoLinha::Secao) {
            if (naSecao) {
                return {}; // only the first section of that name counts
            }
            naSecao = IguaisSemCaixa(analise.Nome, secao);
        } else if (naSecao && analise.Tipo == TipoLinha::Chave && IguaisSemCaixa(analise.Nome, chave)) {
            auto valor = analise.Valor;
            if (Entre(valor, '"') || Entre(valor, '\'')) {
                valor = valor.substr(1, valor.size() - 2);
            }
            return std::string(valor);
        }
    }
    return {};
}

bool ArquivoIni::Grava(std::string_view secao, std::string_view chave, std::string_view valor, std::string& erro)
{
    const auto secaoLimpa = AparaBrancos(secao);
    const auto chaveLimpa = AparaBrancos(chave);
    if (secaoLimpa.empty() || secaoLimpa != secao || TemQuebraOuNulo(secao) || secao.find(']') != secao.npos) {
        erro = ParaWin1252("Nome de seção inválido num arquivo INI: [") + std::string(secao) + "].";
        return false;
    }
    if (chaveLimpa.empty() || chaveLimpa != chave || TemQuebraOuNulo(chave) || chave.find('=') != chave.npos ||
        chave.front() == '[' || chave.front() == ';' || chave.front() == '#') {
        erro = "Nome de chave inválido num arquivo INI: [" + std::string(chave) + "].";
        return false;
    }
    if (TemQuebraOuNulo(valor)) {
        erro = "O valor da chave [" + std::string(chave) + ParaWin1252("] contém quebra de linha ou byte nulo e ") +
               ParaWin1252("não cabe numa linha de arquivo INI.");
        return false;
    }

    const std::string novaLinha = std::string(chave) + "=" + ValorParaLinha(valor) + std::string(FimDeLinha);
    auto garanteFimDeLinha = [this](std::size_t i) {
        if (!linhas_[i].ends_with('\n')) {
            linhas_[i] += FimDeLinha;
        }
    };

    std::size_t cabecalho = linhas_.size();
    for (std::size_t i = 0; i < linhas_.size() && cabecalho == linhas_.size(); ++i) {
        const auto analise = Analisa(linhas_[i], i == 0);
        if (analise.Tipo == TipoLinha::Secao && IguaisSemCaixa(analise.Nome, secao)) {
            cabecalho = i;
        }
    }
    if (cabecalho == linhas_.size()) {
        if (!linhas_.empty()) {
            garanteFimDeLinha(linhas_.size() - 1);
            if (Analisa(linhas_.back(), linhas_.size() == 1).Tipo != TipoLinha::Vazia) {
                linhas_.emplace_back(FimDeLinha); // a blank line between sections, as people write them
            }
        }
        linhas_.push_back("[" + std::string(secao) + "]" + std::string(FimDeLinha));
        linhas_.push_back(novaLinha);
        return true;
    }

    std::size_t insercao = cabecalho + 1;
    for (std::size_t i = cabecalho + 1; i < linhas_.size(); ++i) {
        const auto analise = Analisa(linhas_[i], false);
        if (analise.Tipo == TipoLinha::Secao) {
            break;
        }
        if (analise.Tipo == TipoLinha::Chave && IguaisSemCaixa(analise.Nome, chave)) {
            linhas_[i] = novaLinha;
            return true;
        }
        if (analise.Tipo != TipoLinha::Vazia) {
            insercao = i + 1;
        }
    }
    // Keep the blank lines that separate this section from the next one after the new key.
    garanteFimDeLinha(insercao - 1);
    linhas_.insert(linhas_.begin() + static_cast<std::ptrdiff_t>(insercao), novaLinha);
    return true;
}

std::string ArquivoIni::Conteudo() const
{
    std::string conteudo;
    for (const auto& linha : linhas_) {
        conteudo += linha;
    }
    return conteudo;
}

bool ArquivoIni::Salva(const fs::path& arquivo, std::string& erro) const
{
    std::error_code ec;
    fs::path destino = arquivo;
    if (fs::is_symlink(fs::symlink_status(arquivo, ec))) {
        destino = fs::weakly_canonical(arquivo, ec);
        if (ec) {
            erro = FalhaGravacao(arquivo, MotivoDoSistema(ec.value()) + ".");
            return false;
        }
    }
    if (destino.filename().empty()) {
        erro = FalhaGravacao(arquivo, ParaWin1252("o caminho não tem nome de arquivo."));
        return false;
    }
    const auto pasta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");

    // The temporary file lives beside the destination so that the final rename never crosses file systems.
    std::FILE* saida = nullptr;
    fs::path temporario;
    std::random_device aleatorio;
    int causa = 0;
    for (int tentativa = 0; tentativa < 16 && saida == nullptr; ++tentativa) {
        temporario = pasta / destino.filename();
        temporario += "." + std::to_string(aleatorio()) + ".tmp";
        errno = 0;
        saida = AbreNovo(temporario);
        causa = errno;
        if (saida == nullptr && causa != EEXIST) {
            break;
        }
    }
    if (saida == nullptr) {
        erro = FalhaGravacao(arquivo, MotivoDoSistema(causa) + ".");
        return false;
    }

    const auto conteudo = Conteudo();
    errno = 0;
    bool certo = std::fwrite(conteudo.data(), 1, conteudo.size(), saida) == conteudo.size();
    certo = certo && DescarregaNoDisco(saida);
    causa = errno;
    certo = (std::fclose(saida) == 0) && certo;
    if (!certo) {
        fs::remove(temporario, ec);
        erro = FalhaGravacao(arquivo, MotivoDoSistema(causa != 0 ? causa : EIO) + ".");
        return false;
    }

    // Saving over an existing file keeps who may read and write it.
    const auto estadoAnterior = fs::status(destino, ec);
    if (!ec && fs::exists(estadoAnterior)) {
        fs::permissions(temporario, estadoAnterior.permissions(), ec);
    }
    fs::rename(temporario, destino, ec);
    if (ec) {
        std::error_code ignorado;
        fs::remove(temporario, ignorado);
        erro = FalhaGravacao(arquivo, ParaWin1252(ec.message()) + ".");
        return false;
    }
    return true;
}

} // namespace tessarin
