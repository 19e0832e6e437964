#include "dados/Texto1252.h"
#include "validacao/NomeVolume.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tessarin {

namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

// The identification's CNPJ as the user types it; the names below carry it without separators.
constexpr std::string_view Contribuinte = "11.222.333/0001-81";

const std::string Tamanho16 = "Tamanho do nome do arquivo inválido: 16 ; o esperado é 15 ( referência <= 1612) ou 33 "
                              "( referência >= 1701)";

struct CasoMestre
{
    const char* Caso;
    std::string Nome;
    std::string Mensagem; // UTF-8; empty when the name is accepted
};

TEST(ValidarNomeMestre, AceitaOuDizPorque)
{
    const std::string longo = "SP11222333000181220011701N01M.001";
    const std::vector<CasoMestre> casos = {
        {"15 caracteres", "RJ0011205NM.001", ""},
        {"brancos nas pontas", "  RJ0011205NM.001 ", ""},
        {"33 caracteres", longo, ""},
        {"volume de entrada fora de SP", "RJ0011205NM.E01", ""},
        {"volume 000 antes de 1701", "RJ0011205NM.000", ""},
        {"estorno de SP antes de 0901", "SP0010812NM.E01", ""},
        {"sequencial 02 de arquivo substituto", "SP11222333000181220011701S02M.001", ""},
        {"16 caracteres: só o tamanho", "RJ0011205NM.0011", Tamanho16},
        {"nome vazio", "   ",
         "Tamanho do nome do arquivo inválido: 0 ; o esperado é 15 ( referência <= 1612) ou 33 ( referência >= 1701)"},
        {"sem ponto, 15", "RJ0011205NMX001",
         "Formato do nome do arquivo é inválido. Deveria haver um caractere \".\" na posição 12, ao invés de [X]; "},
        {"sem ponto, 33", "SP11222333000181220011701N01M_001",
         "Formato do nome do arquivo é inválido. Deveria haver um caractere \".\" na posição 30, ao invés de [_]; "},
        {"byte nulo no lugar do ponto",
         "RJ0011205NM\0"s
         "001",
         "Formato do nome do arquivo é inválido. Deveria haver um caractere \".\" na posição 12, ao invés de [\0]; "s},
        {"volume não numérico", "RJ0011205NM.0A1", "Extensão do nome do arquivo é inválida: 0A1 RJ0011205NM.0A1"},
        {"status", "RJ0011205XM.001", "Status do arquivo inválido: X RJ0011205XM.001"},
        {"mês 13", "RJ0011213NM.001", "Mês de apuração do arquivo inválido: 13 RJ0011213NM.001"},
        {"ano", "RJ001AB05NM.001", "Ano de apuração do arquivo inválido: AB RJ001AB05NM.001"},
        {"série em branco", "RJ   1205NM.001", "Série não informada. RJ   1205NM.001"},
        {"UF", "XX0011205NM.001", "UF inválida: XX XX0011205NM.001"},
        {"15 caracteres em 1701", "RJ0011701NM.001",
         "Na referência de apuração \"1701\" o nome do arquivo [RJ0011701NM.001] deve conter 33 caracteres, ao invés "
         "de 15.\r\n"},
        {"33 caracteres em 1612", "SP11222333000181220011612N01M.001",
         "Na referência de apuração \"1612\" o nome do arquivo [SP11222333000181220011612N01M.001] deve conter 15 "
         "caracteres, ao invés de 33.\r\n"},
        {"sequencial 02 de arquivo normal", "SP11222333000181220011701N02M.001",
         "Sequencial do arquivo [02] deve ser 01 quando o arquivo é Normal; SP11222333000181220011701N02M.001\r\n"},
        {"sequencial 00", "SP11222333000181220011701S00M.001",
         "Sequencial do arquivo [00] deve conter apenas algarismos, e ser diferente de 00; "
         "SP11222333000181220011701S00M.001\r\n"},
        {"CNPJ com dígito errado, logo diferente", "SP11222333000182220011701N01M.001",
         "CNPJ [11222333000182] com dígito verificador inválido; SP11222333000182220011701N01M.001\r\n"
         "CNPJ [11222333000182] do arquivo é diferente do CNPJ do contribuinte [11222333000181]; "
         "SP11222333000182220011701N01M.001\r\n"},
        {"CNPJ válido de outro contribuinte", "SP11444777000161220011701N01M.001",
         "CNPJ [11444777000161] do arquivo é diferente do CNPJ do contribuinte [11222333000181]; "
         "SP11444777000161220011701N01M.001\r\n"},
        {"CNPJ com letra", "SP1122233300018X220011701N01M.001",
         "CNPJ [1122233300018X] deve conter apenas algarismos; SP1122233300018X220011701N01M.001\r\n"},
        {"modelo e série, na ordem", "SP1122233300018199A.11701N01M.001",
         "Modelo do documento fiscal [99] é inválido; SP1122233300018199A.11701N01M.001\r\n"
         "Série [A.1] é inválida: Caractere não permitido: [.] SP1122233300018199A.11701N01M.001\r\n"},
        {"volume 000 em 1701", "SP11222333000181220011701N01M.000",
         "Nº do volume [000] é inválido; SP11222333000181220011701N01M.000\r\n"},
        {"volume E00 em 1701", "RJ11222333000181220011701N01M.E00",
         "Nº do volume [E00] é inválido; RJ11222333000181220011701N01M.E00\r\n"},
        {"tipo I em 1701", "SP11222333000181220011701N01I.001",
         "Tipo do arquivo [I] inválido: deve conter um M maiúsculo, para o arquivo Mestre; "
         "SP11222333000181220011701N01I.001\r\n"},
        {"estorno de SP desde 0901", "SP0010901NM.E01",
         "Nº do volume [E01] é inválido: a partir da referência 0901( jan/2009), o procedimento de estorno deve "
         "obedecer à Portaria Velmor 06/2009; SP0010901NM.E01\r\n"},
        {"referência anterior a 0405", "RJ0010404NM.001",
         "Referência do arquivo [0404] é inválida: não pode ser anterior a 0405 ( maio/2004); RJ0010404NM.001\r\n"},
        {"ano com sinal passa o número mas não a referência", "RJ001+105NM.001",
         "Referência do arquivo [+105] é inválida: deve conter somente algarismos; RJ001+105NM.001\r\n"},
        {"várias faltas, na ordem", "SP11222333000181990011612N00I.000",
         "Modelo do documento fiscal [99] é inválido; SP11222333000181990011612N00I.000\r\n"
         "Na referência de apuração \"1612\" o nome do arquivo [SP11222333000181990011612N00I.000] deve conter 15 "
         "caracteres, ao invés de 33.\r\n"
         "Sequencial do arquivo [00] deve conter apenas algarismos, e ser diferente de 00; "
         "SP11222333000181990011612N00I.000\r\n"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.Caso);
        const ResultadoNomeMestre r = ValidarNomeMestre(c.Nome, Contribuinte);
        EXPECT_EQ(r.Ok, c.Mensagem.empty());
        EXPECT_EQ(ParaUtf8(r.Mensagem), c.Mensagem);
        if (!r.Ok) {
            EXPECT_EQ(r.Componentes, ComponentesVolume{});
        }
    }
}

