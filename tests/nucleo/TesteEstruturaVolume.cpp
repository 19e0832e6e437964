#include "PortasGravadas.h"
#include "VolumeTemporario.h"

#include "relato/ContextoValidacao.h"
#include "validacao/EstruturaVolume.h"

#include <gtest/gtest.h>

namespace tessarin {

namespace {

using teste::EscreveArquivo;
using teste::RegistroEmBranco;

std::string Repete(const std::string& registro, int vezes)
{
    std::string texto;
    for (int i = 0; i < vezes; ++i) {
        texto += registro;
    }
    return texto;
}

// A volume whose three files are in `pasta` with the given contents (nullptr: the file is not created).
struct Volume
{
    ContextoValidacao ctx;
    std::filesystem::path pasta;

    Volume(const std::string& nome, const std::string& referencia, const char* mestre, const char* item,
           const char* destinatario)
    {
        pasta = teste::PastaTemporaria(nome);
        ctx.Pasta = pasta.string();
        ctx.NomeMestre = "SP123M.001";
        ctx.NomeItem = "SP123I.001";
        ctx.NomeDestinatario = "SP123D.001";
        ctx.Volume.Referencia = referencia;
        ctx.Volume.UFVolume = "SP";
        if (mestre != nullptr) {
            EscreveArquivo(pasta / ctx.NomeMestre, mestre);
        }
        if (item != nullptr) {
            EscreveArquivo(pasta / ctx.NomeItem, item);
        }
        if (destinatario != nullptr) {
            EscreveArquivo(pasta / ctx.NomeDestinatario, destinatario);
        }
    }
};

} // namespace

TEST(ValidaEstrutura, GeracaoDaReferenciaEArquivoAusente)
{
    struct Caso
    {
        const char* referencia;
        GeracaoLayout geracao;
        int m, i, d;
    };
    for (const Caso& c :
         {Caso{"1206", GeracaoLayout::V01, 256, 256, 256}, Caso{"1207", GeracaoLayout::V02, 260, 256, 260},
          Caso{"1612", GeracaoLayout::V02, 260, 256, 260}, Caso{"1701", GeracaoLayout::V03, 427, 333, 289}}) {
        SCOPED_TRACE(c.referencia);
        Volume v("geracao", c.referencia, nullptr, nullptr, nullptr);
        EXPECT_EQ(ValidaEstrutura(v.ctx), "Arquivo Mestre (SP123M.001) n\xe3o localizado...");
        EXPECT_EQ(v.ctx.Geracao, c.geracao);
        EXPECT_EQ(v.ctx.TamanhoMestre, c.m);
        EXPECT_EQ(v.ctx.TamanhoItem, c.i);
        EXPECT_EQ(v.ctx.TamanhoDestinatario, c.d);
    }
    const std::string r = RegistroEmBranco(256);
    Volume semItem("sem-item", "1206", r.c_str(), nullptr, nullptr);
    EXPECT_EQ(ValidaEstrutura(semItem.ctx), "Arquivo de Itens (SP123I.001) n\xe3o localizado...");
    Volume semDest("sem-dest", "1206", r.c_str(), r.c_str(), nullptr);
    EXPECT_EQ(ValidaEstrutura(semDest.ctx), "Arquivo de Destinat\xe1rio (SP123D.001) n\xe3o localizado...");
}

TEST(ValidaEstrutura, VolumeBemFormadoPassaEPreencheContagens)
{
    // Only the first line is measured: the second Mestre line has a stray CR LF in its middle.
    std::string torto = RegistroEmBranco(427);
    teste::Poe(torto, 100, "\r\n");
    const std::string mestre = RegistroEmBranco(427) + torto;
    const std::string item = Repete(RegistroEmBranco(333), 3);
    const std::string dest = Repete(RegistroEmBranco(289), 2);
    Volume v("bem-formado", "1701", mestre.c_str(), item.c_str(), dest.c_str());
    EXPECT_EQ(ValidaEstrutura(v.ctx), "");
    EXPECT_EQ(v.ctx.BytesMestre, 854);
    EXPECT_EQ(v.ctx.LinhasMestre, 2);
    EXPECT_EQ(v.ctx.BytesItem, 999);
    EXPECT_EQ(v.ctx.LinhasItem, 3);
    EXPECT_EQ(v.ctx.BytesDestinatario, 578);
    EXPECT_EQ(v.ctx.LinhasDestinatario, 2);
}

TEST(ValidaEstrutura, TamanhosEPrimeirasLinhas)
{
    // Empty Mestre of a 1701 volume: nothing between the parentheses, and nothing else judged of it.
    const std::string item3 = RegistroEmBranco(333);
    const std::string dest3 = RegistroEmBranco(289);
    Volume vazio("vazio", "1701", "", item3.c_str(), dest3.c_str());
    EXPECT_EQ(ValidaEstrutura(vazio.ctx),
              "Quantidade de bytes do arquivo Mestre () n\xe3o pode ser inferior a 427 . \r\n");

    // 600 bytes of a 1206 volume, its first line end misplaced; the Destinatario is "Cadastro" in the size
    // text, and a short first line of the Item file.
    std::string mestre = RegistroEmBranco(256) + RegistroEmBranco(256) + std::string(88, 'x');
    teste::Poe(mestre, 10, "\r\n");
    const std::string dest = RegistroEmBranco(256) + "abc";
    std::string item = RegistroEmBranco(256);
    teste::Poe(item, 255, "xx");
    Volume v("tamanhos", "1206", mestre.c_str(), item.c_str(), dest.c_str());
    EXPECT_EQ(ValidaEstrutura(v.ctx),
              "Quantidade de bytes do arquivo Mestre (600) n\xe3o \xe9 um m\xfaltiplo de 256.\r\n"
              "A 1\xaa linha do arquivo Mestre deve conter 254 caracteres, seguidos de CR + LF, totalizando 256 "
              "bytes por linha. \r\n"
              "Quantidade de bytes do arquivo Cadastro (259) n\xe3o \xe9 um m\xfaltiplo de 256.\r\n"
              "A 1\xaa linha do arquivo Item deve conter 254 caracteres, seguidos de CR + LF, totalizando 256 bytes "
              "por linha. \r\n");
    EXPECT_EQ(v.ctx.BytesMestre, 600);
    EXPECT_EQ(v.ctx.LinhasMestre, 0);
    EXPECT_EQ(v.ctx.LinhasItem, 1);
}

TEST(ValidaEstrutura, ArquivoIlegivelDaTextoClaro)
{
    const std::string r = RegistroEmBranco(256);
    Volume v("pasta-no-lugar", "1206", r.c_str(), nullptr, r.c_str());
    std::filesystem::create_directory(v.pasta / v.ctx.NomeItem);
    const std::string texto = ValidaEstrutura(v.ctx);
    EXPECT_EQ(texto.rfind("Arquivo de Itens (SP123I.001) n\xe3o pode ser aberto para leitura (", 0), 0u) << texto;
    EXPECT_EQ(texto.substr(texto.size() - 5), "). \r\n");
}

TEST(ValidaEstrutura, LimiteDeLinhasDoMestre)
{
    EXPECT_EQ(TextoLimiteLinhasMestre(1000001, "SP", "1612"),
              "Quantidade de linhas do arquivo Mestre (1.000.001) n\xe3o pode ser superior a 1.000.000 . \r\n");
    EXPECT_EQ(TextoLimiteLinhasMestre(1000001, "RJ", "1701"),
              "Quantidade de linhas do arquivo Mestre (1.000.001) n\xe3o pode ser superior a 1.000.000 . \r\n");
    EXPECT_EQ(TextoLimiteLinhasMestre(1000001, "RJ", "1612"), "");
    EXPECT_EQ(TextoLimiteLinhasMestre(1000000, "SP", "1701"), "");
}

TEST(ValidaEstrutura, ConcordanciaDasLinhas)
{
    EXPECT_EQ(TextoConcordanciaLinhas(2, 2, 3),
              "Quantidade de linhas do arquivo Destinat\xe1rio (3) deve ser igual \xe0 quantidade de linhas do "
              "arquivo Mestre (2). \r\n");
    EXPECT_EQ(TextoConcordanciaLinhas(1500, 1499, 1500),
              "Quantidade de linhas do arquivo Item (1.499) deve ser igual, ou superior, \xe0 quantidade de linhas "
              "do arquivo Mestre (1.500). \r\n");
    EXPECT_EQ(TextoConcordanciaLinhas(2, 5, 2), "");
    // A count unknown (size not a multiple) leaves the comparison out.
    EXPECT_EQ(TextoConcordanciaLinhas(2, 0, 3), "");

    // Through the whole phase: one Destinatario line more than the Mestre ends the run.
    const std::string m = RegistroEmBranco(256);
    const std::string d = m + m;
    Volume v("concordancia", "1206", m.c_str(), d.c_str(), d.c_str());
    EXPECT_EQ(ValidaEstrutura(v.ctx), TextoConcordanciaLinhas(1, 2, 2));
    EXPECT_NE(ValidaEstrutura(v.ctx), "");
}

TEST(ValidaComponentesNome, CadaComponenteInvalidoEListadoMesmoComLog)
{
    struct Caso
    {
        const char *nome, *serie, *referencia, *ano, *mes, *status;
        std::vector<std::string> lista;
    };
    const std::string local = "         Arquivo: Mestre, Item e Cadastro";
    const std::vector<Caso> casos{
        {"valido", "U  ", "1605", "16", "05", "N", {}},
        {"serie em branco",
         "   ",
         "1512",
         "15",
         "12",
         "S",
         {"Erro: 413 - A s\xe9rie utilizada na forma\xe7\xe3o do nome do arquivo \xe9 inv\xe1lida: [   ]", local, " "}},
        {"serie com branco inicial desde 1601",
         " AB",
         "1601",
         "16",
         "01",
         "N",
         {"Erro: 413 - A s\xe9rie utilizada na forma\xe7\xe3o do nome do arquivo \xe9 inv\xe1lida: [ AB]", local, " "}},
        {"serie com branco inicial antes de 1601", " AB", "1512", "15", "12", "N", {}},
        {"ano fora da lista",
         "U  ",
         "4112",
         "41",
         "12",
         "N",
         {"Erro: 414 - Ano de refer\xeancia utilizado na forma\xe7\xe3o do nome do arquivo inv\xe1lido: [41]", local,
          " "}},
        {"mes e status",
         "U  ",
         "1613",
         "16",
         "13",
         "n",
         {"Erro: 415 - M\xeas de refer\xeancia utilizado na forma\xe7\xe3o do nome do arquivo inv\xe1lido: [13]", local,
          " ", "Erro: 416 - Identificador do Status do arquivo inv\xe1lido: [n]", local, " "}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        teste::PortasGravadas fake;
        ContextoValidacao ctx;
        ctx.Janela = &fake;
        ctx.ExibirNaTela = false; // as in a run that writes a log
        ctx.Volume.SerieVolume = c.serie;
        ctx.Volume.Referencia = c.referencia;
        ctx.Volume.AnoReferencia = c.ano;
        ctx.Volume.MesReferencia = c.mes;
        ctx.Volume.StatusVolume = c.status;
        ValidaComponentesNome(ctx);
        EXPECT_EQ(fake.Lista, c.lista);
        EXPECT_EQ(ctx.QuantidadeErros, static_cast<int>(c.lista.size() / 3));
        EXPECT_EQ(ctx.FalhaDeVolume, !c.lista.empty());
    }
}

TEST(ValidaComponentesNome, LinhasDoLogEContagemPorCodigo)
{
    const auto pasta = teste::PastaTemporaria("componentes-log");
    ContextoValidacao ctx;
    ctx.GravarLog = true;
    ctx.Log.Cria((pasta / "log.txt").string());
    ctx.Volume.SerieVolume = "   ";
    ctx.Volume.Referencia = "0013";
    ctx.Volume.AnoReferencia = "00";
    ctx.Volume.MesReferencia = "13";
    ctx.Volume.StatusVolume = "X";
    ValidaComponentesNome(ctx);
    ctx.Log.Fecha();
    EXPECT_EQ(teste::LeArquivo(pasta / "log.txt"), "S/NRO;E;M,I,D;413;[   ];S/NRO NF\r\n"
                                                   "S/NRO;E;M,I,D;414;[00];S/NRO NF\r\n"
                                                   "S/NRO;E;M,I,D;415;[13];S/NRO NF\r\n"
                                                   "S/NRO;E;M,I,D;416;[X];S/NRO NF\r\n");
    EXPECT_EQ(ctx.QuantidadeErros, 4);
    for (int codigo : {413, 414, 415, 416}) {
        EXPECT_EQ(ctx.ContagemPorCodigo[static_cast<std::size_t>(ctx.Catalogo.Indice(codigo))], 1) << codigo;
    }
}

} // namespace tessarin
