#include "dados/Texto1252.h"
#include "principal/ArquivoIdentificacao.h"
#include "principal/ArquivoIni.h"
#include "principal/RegrasIdentificacao.h"

#include "IdentificacaoCompleta.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tessarin {

namespace fs = std::filesystem;

namespace {

class IdentificacaoArquivo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pasta_ = fs::temp_directory_path() / ("tessarin-identificacao-" + std::to_string(std::random_device{}()));
        fs::create_directories(pasta_);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(pasta_ / "trancado.ini", fs::perms::owner_all, ec);
        fs::remove_all(pasta_, ec);
    }

    static void Escreve(const fs::path& arquivo, const std::string& bytes)
    {
        std::ofstream(arquivo, std::ios::binary) << bytes;
    }
    static std::string Le(const fs::path& arquivo)
    {
        std::ifstream entrada(arquivo, std::ios::binary);
        return {std::istreambuf_iterator<char>(entrada), {}};
    }
    std::vector<std::string> Nomes() const
    {
        std::vector<std::string> nomes;
        for (const auto& item : fs::directory_iterator(pasta_)) {
            nomes.push_back(item.path().filename().string());
        }
        std::sort(nomes.begin(), nomes.end());
        return nomes;
    }

    fs::path pasta_;
};

} // namespace

TEST_F(IdentificacaoArquivo, NovoArquivoTemTresSecoesEmOrdemEVoltaIgual)
{
    auto id = teste::IdentificacaoCompleta();
    id.Nome = " Maria Souza "; // blanks at the ends survive the round trip
    id.Cargo = "\"Diretora\"";
    const auto arquivo = pasta_ / "identificacao.ini";
    std::string erro;
    ASSERT_TRUE(GravaIdentificacao(arquivo, id, erro)) << erro;

    EXPECT_EQ(Le(arquivo), "[IDENTIFICACAO]\r\n"
                           "RAZAO SOCIAL=Companhia El\xE9trica S\xE3o Jo\xE3o\r\n"
                           "IE=110.042.490.114\r\n"
                           "CNPJ=11.222.333/0001-81\r\n"
                           "\r\n"
                           "[ENDERECO]\r\n"
                           "ENDERECO=Rua das Flores, 100\r\n"
                           "BAIRRO=Centro\r\n"
                           "MUNICIPIO=S\xE3o Paulo\r\n"
                           "CEP=01310-100\r\n"
                           "UF=SP\r\n"
                           "\r\n"
                           "[RESPONSAVEL]\r\n"
                           "NOME=\" Maria Souza \"\r\n"
                           "CARGO=\"\"Diretora\"\"\r\n"
                           "TELEFONE=11-987654321\r\n"
                           "EMAIL=maria@empresa.com.br\r\n");
    EXPECT_EQ(Nomes(), std::vector<std::string>{"identificacao.ini"}); // no temporary file left behind

    const auto leitura = LeIdentificacao(arquivo);
    ASSERT_EQ(leitura.Situacao, SituacaoLeitura::Lida) << leitura.Mensagem;
    EXPECT_EQ(leitura.Dados, id);
}

TEST_F(IdentificacaoArquivo, GravarSobreArquivoExistenteSoTrocaNossasChaves)
{
    const auto arquivo = pasta_ / "compartilhado.ini";
    Escreve(arquivo, "; configura\xE7\xE3o de outro programa\r\n"
                     "[Outro]\r\n"
                     "chave=valor\r\n"
                     "\r\n"
                     "  [identificacao]  \r\n"
                     "razao social = Velha Razao\r\n"
                     "EXTRA=fica\r\n"
                     "\r\n"
                     "[Responsavel]\n"
                     "Nome=Antigo\n"
                     "# comentario\n"
                     "\n"
                     "[Final]\r\n"
                     "x=1");
    auto id = teste::IdentificacaoCompleta();
    id.Telefone = "11-12345678 ";
    std::string erro;
    ASSERT_TRUE(GravaIdentificacao(arquivo, id, erro)) << erro;

    EXPECT_EQ(Le(arquivo), "; configura\xE7\xE3o de outro programa\r\n"
                           "[Outro]\r\n"
                           "chave=valor\r\n"
                           "\r\n"
                           "  [identificacao]  \r\n"
                           "RAZAO SOCIAL=Companhia El\xE9trica S\xE3o Jo\xE3o\r\n"
                           "EXTRA=fica\r\n"
                           "IE=110.042.490.114\r\n"
                           "CNPJ=11.222.333/0001-81\r\n"
                           "\r\n"
                           "[Responsavel]\n"
                           "NOME=Maria Souza\r\n"
                           "# comentario\n"
                           "CARGO=Diretora\r\n"
                           "TELEFONE=\"11-12345678 \"\r\n"
                           "EMAIL=maria@empresa.com.br\r\n"
                           "\n"
                           "[Final]\r\n"
                           "x=1\r\n"
                           "\r\n"
                           "[ENDERECO]\r\n"
                           "ENDERECO=Rua das Flores, 100\r\n"
                           "BAIRRO=Centro\r\n"
                           "MUNICIPIO=S\xE3o Paulo\r\n"
                           "CEP=01310-100\r\n"
                           "UF=SP\r\n");
    const auto leitura = LeIdentificacao(arquivo);
    ASSERT_EQ(leitura.Situacao, SituacaoLeitura::Lida) << leitura.Mensagem;
    EXPECT_EQ(leitura.Dados, id);
}

