#include "registros/Md5.h"

#include "dados/Texto1252.h"

#include <openssl/evp.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <istream>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace tessarin {

namespace {

constexpr std::size_t TamanhoBloco = 4096;
// The file buffer is much larger than the digest block so the system is asked for big reads, while
// progress still moves once per block.
constexpr std::size_t TamanhoBufferArquivo = 1 << 20;

using PonteiroMd = std::unique_ptr<EVP_MD, decltype(&EVP_MD_free)>;
using PonteiroContexto = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;

// A libcrypto without MD5 (or out of memory) is a broken installation, not a fault of the user's data, so
// it is the one failure here that throws.
[[noreturn]] void FalhaLibcrypto(const char* etapa)
{
    throw std::runtime_error(std::string("libcrypto: MD5 ") + etapa);
}

// Fetched once: looking the algorithm up on every call costs about a quarter of a record digest.
const EVP_MD* AlgoritmoMd5()
{
    static const PonteiroMd md{EVP_MD_fetch(nullptr, "MD5", nullptr), &EVP_MD_free};
    if (!md) {
        FalhaLibcrypto("indispon\xEDvel");
    }
    return md.get();
}

PonteiroContexto NovoContexto()
{
    PonteiroContexto contexto{EVP_MD_CTX_new(), &EVP_MD_CTX_free};
    if (!contexto || EVP_DigestInit_ex2(contexto.get(), AlgoritmoMd5(), nullptr) != 1) {
        FalhaLibcrypto("sem contexto");
    }
    return contexto;
}

// One context per thread, re-initialised for each short digest, so record checks never allocate.
EVP_MD_CTX* ContextoDaThread()
{
    thread_local const PonteiroContexto contexto = NovoContexto();
    if (EVP_DigestInit_ex2(contexto.get(), nullptr, nullptr) != 1) {
        FalhaLibcrypto("init");
    }
    return contexto.get();
}

void Acrescenta(EVP_MD_CTX* contexto, const void* dados, std::size_t tamanho)
{
    if (tamanho > 0 && EVP_DigestUpdate(contexto, dados, tamanho) != 1) {
        FalhaLibcrypto("update");
    }
}

DigestMd5 Conclui(EVP_MD_CTX* contexto)
{
    DigestMd5 digest{};
    unsigned int tamanho = 0;
    if (EVP_DigestFinal_ex(contexto, digest.data(), &tamanho) != 1 || tamanho != digest.size()) {
        FalhaLibcrypto("final");
    }
    return digest;
}

char Maiuscula(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Names and system messages may come as UTF-8 from the platform; the core's messages are Windows-1252.
std::string Para1252(std::string texto)
{
    return Utf8Valido(texto) ? ParaWin1252(texto) : texto;
}

std::string Motivo(int erro)
{
    if (erro == 0) {
        return "erro de entrada/sa\xED"
               "da";
    }
    return Para1252(std::generic_category().message(erro));
}

std::string Mensagem(std::string_view inicio, std::string_view nome, std::string_view motivo)
{
    std::string texto(inicio);
    texto += " \"";
    texto += nome;
    texto += "\": ";
    texto += motivo;
    return texto;
}

// Puts the stream back as the caller left it, on every way out of the digest loop.
class RestauraFluxo
{
public:
    RestauraFluxo(std::istream& fluxo, std::istream::pos_type posicao, std::ios::iostate estado,
                  std::ios::iostate excecoes)
        : fluxo_(fluxo), posicao_(posicao), estado_(estado), excecoes_(excecoes)
    {
    }
    RestauraFluxo(const RestauraFluxo&) = delete;
    RestauraFluxo& operator=(const RestauraFluxo&) = delete;
    ~RestauraFluxo()
    {
        try {
            fluxo_.clear();
            fluxo_.seekg(posicao_);
            fluxo_.clear(estado_);
            fluxo_.exceptions(excecoes_);
        } catch (...) {
            // The caller's own exception mask; the stream is already back in place.
        }
    }

private:
    std::istream& fluxo_;
    std::istream::pos_type posicao_;
    std::ios::iostate estado_;
    std::ios::iostate excecoes_;
};

} // namespace

DigestMd5 Md5Buffer(const void* dados, std::size_t tamanho)
{
    EVP_MD_CTX* contexto = ContextoDaThread();
    Acrescenta(contexto, dados, tamanho);
    return Conclui(contexto);
}

DigestMd5 Md5Texto(std::string_view texto)
{
    return Md5Buffer(texto.data(), texto.size());
}

HexMd5 Md5HexFixo(const DigestMd5& digest)
{
    static constexpr char Digitos[] = "0123456789ABCDEF";
    HexMd5 hex{};
    for (std::size_t i = 0; i < digest.size(); ++i) {
        hex[2 * i] = Digitos[digest[i] >> 4];
        hex[2 * i + 1] = Digitos[digest[i] & 0x0F];
    }
    return hex;
}

std::string Md5Hex(const DigestMd5& digest)
{
    const HexMd5 hex = Md5HexFixo(digest);
    return std::string(hex.data(), hex.size());
}

bool CodigosIguais(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    // Codes are nearly always written in upper case, as the digest's hex form is: one plain comparison.
    if (a.empty() || std::memcmp(a.data(), b.data(), a.size()) == 0) {
        return true;
    }
    return std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Maiuscula(x) == Maiuscula(y); });
}

