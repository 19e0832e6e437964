#include "registros/LeitorRegistros.h"

#include "dados/Texto1252.h"
#include "registros/ErroEntradaSaida.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessarin {

LeitorRegistros::~LeitorRegistros()
{
    Fecha();
}

bool LeitorRegistros::Abre(const std::string& caminho, int tamanhoRegistro, std::string* erro, std::size_t tamanhoBloco)
{
    Fecha();
    caminho_ = caminho;
    tamanho_ = std::max(tamanhoRegistro, 1);
    const int fd = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (erro != nullptr) {
            *erro = std::strerror(errno);
        }
        return false;
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int codigo = S_ISDIR(info.st_mode) ? EISDIR : errno;
        if (erro != nullptr) {
            *erro = std::strerror(codigo == 0 ? EINVAL : codigo);
        }
        ::close(fd);
        return false;
    }
    descritor_ = fd;
    bytes_ = static_cast<std::int64_t>(info.st_size);
    posicao_ = 0;
    // A whole number of records per block, at least one.
    const std::size_t porBloco = std::max<std::size_t>(1, tamanhoBloco / static_cast<std::size_t>(tamanho_));
    bloco_.assign(porBloco * static_cast<std::size_t>(tamanho_), '\0');
    primeiroNoBloco_ = 0;
    registrosNoBloco_ = 0;
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    return true;
}

void LeitorRegistros::Fecha()
{
    if (descritor_ >= 0) {
        ::close(descritor_);
        descritor_ = -1;
    }
    registrosNoBloco_ = 0;
    std::vector<char>().swap(bloco_);
}

bool LeitorRegistros::Posiciona(std::int64_t indice)
{
    if (descritor_ < 0 || indice < 0 || indice > Registros()) {
        return false;
    }
    posicao_ = indice;
    return true;
}

std::size_t LeitorRegistros::LeAte(char* destino, std::size_t quantidade, std::int64_t deslocamento)
{
    // pread may return less than asked (signals, pipes, network file systems): go on until the end of the
    // file or the amount asked.
    std::size_t lidos = 0;
    while (lidos < quantidade) {
        const ssize_t n = ::pread(descritor_, destino + lidos, quantidade - lidos,
                                  static_cast<off_t>(deslocamento + static_cast<std::int64_t>(lidos)));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw ErroEntradaSaida::DoSistema("Erro de leitura em", caminho_, errno);
        }
        if (n == 0) {
            break;
        }
        lidos += static_cast<std::size_t>(n);
    }
    return lidos;
}

void LeitorRegistros::CarregaBloco(std::int64_t indice)
{
    const auto tamanho = static_cast<std::int64_t>(tamanho_);
    const std::int64_t capacidade = static_cast<std::int64_t>(bloco_.size()) / tamanho;
    const std::int64_t quantos = std::min(capacidade, Registros() - indice);
    const std::size_t esperado = static_cast<std::size_t>(quantos * tamanho);
    const std::size_t lidos = LeAte(bloco_.data(), esperado, indice * tamanho);
    const std::int64_t completos = static_cast<std::int64_t>(lidos) / tamanho;
    if (completos == 0) {
        // The size taken at opening promised this record: the file was cut while the run read it.
        throw ErroEntradaSaida(
            ParaWin1252("Erro de leitura em ") + caminho_ +
            ParaWin1252(": o arquivo foi alterado durante a validação (tamanho menor que o esperado)"));
    }
    primeiroNoBloco_ = indice;
    registrosNoBloco_ = completos;
}

std::string_view LeitorRegistros::Le()
{
    if (descritor_ < 0 || posicao_ >= Registros()) {
        return {};
    }
    if (posicao_ < primeiroNoBloco_ || posicao_ >= primeiroNoBloco_ + registrosNoBloco_) {
        CarregaBloco(posicao_);
    }
    const auto deslocamento = static_cast<std::size_t>((posicao_ - primeiroNoBloco_) * tamanho_);
    ++posicao_;
    return {bloco_.data() + deslocamento, static_cast<std::size_t>(tamanho_)};
}

std::string LeitorRegistros::LeInicio(std::size_t quantidade)
{
    std::string texto(quantidade, '\0');
    const std::size_t lidos = descritor_ >= 0 ? LeAte(texto.data(), quantidade, 0) : 0;
    texto.resize(lidos);
    return texto;
}

} // namespace tessarin