TEST(ValidarNomeMestre, CortaOsComponentes)
{
    const ResultadoNomeMestre longo = ValidarNomeMestre("RJ11222333000181220A11701S02M.E01", Contribuinte);
    ASSERT_TRUE(longo.Ok) << longo.Mensagem;
    ComponentesVolume esperado;
    esperado.NomeBase = "RJ11222333000181220A11701S02";
    esperado.UFVolume = "RJ";
    esperado.CnpjNome = "11222333000181";
    esperado.ModeloNome = "22";
    esperado.SerieVolume = "0A1";
    esperado.Referencia = "1701";
    esperado.AnoReferencia = "17";
    esperado.MesReferencia = "01";
    esperado.AnoCompleto = "2017";
    esperado.StatusVolume = "S";
    esperado.SequencialVolume = "02";
    esperado.NumeroVolume = "E01";
    esperado.VolumeDeSaida = false;
    esperado.CnpjContribuinte = "11222333000181";
    EXPECT_EQ(longo.Componentes, esperado);

    const ResultadoNomeMestre curto = ValidarNomeMestre(" RJ 1 1205NM.007 ", "");
    ASSERT_TRUE(curto.Ok) << curto.Mensagem;
    EXPECT_EQ(curto.Componentes.NomeBase, "RJ 1 1205N");
    EXPECT_EQ(curto.Componentes.SerieVolume, " 1 ");
    EXPECT_EQ(curto.Componentes.NumeroVolume, "007");
    EXPECT_TRUE(curto.Componentes.VolumeDeSaida);
    EXPECT_EQ(curto.Componentes.CnpjNome, "");
    EXPECT_EQ(curto.Componentes.SequencialVolume, "");
}

