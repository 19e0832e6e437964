#include "registros/Md5.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tessarin {
namespace {

std::string Hex(std::string_view texto)
{
    return Md5Hex(Md5Texto(texto));
}

// Records every call of the progress port.
class ProgressoGravado : public ProgressoDigest
{
public:
    void DefinirMaximo(MedidorDigest medidor, std::uint64_t maximo) override { maximos.emplace_back(medidor, maximo); }
    void DefinirPosicao(MedidorDigest medidor, std::uint64_t posicao) override
    {
        medidores.push_back(medidor);
        posicoes.push_back(posicao);
    }
    void DeixarRodar() override { ++rodadas; }

    std::vector<std::pair<MedidorDigest, std::uint64_t>> maximos;
    std::vector<MedidorDigest> medidores;
    std::vector<std::uint64_t> posicoes;
    int rodadas = 0;
};

// Bytes that are not all alike, so a misplaced block changes the digest.
std::string Padrao(std::size_t tamanho)
{
    std::string texto(tamanho, '\0');
    for (std::size_t i = 0; i < tamanho; ++i) {
        texto[i] = static_cast<char>((i * 7 + 3) % 256);
    }
    return texto;
}

// A seekable stream that claims a size of its own (beyond 4 GiB if wanted) but holds only `dados`; reading
// past them is an empty read, or a read failure when `falhar` is set. Positions are 64-bit throughout.
class BufferSimulado : public std::streambuf
{
public:
    BufferSimulado(std::string dados, std::uint64_t tamanho, bool falhar)
        : dados_(std::move(dados)), tamanho_(tamanho), falhar_(falhar)
    {
        seekpos(0, std::ios::in);
    }

protected:
    int_type underflow() override
    {
        if (!fora_ && gptr() < egptr()) {
            return traits_type::to_int_type(*gptr());
        }
        if (falhar_) {
            throw std::runtime_error("falha de leitura simulada");
        }
        return traits_type::eof();
    }
    pos_type seekoff(off_type deslocamento, std::ios::seekdir direcao, std::ios::openmode) override
    {
        const auto atual = fora_ ? posicaoFora_ : static_cast<std::uint64_t>(gptr() - eback());
        const std::uint64_t base = direcao == std::ios::beg ? 0 : direcao == std::ios::cur ? atual : tamanho_;
        return seekpos(static_cast<off_type>(base) + deslocamento, std::ios::in);
    }
    pos_type seekpos(pos_type posicao, std::ios::openmode) override
    {
        const auto p = static_cast<off_type>(posicao);
        if (p < 0 || static_cast<std::uint64_t>(p) > tamanho_) {
            return pos_type(off_type(-1));
        }
        char* inicio = dados_.data();
        char* fim = inicio + dados_.size();
        fora_ = static_cast<std::uint64_t>(p) > dados_.size();
        posicaoFora_ = static_cast<std::uint64_t>(p);
        setg(inicio, fora_ ? fim : inicio + p, fim);
        return posicao;
    }

private:
    std::string dados_;
    std::uint64_t tamanho_;
    bool falhar_;
    bool fora_ = false;
    std::uint64_t posicaoFora_ = 0;
};

TEST(Md5, VetoresDaRfc1321EBytesWindows1252)
{
    const struct
    {
        std::string_view texto;
        const char* esperado;
    } casos[] = {
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
        {"a", "0CC175B9C0F1B6A831C399E269772661"},
        {"abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "D174AB98D277D9F5A5611C2C9F419D9F"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57EDF4A22BE3C955AC49DA2E2107B67A"},
        // Accented Windows-1252 bytes as they are, one byte each; a NUL is a byte like any other.
        {"Servi\xE7o de comunica\xE7\xE3o", "1343C468795F32E51581914CBF4CFF2E"},
        {std::string_view("a\0b", 3), "70350F6027BCE3713F6B76473084309B"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.texto));
        EXPECT_EQ(Hex(caso.texto), caso.esperado);
        EXPECT_EQ(Md5Hex(Md5Buffer(caso.texto.data(), caso.texto.size())), caso.esperado);
        const HexMd5 fixo = Md5HexFixo(Md5Texto(caso.texto));
        EXPECT_EQ(std::string_view(fixo.data(), fixo.size()), caso.esperado);
    }
    EXPECT_EQ(Md5Hex(Md5Buffer(nullptr, 0)), "D41D8CD98F00B204E9800998ECF8427E");
}