TEST_F(IdentificacaoArquivo, LeituraToleraOQueAsPessoasEscrevem)
{
    const auto arquivo = pasta_ / "amigo.ini";
    Escreve(arquivo, "\xEF\xBB\xBF[Identificacao]\r\n"
                     "Razao Social\t=  'Loja do Z\xE9'  \r\n"
                     "ie=123456\r\n"
                     ";CNPJ=00.000.000/0000-00\r\n"
                     "[RESPONSAVEL]\r\n"
                     "TELEFONE=11 9876-54321\r\n"
                     "CARGO=Dono\r\n"
                     "[IDENTIFICACAO]\r\n"
                     "CNPJ=11.222.333/0001-81\r\n");
    const auto leitura = LeIdentificacao(arquivo);
    ASSERT_EQ(leitura.Situacao, SituacaoLeitura::Lida) << leitura.Mensagem;
    EXPECT_EQ(leitura.Dados.RazaoSocial, "Loja do Z\xE9");
    EXPECT_EQ(leitura.Dados.IE, "123456");
    EXPECT_EQ(leitura.Dados.CNPJ, ""); // the comment is no key, and only the first section of a name counts
    EXPECT_EQ(leitura.Dados.Telefone, "11-987654321");
    EXPECT_EQ(leitura.Dados.Cargo, "Dono");
    // No ENDERECO section: the address reads empty and the identification cannot be validated.
    EXPECT_EQ(leitura.Dados.Endereco, "");
    EXPECT_EQ(leitura.Dados.UF, "");
    EXPECT_FALSE(VerificaIdentificacao(leitura.Dados).Valida);
}

TEST_F(IdentificacaoArquivo, TelefoneRefeitoNaLeitura)
{
    const std::pair<const char*, const char*> casos[] = {
        {"11 -9876-54321", "11-987654321"}, // blank after the area code, hyphen inside the number
        {"1198765432", "11-98765432 "},     // no hyphen at all
        {"(11) 98765-4321", "11-987654321"},
        {"", "            "}, // missing key: no digits, only the padding
    };
    for (const auto& [gravado, lido] : casos) {
        SCOPED_TRACE(gravado);
        const auto arquivo = pasta_ / "fone.ini";
        Escreve(arquivo, std::string("[IDENTIFICACAO]\r\n[RESPONSAVEL]\r\n") +
                             (*gravado ? std::string("TELEFONE=") + gravado + "\r\n" : std::string()));
        const auto leitura = LeIdentificacao(arquivo);
        ASSERT_EQ(leitura.Situacao, SituacaoLeitura::Lida) << leitura.Mensagem;
        EXPECT_EQ(leitura.Dados.Telefone, lido);
    }
}

TEST_F(IdentificacaoArquivo, SemSecaoIdentificacaoNaoEArquivoDeIdentificacao)
{
    for (const char* conteudo :
         {"", "[ENDERECO]\r\nIDENTIFICACAO=1\r\n", "; [IDENTIFICACAO]\r\n", "[IDENTIFICACAO\r\n"}) {
        SCOPED_TRACE(conteudo);
        const auto arquivo = pasta_ / "outro.ini";
        Escreve(arquivo, conteudo);
        const auto leitura = LeIdentificacao(arquivo);
        EXPECT_EQ(leitura.Situacao, SituacaoLeitura::SemIdentificacao);
        EXPECT_EQ(leitura.Mensagem, ParaWin1252("Arquivo de identificação inválido..."));
    }
}

TEST_F(IdentificacaoArquivo, EntradaRuimDaErroClaroComONome)
{
    const auto binario = pasta_ / "binario.ini";
    Escreve(binario, std::string("[IDENTIFICACAO]\r\nIE=1\0\x01\x02", 24));
    const auto linhaEnorme = pasta_ / "linha.ini";
    Escreve(linhaEnorme, "[IDENTIFICACAO]\r\nIE=" + std::string(ArquivoIni::LinhaMaxima, '9') + "\r\n");
    const auto gigante = pasta_ / "gigante.ini";
    Escreve(gigante, "[IDENTIFICACAO]\r\n" + std::string(ArquivoIni::TamanhoMaximo, ';'));
    const auto utf16 = pasta_ / "utf16.ini";
    Escreve(utf16, std::string("\xFF\xFE[\0I\0]\0", 8));

    const std::pair<fs::path, const char*> casos[] = {
        {pasta_ / "nao-existe.ini", "arquivo não encontrado"},
        {pasta_, "não é um arquivo comum"},
        {binario, "bytes nulos"},
        {utf16, "bytes nulos"},
        {linhaEnorme, "a linha 2 tem mais de 65536 caracteres"},
        {gigante, "tem mais de 4 MB"},
    };
    for (const auto& [arquivo, motivo] : casos) {
        SCOPED_TRACE(arquivo.string());
        const auto leitura = LeIdentificacao(arquivo);
        EXPECT_EQ(leitura.Situacao, SituacaoLeitura::Falha);
        EXPECT_NE(leitura.Mensagem.find("[" + arquivo.string() + "]"), std::string::npos) << leitura.Mensagem;
        EXPECT_NE(leitura.Mensagem.find(ParaWin1252(motivo)), std::string::npos) << leitura.Mensagem;
        EXPECT_EQ(leitura.Dados, Identificacao{});
    }

    // Saving over a file that cannot be read refuses instead of wiping the file.
    std::string erro;
    EXPECT_FALSE(GravaIdentificacao(binario, teste::IdentificacaoCompleta(), erro));
    EXPECT_NE(erro.find(binario.string()), std::string::npos);
    EXPECT_EQ(Le(binario), std::string("[IDENTIFICACAO]\r\nIE=1\0\x01\x02", 24));
}