struct CasoArquivo
{
    const char* Caso;
    std::string Nome;
    const char* Tipo;
    std::string Esperado; // UTF-8
};

TEST(ValidarNomeArquivo, RetOkOuAsFaltas)
{
    const std::vector<CasoArquivo> casos = {
        {"15 caracteres", "RJ0011205NM.001", "M", "RET_OK"},
        {"controle de 33 caracteres", "SP11222333000181220011701N01C.001", "C", "RET_OK"},
        {"volume 000 antes de 1701", "RJ0011205ND.000", "D", "RET_OK"},
        {"entrada minúscula fora de SP", "RJ0010901NI.e01", "I", "RET_OK"},
        {"série com brancos fora de SP em 1512", "RJ  11512NM.001", "M", "RET_OK"},
        {"tipo minúsculo antes de 1701", "RJ0011205Nm.001", "M", "RET_OK"},
        {"nome não aparado", "RJ0011205NM.001 ", "M", Tamanho16},
        {"sem ponto", "RJ0011205NM-001", "M",
         "Formato do nome do arquivo inválido. Deveria haver um caractere \".\" na posição 12, ao invés de [-]; "},
        {"mês 13", "RJ0011213NM.001", "M", "Mês de apuração do arquivo é inválido: 13 [RJ0011213NM.001]"},
        {"mês com % passa a lista mas não os algarismos", "RJ001121%NM.001", "M",
         "Mês de apuração do arquivo é inválido: 1% [RJ001121%NM.001]"},
        {"mês e ano ruins: fica o ano", "RJ001AB13NM.001", "M",
         "Ano de apuração do arquivo inválido: AB [RJ001AB13NM.001]"},
        {"referência anterior a 0405", "RJ0010404NM.001", "M",
         "Referência do arquivo [0404] é inválida: não pode ser anterior a \"0405\" (maio/2004); "
         "[RJ0010404NM.001]\r\n"},
        {"UF com %", "S%0011205NM.001", "M", "UF inválida: S% [S%0011205NM.001]"},
        {"volume 000 em 1701", "RJ11222333000181220011701N01M.000", "M",
         "Nº do volume [000] é inválido; [RJ11222333000181220011701N01M.000]\r\n"},
        {"estorno de SP", "SP0010901NM.E01", "M", "Nº do volume [E01] é inválido; [SP0010901NM.E01]\r\n"},
        {"volume com sinal", "RJ0011205NM.-01", "M", "Nº do volume [-01] é inválido; [RJ0011205NM.-01]\r\n"},
        {"status", "RJ0011205XM.001", "M", "Status do arquivo inválido: X [RJ0011205XM.001]\r\n"},
        {"série em branco", "RJ   1205NM.001", "M", "Série não informada. [RJ   1205NM.001]\r\n"},
        {"série com branco inicial em SP desde 1601", "SP  11601NM.001", "M",
         "Série não pode iniciar com espaço em branco [  1] [SP  11601NM.001]\r\n"},
        {"série inválida em 1701", "RJ1122233300018122A.11701N01M.001", "M",
         "Série [A.1] é inválida: Caractere não permitido: [.] [RJ1122233300018122A.11701N01M.001]\r\n"},
        {"tipo desconhecido", "RJ0011205NX.001", "M",
         "Tipo do arquivo [X] inválido: deve conter um caractere M, D, I ou C; [RJ0011205NX.001]\r\n"},
        {"tipo em branco", "RJ0011205N .001", "M",
         "Tipo do arquivo [ ] inválido: deve conter um caractere M, D, I ou C; [RJ0011205N .001]\r\n"},
        {"tipo minúsculo em 1701", "RJ11222333000181220011701N01m.001", "M",
         "Tipo do arquivo [m] inválido: deve conter um caractere M, D, I ou C, maiúsculo; "
         "[RJ11222333000181220011701N01m.001]\r\n"},
        {"tipo diferente do esperado", "RJ0011205NI.001", "M",
         "Tipo do arquivo [I] é diferente do tipo de arquivo esperado: M .\r\n"},
        {"15 caracteres em 1701", "RJ0011701NM.001", "M",
         "Na referência de apuração \"1701\" o nome do arquivo [RJ0011701NM.001] deve conter 33 caracteres, ao invés "
         "de 15.\r\n"},
        {"grupo final acumula", "RJ11222333000182990011612N00M.001", "M",
         "CNPJ [11222333000182] com dígito verificador inválido; [RJ11222333000182990011612N00M.001]\r\n"
         "Modelo do documento fiscal [99] é inválido; [RJ11222333000182990011612N00M.001]\r\n"
         "Na referência de apuração \"1612\" o nome do arquivo [RJ11222333000182990011612N00M.001] deve conter 15 "
         "caracteres, ao invés de 33.\r\n"
         "Sequencial do arquivo [00] deve conter apenas algarismos, e ser diferente de 00; "
         "[RJ11222333000182990011612N00M.001]\r\n"},
        {"CNPJ com letra e modelo com %", "RJ1122233300018X6%0011701N01M.001", "M",
         "CNPJ [1122233300018X] deve conter apenas algarismos; [RJ1122233300018X6%0011701N01M.001]\r\n"
         "Modelo do documento fiscal [6%] é inválido; [RJ1122233300018X6%0011701N01M.001]\r\n"},
        {"status minúsculo em 1701", "RJ11222333000181220011701n02M.001", "M",
         "Sequencial do arquivo [02] deve ser 01 quando o arquivo é Normal; [RJ11222333000181220011701n02M.001]\r\n"
         "Status do arquivo [n] inválido: deve conter um N ou um S maiúsculo; "
         "[RJ11222333000181220011701n02M.001]\r\n"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.Caso);
        EXPECT_EQ(ParaUtf8(ValidarNomeArquivo(c.Nome, c.Tipo)), c.Esperado);
    }
}