bool Md5Confere(std::string_view texto, std::string_view codigo)
{
    const HexMd5 hex = Md5HexFixo(Md5Texto(texto));
    return CodigosIguais(std::string_view(hex.data(), hex.size()), codigo);
}

bool CodigoRegistroConfere(std::string_view registro)
{
    constexpr std::size_t Codigo = 32;
    constexpr std::size_t CodigoEFimDeLinha = Codigo + 2;
    if (registro.size() < CodigoEFimDeLinha) {
        return false;
    }
    const std::size_t inicioCodigo = registro.size() - CodigoEFimDeLinha;
    return Md5Confere(registro.substr(0, inicioCodigo), registro.substr(inicioCodigo, Codigo));
}

MedidorDigest MedidorDoArquivo(std::string_view nome)
{
    const std::size_t barra = nome.find_last_of("/\\");
    if (barra != std::string_view::npos) {
        nome.remove_prefix(barra + 1);
    }
    if (nome.find("M.") != std::string_view::npos) {
        return MedidorDigest::Mestre;
    }
    if (nome.find("I.") != std::string_view::npos) {
        return MedidorDigest::Item;
    }
    return MedidorDigest::Cadastro;
}

DigestArquivo Md5Fluxo(std::istream& fluxo, std::string_view nome, ProgressoDigest* progresso)
{
    DigestArquivo resultado;
    const std::ios::iostate estado = fluxo.rdstate();
    if ((estado & (std::ios::failbit | std::ios::badbit)) != 0) {
        resultado.erro = Mensagem("N\xE3o foi poss\xEDvel ler o arquivo", nome, "fluxo em estado de erro");
        return resultado;
    }
    // A stream left at its end (eofbit only) is still usable: the flag is dropped here and put back on exit.
    const std::ios::iostate excecoes = fluxo.exceptions();
    fluxo.exceptions(std::ios::goodbit);
    fluxo.clear();
    const std::istream::pos_type posicao = fluxo.tellg();
    RestauraFluxo restaura(fluxo, posicao, estado, excecoes);

    // Sizes and totals are 64-bit: a 32-bit size would stop the loop early on files of 4 GiB and more.
    fluxo.seekg(0, std::ios::end);
    const std::istream::pos_type fim = fluxo.tellg();
    fluxo.seekg(0, std::ios::beg);
    if (posicao == std::istream::pos_type(-1) || fim == std::istream::pos_type(-1) || !fluxo) {
        resultado.erro = Mensagem("N\xE3o foi poss\xEDvel posicionar o arquivo", nome, "fluxo sem posicionamento");
        return resultado;
    }
    const auto tamanho = static_cast<std::uint64_t>(static_cast<std::streamoff>(fim));

    const MedidorDigest medidor = MedidorDoArquivo(nome);
    // The Item file is by far the largest of a volume, so its gauge counts tens of bytes.
    const std::uint64_t escala = medidor == MedidorDigest::Item ? 10 : 1;
    if (progresso != nullptr) {
        progresso->DefinirMaximo(medidor, tamanho / escala);
    }

    // Its own context, not the thread's: DeixarRodar may run code that digests records on this thread.
    const PonteiroContexto contexto = NovoContexto();
    std::array<char, TamanhoBloco> bloco;
    std::uint64_t total = 0;
    // The digest covers the size taken above even if another program appends meanwhile; a file that
    // shrinks ends at its first empty read and the digest covers what was read.
    while (total < tamanho) {
        const auto pedido = static_cast<std::streamsize>(std::min<std::uint64_t>(bloco.size(), tamanho - total));
        errno = 0;
        fluxo.read(bloco.data(), pedido);
        const std::streamsize lidos = fluxo.gcount();
        if (fluxo.bad()) {
            resultado.erro = Mensagem("Erro de leitura no arquivo", nome, Motivo(errno));
            return resultado;
        }
        if (lidos <= 0) {
            break;
        }
        Acrescenta(contexto.get(), bloco.data(), static_cast<std::size_t>(lidos));
        total += static_cast<std::uint64_t>(lidos);
        if (progresso != nullptr) {
            progresso->DeixarRodar();
            progresso->DefinirPosicao(medidor, total / escala);
        }
        if (lidos < pedido) {
            break;
        }
    }
    resultado.digest = Conclui(contexto.get());
    return resultado;
}

DigestArquivo Md5Arquivo(const std::filesystem::path& arquivo, ProgressoDigest* progresso)
{
    const std::u8string utf8 = arquivo.u8string();
    const std::string nome = Para1252(std::string(utf8.begin(), utf8.end()));

    // The standard streams open files shared for reading and writing by other programs, as the volume's
    // files may still be open in the program that produced them.
    std::vector<char> buffer(TamanhoBufferArquivo);
    std::ifstream fluxo;
    fluxo.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    errno = 0;
    fluxo.open(arquivo, std::ios::in | std::ios::binary);
    if (!fluxo.is_open()) {
        DigestArquivo resultado;
        resultado.erro = Mensagem("N\xE3o foi poss\xEDvel abrir o arquivo", nome, Motivo(errno));
        return resultado;
    }
    return Md5Fluxo(fluxo, nome, progresso);
}

} // namespace tessarin
