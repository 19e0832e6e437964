#include "registros/ErroEntradaSaida.h"
#include "registros/LeitorRegistros.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tessarin {

namespace {

std::filesystem::path PastaTemporaria(const std::string& nome)
{
    auto pasta = std::filesystem::temp_directory_path() / ("tessarin-" + nome + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(pasta);
    return pasta;
}

// Records "0000\r\n", "0001\r\n", ... of six bytes each.
std::string Registros(int quantidade)
{
    std::string texto;
    for (int i = 0; i < quantidade; ++i) {
        char linha[8];
        std::snprintf(linha, sizeof linha, "%04d\r\n", i);
        texto += linha;
    }
    return texto;
}

} // namespace

TEST(LeitorRegistros, LeEmOrdemEPosicionaAtravesDeBlocos)
{
    const auto pasta = PastaTemporaria("leitor");
    const auto caminho = (pasta / "dados.txt").string();
    std::ofstream(caminho, std::ios::binary) << Registros(100) << "12"; // a partial record at the end
    LeitorRegistros leitor;
    std::string erro;
    // A block of 4 records forces refills, backward moves and a block cut by the end of the file.
    ASSERT_TRUE(leitor.Abre(caminho, 6, &erro, 24)) << erro;
    EXPECT_EQ(leitor.Bytes(), 602);
    EXPECT_EQ(leitor.Registros(), 100);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(leitor.Le().substr(0, 4), Registros(i + 1).substr(static_cast<std::size_t>(i) * 6, 4));
    }
    EXPECT_TRUE(leitor.Le().empty()); // the partial record is not a record
    ASSERT_TRUE(leitor.Posiciona(97));
    EXPECT_EQ(leitor.Le(), "0097\r\n");
    ASSERT_TRUE(leitor.Posiciona(2));
    EXPECT_EQ(leitor.Le(), "0002\r\n");
    EXPECT_EQ(leitor.Le(), "0003\r\n");
    EXPECT_TRUE(leitor.Posiciona(100)); // the end itself is a position, reading there gives nothing
    EXPECT_TRUE(leitor.Le().empty());
    EXPECT_FALSE(leitor.Posiciona(101));
    EXPECT_FALSE(leitor.Posiciona(-1));
    EXPECT_EQ(leitor.LeInicio(8), "0000\r\n00");
    std::filesystem::remove_all(pasta);
}

TEST(LeitorRegistros, FalhasDoSistemaSaoMensagensClaras)
{
    const auto pasta = PastaTemporaria("leitor-falhas");
    LeitorRegistros leitor;
    std::string erro;
    EXPECT_FALSE(leitor.Abre((pasta / "nao-existe").string(), 6, &erro));
    EXPECT_FALSE(erro.empty());
    erro.clear();
    EXPECT_FALSE(leitor.Abre(pasta.string(), 6, &erro)); // a folder in place of a file
    EXPECT_FALSE(erro.empty());

    // A file cut while it is read: the promised record is missing, which is an input/output failure.
    const auto caminho = (pasta / "encolhe.txt").string();
    std::ofstream(caminho, std::ios::binary) << Registros(10);
    ASSERT_TRUE(leitor.Abre(caminho, 6, &erro, 12));
    std::filesystem::resize_file(caminho, 12);
    EXPECT_EQ(leitor.Le(), "0000\r\n");
    ASSERT_TRUE(leitor.Posiciona(5));
    EXPECT_THROW(leitor.Le(), ErroEntradaSaida);
    std::filesystem::remove_all(pasta);
}

} // namespace tessarin