// Each case gets its own folder so that the files of one cannot satisfy another.
class EscolheVolumeEmPasta : public ::testing::Test
{
protected:
    fs::path Raiz;

    void SetUp() override
    {
        const auto* teste = ::testing::UnitTest::GetInstance()->current_test_info();
        Raiz =
            fs::temp_directory_path() / ("tessarin-" + std::string(teste->name()) + "-" +
                                         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::remove_all(Raiz);
        fs::create_directories(Raiz);
    }
    void TearDown() override { fs::remove_all(Raiz); }

    // A name ending in "/" becomes a folder, the others small files.
    fs::path Pasta(const std::string& nome, const std::vector<std::string>& arquivos)
    {
        const fs::path pasta = Raiz / nome;
        fs::create_directories(pasta);
        for (const auto& a : arquivos) {
            if (a.ends_with('/')) {
                fs::create_directory(pasta / a.substr(0, a.size() - 1));
            } else {
                std::ofstream(pasta / a) << "x";
            }
        }
        return pasta;
    }
};

struct CasoEscolha
{
    const char* Caso;
    std::vector<std::string> Arquivos; // bytes of the names on disk
    std::string Escolhido;
    std::string Mensagem; // UTF-8; empty when the volume is chosen
    std::string ItemEmDisco;
    std::string DestinatarioEmDisco;
};

TEST_F(EscolheVolumeEmPasta, AchaOsArquivosIrmaos)
{
    const std::string latin1 = "RJ\xC9"
                               "AB1205N";
    const std::vector<CasoEscolha> casos = {
        {"maiúsculas",
         {"RJ0011205NM.001", "RJ0011205NI.001", "RJ0011205ND.001"},
         "RJ0011205NM.001",
         "",
         "RJ0011205NI.001",
         "RJ0011205ND.001"},
        {"33 caracteres",
         {"RJ11222333000181220011701N01M.001", "RJ11222333000181220011701N01I.001",
          "RJ11222333000181220011701N01D.001"},
         "RJ11222333000181220011701N01M.001",
         "",
         "RJ11222333000181220011701N01I.001",
         "RJ11222333000181220011701N01D.001"},
        {"volume em minúsculas",
         {"rj0011205nm.e01", "rj0011205ni.e01", "rj0011205nd.e01"},
         "rj0011205nm.e01",
         "",
         "rj0011205ni.e01",
         "rj0011205nd.e01"},
        {"mestre minúsculo, irmãos maiúsculos",
         {"rj0011205nm.001", "RJ0011205NI.001", "RJ0011205ND.001"},
         "rj0011205nm.001",
         "",
         "RJ0011205NI.001",
         "RJ0011205ND.001"},
        {"série com \"M.\" não engana a divisão",
         {"RJM.11205NM.001", "RJM.11205NI.001", "RJM.11205ND.001"},
         "RJM.11205NM.001",
         "",
         "RJM.11205NI.001",
         "RJM.11205ND.001"},
        {"nome em UTF-8 conta caracteres",
         {"rjéab1205nm.001", "rjéab1205ni.001", "rjéab1205nd.001"},
         "rjéab1205nm.001",
         "",
         "rjéab1205ni.001",
         "rjéab1205nd.001"},
        {"nome de um byte por caractere",
         {latin1 + "M.001", latin1 + "I.001", latin1 + "D.001"},
         latin1 + "M.001",
         "",
         latin1 + "I.001",
         latin1 + "D.001"},
        {"falta o Item",
         {"RJ0011205NM.001", "RJ0011205ND.001"},
         "RJ0011205NM.001",
         "Arquivo de Itens (RJ0011205NI.001) não localizado...",
         "",
         ""},
        {"falta o Destinatário",
         {"RJ0011205NM.001", "RJ0011205NI.001"},
         "RJ0011205NM.001",
         "Arquivo de Cadastro (RJ0011205ND.001) não localizado...",
         "",
         ""},
        {"pasta com o nome do Item não serve",
         {"RJ0011205NM.001", "RJ0011205NI.001/", "RJ0011205ND.001"},
         "RJ0011205NM.001",
         "Arquivo de Itens (RJ0011205NI.001) não localizado...",
         "",
         ""},
        {"nome recusado pelo Mestre", {}, "RJ0011205NM.0011", Tamanho16, "", ""},
        {"nome recusado pelo tipo",
         {},
         "RJ0011205NI.001",
         "Nome do arquivo Mestre [RJ0011205NI.001] é inválido: Tipo do arquivo [I] é diferente do tipo de arquivo "
         "esperado: M .\r\n .",
         "",
         ""},
        {"bytes de controle e inválidos",
         {},
         "\x01\xFF\xFE",
         "Tamanho do nome do arquivo inválido: 3 ; o esperado é 15 ( referência <= 1612) ou 33 ( referência >= 1701)",
         "",
         ""},
        {"byte nulo no nome não acha o prefixo",
         {"RJ"},
         "RJ\0AB1205NM.001"s,
         "Arquivo de Itens (RJ\0AB1205NI.001) não localizado..."s,
         "",
         ""},
    };
    int i = 0;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.Caso);
        const fs::path pasta = Pasta(std::to_string(i++), c.Arquivos);
        const VolumeEscolhido v = EscolheVolume(pasta / fs::path(c.Escolhido), Contribuinte);
        EXPECT_EQ(ParaUtf8(v.Mensagem), c.Mensagem);
        EXPECT_EQ(v.Ok, c.Mensagem.empty());
        if (v.Ok) {
            EXPECT_EQ(v.CaminhoMestre, pasta / c.Escolhido);
            EXPECT_EQ(v.CaminhoItem, pasta / c.ItemEmDisco);
            EXPECT_EQ(v.CaminhoDestinatario, pasta / c.DestinatarioEmDisco);
            EXPECT_EQ(v.Componentes.NomeBase + "M." + v.Componentes.NumeroVolume, v.NomeMestre);
        } else {
            EXPECT_EQ(v.Componentes, ComponentesVolume{});
        }
    }
}