#ifndef _WIN32
TEST_F(IdentificacaoArquivo, ArquivoSemPermissaoDeLeitura)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser reads files without read permission";
    }
    const auto trancado = pasta_ / "trancado.ini";
    Escreve(trancado, "[IDENTIFICACAO]\r\n");
    fs::permissions(trancado, fs::perms::none);
    const auto leitura = LeIdentificacao(trancado);
    EXPECT_EQ(leitura.Situacao, SituacaoLeitura::Falha);
    EXPECT_NE(leitura.Mensagem.find(trancado.string()), std::string::npos);
}
#endif

TEST_F(IdentificacaoArquivo, GravacaoQueFalhaNaoEstragaNada)
{
    const auto arquivo = pasta_ / "identificacao.ini";
    const std::string original = "[IDENTIFICACAO]\r\nIE=123456\r\n[X]\r\ny=2\r\n";
    Escreve(arquivo, original);

    // A value that cannot stand on one line is refused before anything is written.
    auto quebrado = teste::IdentificacaoCompleta();
    quebrado.Endereco = "Rua A\r\n[IDENTIFICACAO]";
    std::string erro;
    EXPECT_FALSE(GravaIdentificacao(arquivo, quebrado, erro));
    EXPECT_NE(erro.find("ENDERECO"), std::string::npos) << erro;
    EXPECT_NE(erro.find(arquivo.string()), std::string::npos) << erro;
    EXPECT_EQ(Le(arquivo), original);

    // A folder that does not exist.
    const auto semPasta = pasta_ / "nao-ha" / "identificacao.ini";
    EXPECT_FALSE(GravaIdentificacao(semPasta, teste::IdentificacaoCompleta(), erro));
    EXPECT_NE(erro.find(semPasta.string()), std::string::npos) << erro;

    // A folder standing where the file should go.
    fs::create_directory(pasta_ / "pasta.ini");
    EXPECT_FALSE(GravaIdentificacao(pasta_ / "pasta.ini", teste::IdentificacaoCompleta(), erro));
    EXPECT_NE(erro.find("pasta.ini"), std::string::npos) << erro;

    EXPECT_EQ(Nomes(), (std::vector<std::string>{"identificacao.ini", "pasta.ini"}));
}

#ifndef _WIN32
TEST_F(IdentificacaoArquivo, GravarPorLinkSimbolicoTrocaODestino)
{
    const auto alvo = pasta_ / "real.ini";
    Escreve(alvo, "[Outro]\r\na=1\r\n");
    const auto link = pasta_ / "link.ini";
    fs::create_symlink(alvo, link);
    std::string erro;
    ASSERT_TRUE(GravaIdentificacao(link, teste::IdentificacaoCompleta(), erro)) << erro;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(LeIdentificacao(alvo).Dados, teste::IdentificacaoCompleta());
    EXPECT_TRUE(Le(alvo).starts_with("[Outro]\r\na=1\r\n\r\n[IDENTIFICACAO]\r\n"));
}
#endif

TEST_F(IdentificacaoArquivo, NomeDoArquivoGravado)
{
    const std::pair<fs::path, fs::path> casos[] = {
        {"dados.txt", "dados.ini"},
        {"a.b.c", "a.ini"},
        {"identificacao", "identificacao"},
        {"empresa.ini", "empresa.ini"},
        {fs::path("pasta.com.ponto") / "dados.txt", fs::path("pasta.com.ponto") / "dados.ini"},
    };
    for (const auto& [escolhido, gravado] : casos) {
        EXPECT_EQ(NomeArquivoIdentificacao(escolhido), gravado) << escolhido;
    }

    // Saved under a text file's name in a folder whose own name holds a point: same folder, ".ini".
    const auto pastaComPonto = pasta_ / "meus.dados";
    fs::create_directory(pastaComPonto);
    std::string erro;
    ASSERT_TRUE(GravaIdentificacao(NomeArquivoIdentificacao(pastaComPonto / "empresa.txt"),
                                   teste::IdentificacaoCompleta(), erro));
    EXPECT_TRUE(fs::is_regular_file(pastaComPonto / "empresa.ini"));
    EXPECT_FALSE(fs::exists(pastaComPonto / "empresa.txt"));
}

} // namespace tessarin