TEST(Md5, CodigoDeAutenticacaoDoRegistro)
{
    // A 256-byte record of the first layouts: code at positions 223 to 254, then CR LF.
    const std::string corpo = Padrao(222);
    const std::string codigo = Hex(corpo);
    std::string minusculo = codigo;
    for (char& c : minusculo) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::string corpoAlterado = corpo;
    corpoAlterado[0] ^= 1;
    std::string codigoAlterado = codigo;
    codigoAlterado[31] = codigoAlterado[31] == '0' ? '1' : '0';
    const std::string registro = corpo + codigo + "\r\n";
    ASSERT_EQ(registro.size(), 256u);
    ASSERT_EQ(registro.substr(222, 32), codigo);

    const struct
    {
        const char* caso;
        std::string registro;
        bool confere;
    } casos[] = {
        {"codigo certo", registro, true},
        {"codigo em minusculas", corpo + minusculo + "\r\n", true},
        {"corpo alterado", corpoAlterado + codigo + "\r\n", false},
        {"codigo alterado", corpo + codigoAlterado + "\r\n", false},
        {"registro de 427 bytes", Padrao(393) + Hex(Padrao(393)) + "\r\n", true},
        {"codigo deslocado um byte", corpo + "0" + codigo + "\n", false},
        {"so codigo e fim de linha", Hex("") + "\r\n", true},
        {"curto demais para um codigo", codigo.substr(1) + "\r\n", false},
        {"vazio", "", false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        EXPECT_EQ(CodigoRegistroConfere(caso.registro), caso.confere);
    }

    // The document code is compared the same way over text assembled from fields.
    EXPECT_TRUE(Md5Confere("abc", "900150983cd24fb0d6963f7d28e17f72"));
    EXPECT_FALSE(Md5Confere("abc", "900150983CD24FB0D6963F7D28E17F7"));
    EXPECT_FALSE(Md5Confere("abc", "900150983CD24FB0D6963F7D28E17F72 "));
}

TEST(Md5, MedidorEscolhidoPeloNome)
{
    const struct
    {
        const char* nome;
        MedidorDigest medidor;
    } casos[] = {
        {"SP12345678000199210011701N01M.001", MedidorDigest::Mestre},
        {"SP12345678000199210011701N01I.001", MedidorDigest::Item},
        {"SP12345678000199210011701N01D.001", MedidorDigest::Cadastro},
        {"SPI.M.001", MedidorDigest::Mestre}, // both: "M." wins
        {"SP1A0305N01I.E01", MedidorDigest::Item},
        {"pasta M./SP1A0305N01D.001", MedidorDigest::Cadastro},
        {"C:\\volume I.\\SP1A0305N01M.001", MedidorDigest::Mestre},
        {"", MedidorDigest::Cadastro},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EXPECT_EQ(MedidorDoArquivo(caso.nome), caso.medidor);
    }
}

TEST(Md5, FluxoPorBlocosDe4096ComPosicaoRestaurada)
{
    const std::string conteudo = Padrao(10000);
    std::istringstream fluxo(conteudo);
    fluxo.seekg(1234);
    ProgressoGravado progresso;

    const DigestArquivo r = Md5Fluxo(fluxo, "SP1A0305N01M.001", &progresso);

    ASSERT_TRUE(r.Ok()) << r.erro;
    EXPECT_EQ(Md5Hex(r.digest), "941546D1C333E2F0D9EFD902E5CB94B7"); // md5sum of the same bytes
    EXPECT_EQ(fluxo.tellg(), 1234);
    EXPECT_TRUE(fluxo.good());
    ASSERT_EQ(progresso.maximos.size(), 1u);
    EXPECT_EQ(progresso.maximos[0], std::make_pair(MedidorDigest::Mestre, std::uint64_t{10000}));
    EXPECT_EQ(progresso.posicoes, (std::vector<std::uint64_t>{4096, 8192, 10000}));
    EXPECT_EQ(progresso.medidores, std::vector<MedidorDigest>(3, MedidorDigest::Mestre));
    EXPECT_EQ(progresso.rodadas, 3);

    // A stream left at its end is digested too, and left at its end.
    fluxo.seekg(0, std::ios::end);
    fluxo.get();
    ASSERT_TRUE(fluxo.eof());
    fluxo.clear(std::ios::eofbit);
    EXPECT_EQ(Md5Fluxo(fluxo, "x", nullptr).digest, r.digest);
    EXPECT_EQ(fluxo.rdstate(), std::ios::eofbit);
    fluxo.clear();
    EXPECT_EQ(fluxo.tellg(), 10000);
}

TEST(Md5, ItemEmDezenasDeBytesEArquivoVazio)
{
    const std::string conteudo = Padrao(2500005);
    std::istringstream fluxo(conteudo);
    ProgressoGravado progresso;
    const DigestArquivo r = Md5Fluxo(fluxo, "SP1A0305N01I.001", &progresso);
    ASSERT_TRUE(r.Ok()) << r.erro;
    EXPECT_EQ(r.digest, Md5Texto(conteudo));
    ASSERT_EQ(progresso.maximos.size(), 1u);
    EXPECT_EQ(progresso.maximos[0], std::make_pair(MedidorDigest::Item, std::uint64_t{250000}));
    ASSERT_EQ(progresso.posicoes.size(), 611u); // 610 full blocks and 2,565 bytes
    for (std::size_t i = 0; i < progresso.posicoes.size(); ++i) {
        ASSERT_EQ(progresso.posicoes[i], std::min<std::uint64_t>(4096 * (i + 1), 2500005) / 10) << i;
    }
    EXPECT_EQ(progresso.rodadas, 611);

    std::istringstream vazio("");
    ProgressoGravado nada;
    const DigestArquivo rv = Md5Fluxo(vazio, "SP1A0305N01D.001", &nada);
    ASSERT_TRUE(rv.Ok());
    EXPECT_EQ(Md5Hex(rv.digest), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_EQ(nada.maximos, (std::vector<std::pair<MedidorDigest, std::uint64_t>>{{MedidorDigest::Cadastro, 0}}));
    EXPECT_TRUE(nada.posicoes.empty());
}

// Digesting 4 GiB of real bytes takes several seconds, so the 64-bit size and position are proven with a
// stream that claims 2^32 + 500 bytes but ends after 10,000: a size cut to 32 bits (500) would stop the loop
// after the first bytes, show a maximum of 500 and fail to restore a position beyond 4 GiB.
TEST(Md5, TamanhoEPosicaoAlemDe4GiB)
{
    constexpr std::uint64_t Tamanho = (std::uint64_t{1} << 32) + 500;
    constexpr std::streamoff Posicao = (std::streamoff{1} << 32) + 100;
    const std::string conteudo = Padrao(10000);
    for (const auto& [nome, maximo] :
         {std::pair{"SP1A0305N01M.001", Tamanho}, std::pair{"SP1A0305N01I.001", Tamanho / 10}}) {
        SCOPED_TRACE(nome);
        BufferSimulado buffer(conteudo, Tamanho, false);
        std::istream fluxo(&buffer);
        fluxo.seekg(Posicao);
        ASSERT_EQ(fluxo.tellg(), Posicao);
        ProgressoGravado progresso;

        const DigestArquivo r = Md5Fluxo(fluxo, nome, &progresso);

        ASSERT_TRUE(r.Ok()) << r.erro;
        EXPECT_EQ(r.digest, Md5Texto(conteudo)); // everything there was, then the empty read
        ASSERT_EQ(progresso.maximos.size(), 1u);
        EXPECT_EQ(progresso.maximos[0].second, maximo);
        EXPECT_EQ(fluxo.tellg(), Posicao);
    }
}

TEST(Md5, FalhaDeLeituraDevolveErroERestauraPosicao)
{
    BufferSimulado buffer(Padrao(5000), 20000, true);
    std::istream fluxo(&buffer);
    fluxo.seekg(300);
    ProgressoGravado progresso;

    const DigestArquivo r = Md5Fluxo(fluxo, "SP1A0305N01M.001", &progresso);

    EXPECT_FALSE(r.Ok());
    EXPECT_NE(r.erro.find("SP1A0305N01M.001"), std::string::npos) << r.erro;
    EXPECT_TRUE(fluxo.good());
    EXPECT_EQ(fluxo.tellg(), 300);

    // A stream already failed is not touched.
    fluxo.setstate(std::ios::failbit);
    EXPECT_FALSE(Md5Fluxo(fluxo, "x", nullptr).Ok());
    EXPECT_EQ(fluxo.rdstate(), std::ios::failbit);
}

TEST(Md5, ArquivoInteiroEArquivosQueNaoSeLeem)
{
    namespace fs = std::filesystem;
    const fs::path pasta = fs::path(::testing::TempDir()) / ("tessarin-md5-" + std::to_string(::getpid()));
    fs::create_directories(pasta);
    const std::string conteudo = Padrao(10000);
    const fs::path arquivo = pasta / "SP1A0305N01I.001";
    {
        std::ofstream saida(arquivo, std::ios::binary);
        saida << conteudo;
    }

    ProgressoGravado progresso;
    const DigestArquivo r = Md5Arquivo(arquivo, &progresso);
    ASSERT_TRUE(r.Ok()) << r.erro;
    EXPECT_EQ(Md5Hex(r.digest), "941546D1C333E2F0D9EFD902E5CB94B7");
    EXPECT_EQ(progresso.maximos[0], std::make_pair(MedidorDigest::Item, std::uint64_t{1000}));
    EXPECT_EQ(progresso.posicoes, (std::vector<std::uint64_t>{409, 819, 1000}));

    const DigestArquivo ausente = Md5Arquivo(pasta / "SP1A0305N01M.001", nullptr);
    EXPECT_FALSE(ausente.Ok());
    EXPECT_NE(ausente.erro.find("SP1A0305N01M.001"), std::string::npos) << ausente.erro;
    EXPECT_NE(ausente.erro.find(std::generic_category().message(ENOENT)), std::string::npos) << ausente.erro;

    // A folder opens on some systems but cannot be read: still an error value, never a digest.
    const DigestArquivo pastaLida = Md5Arquivo(pasta, nullptr);
    EXPECT_FALSE(pastaLida.Ok());
    EXPECT_NE(pastaLida.erro.find(pasta.filename().string()), std::string::npos) << pastaLida.erro;

    fs::remove_all(pasta);
}

} // namespace
} // namespace tessarin