TEST_F(EscolheVolumeEmPasta, NomesMaiusculosETitulo)
{
    const fs::path pasta = Pasta("v", {"rjéab1205nm.e01", "rjéab1205ni.e01", "rjéab1205nd.e01"});
    const VolumeEscolhido v = EscolheVolume(pasta / "rjéab1205nm.e01", Contribuinte);
    ASSERT_TRUE(v.Ok) << ParaUtf8(v.Mensagem);
    // One byte per character from here on: the names the window shows and the run quotes.
    EXPECT_EQ(v.NomeMestre, ParaWin1252("RJÉAB1205NM.E01"));
    EXPECT_EQ(v.NomeItem, ParaWin1252("RJÉAB1205NI.E01"));
    EXPECT_EQ(v.NomeDestinatario, ParaWin1252("RJÉAB1205ND.E01"));
    EXPECT_EQ(v.Componentes.NomeBase, ParaWin1252("RJÉAB1205N"));
    EXPECT_EQ(v.Componentes.NumeroVolume, "E01");
    EXPECT_FALSE(v.Componentes.VolumeDeSaida);
    EXPECT_EQ(ParaUtf8(v.Titulo), "Valida Arquivos de volumes - Arquivo mestre selecionado : RJÉAB1205NM.E01  - "
                                  "Validador versão 3.00b");
}

} // namespace

} // namespace tessarin
