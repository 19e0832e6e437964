#include "PortasGravadas.h"
#include "VolumeTemporario.h"

#include "registros/LeitorRegistros.h"
#include "relato/ContextoValidacao.h"
#include "validacao/PrimeirosUltimos.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessarin {

namespace {

using teste::Poe;

std::string Mestre(int tamanho, const char* numero, const char* data, const char* modelo, const char* serie)
{
    std::string r = teste::RegistroEmBranco(tamanho);
    Poe(r, 82, data);
    Poe(r, 90, modelo);
    Poe(r, 92, serie);
    Poe(r, 95, numero);
    return r;
}

std::string Item(const char* numero, const char* data)
{
    std::string r = teste::RegistroEmBranco(256);
    Poe(r, 21, data);
    Poe(r, 34, numero);
    return r;
}

struct Arquivos
{
    ContextoValidacao ctx;
    teste::PortasGravadas fake;
    LeitorRegistros mestre, item;

    Arquivos(const std::string& nome, GeracaoLayout geracao, const std::string& m, const std::string& i)
    {
        const auto pasta = teste::PastaTemporaria(nome);
        teste::EscreveArquivo(pasta / "m", m);
        teste::EscreveArquivo(pasta / "i", i);
        ctx.Janela = &fake;
        ctx.Geracao = geracao;
        const int l = ComprimentosDaGeracao(geracao).Mestre;
        EXPECT_TRUE(mestre.Abre((pasta / "m").string(), l, nullptr));
        EXPECT_TRUE(item.Abre((pasta / "i").string(), 256, nullptr));
        ctx.RegistrosMestre = std::max<std::int64_t>(1, mestre.Registros());
        ctx.RegistrosItem = std::max<std::int64_t>(1, item.Registros());
    }
};

} // namespace

TEST(LeInteiro, LeituraDaPlataforma)
{
    struct Caso
    {
        const char* texto;
        std::optional<std::int32_t> valor;
    };
    for (const Caso& c : {Caso{"000000123", 123},
                          Caso{"   123", 123},
                          Caso{"123 ", std::nullopt},
                          Caso{" -12", -12},
                          Caso{"+7", 7},
                          Caso{"$1F", 31},
                          Caso{"0x1f", 31},
                          Caso{"X10", 16},
                          Caso{"-0x10", -16},
                          Caso{"2147483647", 2147483647},
                          Caso{"2147483648", std::nullopt},
                          Caso{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                          Caso{"$FFFFFFFF", -1},
                          Caso{"", std::nullopt},
                          Caso{"   ", std::nullopt},
                          Caso{"-", std::nullopt},
                          Caso{"12a", std::nullopt},
                          Caso{"0x", std::nullopt},
                          Caso{"1 2", std::nullopt},
                          Caso{"$G", std::nullopt}}) {
        EXPECT_EQ(LeInteiro32(c.texto), c.valor) << '"' << c.texto << '"';
    }
    EXPECT_EQ(LeInteiro64("9999999999"), 9999999999);
    EXPECT_EQ(LeInteiro64("9223372036854775808"), std::nullopt);
    EXPECT_EQ(LeInteiro64("ABC      "), std::nullopt);
}

TEST(LePrimeiroEUltimo, FatosDoPrimeiroEDoUltimoRegistro)
{
    // The first number with a leading blank still reads; the last three items carry no date.
    const std::string m = Mestre(260, " 12345678", "20161201", "22", "U  ") +
                          Mestre(260, "000000002", "20161202", "22", "U  ") +
                          Mestre(260, "000000003", "20161231", "21", "U 1");
    const std::string i = Item("000000001", "20161201") + Item("000000002", "20161215") +
                          Item("000000003", "00000000") + Item("000000003", "00000000") + Item("000000003", "00000000");
    Arquivos a("primeiro-ultimo", GeracaoLayout::V02, m, i);
    LePrimeiroEUltimo(a.ctx, a.mestre, a.item, a.fake);
    const ContextoValidacao& c = a.ctx;
    EXPECT_EQ(c.PrimeiraNF, " 12345678");
    EXPECT_EQ(c.ValorPrimeiraNF, 12345678);
    EXPECT_EQ(c.DataPrimeiraNF, "20161201");
    EXPECT_EQ(c.SeriePrimeiraNF, "U  ");
    EXPECT_EQ(c.ModeloVolume, "22");
    EXPECT_EQ(c.UltimaNF, "000000003");
    EXPECT_EQ(c.DataUltimaNF, "20161231");
    EXPECT_EQ(c.ModeloUltimaNF, "21");
    EXPECT_EQ(c.SerieUltimaNF, "U 1");
    EXPECT_EQ(c.PrimeiroItemNF, "000000001");
    EXPECT_EQ(c.DataPrimeiroItem, "20161201");
    EXPECT_EQ(c.UltimoItemNF, "000000002");
    EXPECT_EQ(c.DataUltimoItem, "20161215");
    EXPECT_TRUE(a.fake.Lista.empty());
    EXPECT_TRUE(a.fake.Mensagens.empty());
    EXPECT_FALSE(c.FalhaDeVolume);
}

TEST(LePrimeiroEUltimo, ModeloDoNomeDesde1701EItensSemDataAteORegistroZero)
{
    const std::string m = Mestre(427, "000000001", "20170101", "22", "U  ");
    const std::string i = Item("000000001", "00000000") + Item("000000001", "00000000");
    Arquivos a("modelo-nome", GeracaoLayout::V03, m, i);
    a.ctx.Volume.ModeloNome = "21";
    LePrimeiroEUltimo(a.ctx, a.mestre, a.item, a.fake);
    EXPECT_EQ(a.ctx.ModeloVolume, "21");
    EXPECT_EQ(a.ctx.ModeloUltimaNF, "22");
    EXPECT_EQ(a.ctx.DataUltimoItem, "00000000");
    EXPECT_EQ(a.ctx.UltimoItemNF, "000000001");
}

TEST(LePrimeiroEUltimo, NumerosInvalidosSaoListadosELogados)
{
    const std::string m =
        Mestre(256, "12345678 ", "20110101", "22", "U  ") + Mestre(256, "ABC      ", "20110101", "22", "U  ");
    Arquivos a("417-418", GeracaoLayout::V01, m, Item("000000001", "20110101"));
    const auto pasta = teste::PastaTemporaria("417-418-log");
    a.ctx.GravarLog = true;
    a.ctx.ExibirNaTela = false;
    a.ctx.Log.Cria((pasta / "log.txt").string());
    LePrimeiroEUltimo(a.ctx, a.mestre, a.item, a.fake);
    a.ctx.Log.Fecha();
    EXPECT_EQ(a.fake.Lista,
              (std::vector<std::string>{
                  "Erro: 417 - N\xfamero da 1\xaa Nota Fiscal do arquivo mestre inv\xe1lido [12345678 ]",
                  "         Arquivo: Mestre", " ",
                  "Erro: 418 - N\xfamero da \xfaltima Nota Fiscal do arquivo mestre inv\xe1lido [ABC      ]",
                  "         Arquivo: Mestre", " "}));
    EXPECT_EQ(teste::LeArquivo(pasta / "log.txt"), "S/NRO;E;M,I,D;417;[12345678 ];S/NRO NF\r\n"
                                                   "S/NRO;E;M;418;[ABC      ];S/NRO NF\r\n");
    EXPECT_EQ(a.ctx.QuantidadeErros, 2);
    EXPECT_TRUE(a.ctx.FalhaDeVolume);
}

TEST(LePrimeiroEUltimo, RegistroForaDoArquivoEAdvertido)
{
    Arquivos a("posicao", GeracaoLayout::V01, Mestre(256, "000000001", "20110101", "22", "U  "),
               Item("000000001", "20110101"));
    // Counts that promise more than the files hold.
    a.ctx.RegistrosMestre = 3;
    a.ctx.RegistrosItem = 3;
    LePrimeiroEUltimo(a.ctx, a.mestre, a.item, a.fake);
    ASSERT_EQ(a.fake.Mensagens.size(), 3u);
    for (const auto& m : a.fake.Mensagens) {
        EXPECT_EQ(m.Tipo, TipoMensagem::Advertencia);
    }
    EXPECT_EQ(a.fake.Mensagens[0].Texto, "O \xfaltimo registro do arquivo mestre n\xe3o foi localizado (arquivo com "
                                         "tamanho menor que o devido ou erro de leitura)...");
    EXPECT_EQ(a.fake.Mensagens[1].Texto, "O \xfaltimo registro do arquivo item n\xe3o foi localizado (arquivo com "
                                         "tamanho menor que o devido ou erro de leitura)...");
    // The search goes on backwards to the record that exists.
    EXPECT_EQ(a.ctx.DataUltimoItem, "20110101");
    // The unreachable last record has no number.
    EXPECT_EQ(a.ctx.UltimaNF, "");
    EXPECT_EQ(a.ctx.ContagemPorCodigo[static_cast<std::size_t>(a.ctx.Catalogo.Indice(418))], 1);
}

TEST(ComparaQuantidades, ItemMenorECadastroDiferente)
{
    struct Caso
    {
        std::int64_t m, i, d;
        std::vector<std::string> lista;
        Cor mestre, item, cadastro;
    };
    const std::string c401 = "Erro: 401 - Quantidade registros do arquivo Item menor que a quantidade de registros do "
                             "arquivo Mestre.";
    const std::string c412 = "Erro: 412 - Quantidade registros do arquivo Cadastro diferente da quantidade de "
                             "registros do arquivo Mestre.";
    const auto V = Cor::Vermelho;
    const auto B = Cor::Branco;
    for (const Caso& c :
         {Caso{3, 4, 3, {}, B, B, B}, Caso{3, 2, 3, {c401, "         Arquivo: Mestre e Item", " "}, V, V, B},
          Caso{3, 3, 0, {c412, "         Arquivo: Mestre e Cadastro", " "}, V, B, V},
          Caso{3,
               1,
               4,
               {c401, "         Arquivo: Mestre e Item", " ", c412, "         Arquivo: Mestre e Cadastro", " "},
               V,
               V,
               V}}) {
        SCOPED_TRACE(testing::Message() << c.m << "/" << c.i << "/" << c.d);
        teste::PortasGravadas fake;
        ContextoValidacao ctx;
        ctx.Janela = &fake;
        ctx.ExibirNaTela = false;
        ctx.RegistrosMestre = c.m;
        ctx.RegistrosItem = c.i;
        ctx.RegistrosDestinatario = c.d;
        ComparaQuantidades(ctx);
        EXPECT_EQ(fake.Lista, c.lista);
        EXPECT_EQ(ctx.FalhaDeVolume, !c.lista.empty());
        EXPECT_EQ(fake.Cor_(Celula::MestreQtde), c.mestre);
        EXPECT_EQ(fake.Cor_(Celula::ItemQtde), c.item);
        EXPECT_EQ(fake.Cor_(Celula::CadastroQtde), c.cadastro);
    }
}

TEST(ComparaQuantidades, LinhasDoLog)
{
    const auto pasta = teste::PastaTemporaria("401-412-log");
    ContextoValidacao ctx;
    ctx.GravarLog = true;
    ctx.Log.Cria((pasta / "log.txt").string());
    ctx.RegistrosMestre = 2;
    ctx.RegistrosItem = 1;
    ctx.RegistrosDestinatario = 1;
    ComparaQuantidades(ctx);
    ctx.Log.Fecha();
    EXPECT_EQ(teste::LeArquivo(pasta / "log.txt"), "S/NRO;E;MxI;401;S/VALOR;S/NRO NF\r\n"
                                                   "S/NRO;E;MxD;412;S/VALOR;S/NRO NF\r\n");
    EXPECT_EQ(ctx.QuantidadeErros, 2);
}

} // namespace tessarin
