#include "Dourado.h"

#include "checagens/CamposMestre.h"
#include "checagens/ValidaRegistroMestre.h"
#include "registros/LayoutRegistro.h"
#include "registros/Md5.h"
#include "validacao/DigestsAntecipados.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tessarin::teste {

namespace {

// A volume larger than one ring of item verdicts, with broken codes of every kind before, inside and after
// the first blocks, and a document whose item reference jumps a block ahead, so the walk asks for items
// behind the ring afterwards.
GeradorVolume VolumeComCodigosQuebrados(const char* referencia = "1701", const char* uf = "SP",
                                        const char* modelo = "22")
{
    ParametrosVolume p = ParametrosDe(referencia, uf, modelo, 12000, 3);
    GeradorVolume g(p);
    const int mestre = LayoutMestre(g.Geracao()).Tamanho;
    const int item = LayoutItem(g.Geracao()).Tamanho;
    const int destinatario = LayoutDestinatario(g.Geracao()).Tamanho;
    for (const std::int64_t i : {0, 2047, 2048, 11999}) {
        g.CorrompeBytes(ArquivoVolume::Mestre, i, mestre - 33, "00");
    }
    EXPECT_TRUE(g.DefineCampo(ArquivoVolume::Mestre, 5000, 13, std::string(32, 'A')));
    for (const std::int64_t i : {1, 2050, 20000, 32768, 35999}) {
        g.CorrompeBytes(ArquivoVolume::Item, i, item - 33, "00");
    }
    for (const std::int64_t i : {3, 9000}) {
        g.CorrompeBytes(ArquivoVolume::Destinatario, i, destinatario - 33, "00");
    }
    EXPECT_TRUE(g.DefineCampo(ArquivoVolume::Mestre, 100, 21, "000002100"));
    return g;
}

struct Execucao
{
    PortasGravadas Portas;
    ContextoValidacao Ctx;
    ResultadoValidacao Resultado;
    std::string Log;
};

void Executa(const std::filesystem::path& pasta, const std::string& nomeMestre, bool paralelo, int interromperNaChamada,
             Execucao& e)
{
    const VolumeEscolhido volume = EscolheVolume(pasta / nomeMestre, "11222333000181");
    ASSERT_TRUE(volume.Ok) << ParaUtf8(volume.Mensagem);
    DefineVolume(e.Ctx, volume);
    const auto caminhoLog = pasta / (paralelo ? "log-paralelo.txt" : "log-sequencial.txt");
    e.Portas.Respostas = {true, true};
    e.Portas.ArquivosSalvar.push_back(caminhoLog.string());
    e.Portas.InterromperNaChamada = interromperNaChamada;
    ValidacaoVolume validacao(e.Ctx, e.Portas.TodasAsPortas());
    validacao.DigestsEmParalelo(paralelo);
    e.Resultado = validacao.BtnValidarClick();
    e.Log = LeArquivo(caminhoLog);
}

// Runs the volume both ways and compares all a run shows.
void ConfereRunIgualAoSequencial(const std::filesystem::path& pasta, const std::string& nomeMestre)
{
    for (const int interromper : {0, 7000}) {
        Execucao sequencial, paralelo;
        Executa(pasta, nomeMestre, false, interromper, sequencial);
        Executa(pasta, nomeMestre, true, interromper, paralelo);
        EXPECT_EQ(paralelo.Resultado.Fim, sequencial.Resultado.Fim);
        EXPECT_EQ(paralelo.Portas.Lista, sequencial.Portas.Lista);
        EXPECT_EQ(MensagensGravadas(paralelo.Portas), MensagensGravadas(sequencial.Portas));
        EXPECT_EQ(paralelo.Log, sequencial.Log);
        EXPECT_EQ(paralelo.Ctx.ContagemPorCodigo, sequencial.Ctx.ContagemPorCodigo);
        // The faults above are really there to find.
        EXPECT_EQ(sequencial.Ctx.DivergenciasRegistroItem, interromper == 0 ? 5 : 3) << interromper;
        EXPECT_EQ(sequencial.Ctx.DivergenciasDocumento, 1);
        EXPECT_EQ(sequencial.Ctx.DivergenciasRegistroDestinatario, 1 + (interromper == 0 ? 1 : 0));
    }
}

} // namespace

// The digests taken ahead on the second thread change nothing a run shows: the list, the log, the
// messages and the counts are those of a run that digests every record in the loop, whole or interrupted,
// in the oldest generation's record lengths as in the newest's.
TEST(DigestsAntecipados, RunIgualAoSequencial)
{
    for (const auto& [referencia, uf, modelo] : {std::tuple{"1701", "SP", "22"}, std::tuple{"1103", "RJ", "06"}}) {
        SCOPED_TRACE(referencia);
        const GeradorVolume gerador = VolumeComCodigosQuebrados(referencia, uf, modelo);
        const auto pasta = GravaVolume(std::string("digests-antecipados-") + referencia, gerador);
        ConfereRunIgualAoSequencial(pasta, gerador.Nomes().Mestre);
    }
}

// Each verdict handed over is the check's own digest. The records just past the loop's position are left
// to it, and so is a record behind the ring, past the file's end, or of a file that could not be opened.
TEST(DigestsAntecipados, VereditosEForaDeOrdem)
{
    const GeradorVolume gerador = VolumeComCodigosQuebrados();
    const auto pasta = GravaVolume("digests-vereditos", gerador);
    const GeracaoLayout g = gerador.Geracao();
    const NomesVolume nomes = gerador.Nomes();
    const ComprimentosRegistro tamanhos = ComprimentosDaGeracao(g);
    DigestsAntecipados digests(g, {(pasta / nomes.Mestre).string(), tamanhos.Mestre},
                               {(pasta / nomes.Item).string(), tamanhos.Item}, {"/nao/existe", tamanhos.Destinatario});

    LeitorRegistros mestre, item;
    ASSERT_TRUE(mestre.Abre((pasta / nomes.Mestre).string(), tamanhos.Mestre, nullptr));
    ASSERT_TRUE(item.Abre((pasta / nomes.Item).string(), tamanhos.Item, nullptr));
    const auto veredito = [](bool confere) { return confere ? VereditoCodigo::Confere : VereditoCodigo::Diverge; };
    const auto esperadoItem = [&](std::int64_t k) {
        item.Posiciona(k);
        return veredito(CodigoRegistroConfere(item.Le()));
    };
    constexpr std::int64_t margem = DigestsAntecipados::Margem;

    // Nothing asked yet: the thread starts a margin in and stops a ring ahead.
    digests.AguardaAdiantado();
    for (std::int64_t i = 0; i < mestre.Registros(); ++i) {
        mestre.Posiciona(i);
        const std::string_view r = mestre.Le();
        const bool doLaco = i < margem;
        ASSERT_EQ(digests.Mestre(i), doLaco ? VereditoCodigo::Desconhecido : veredito(CodigoRegistroConfere(r))) << i;
        ASSERT_EQ(digests.Documento(i),
                  doLaco ? VereditoCodigo::Desconhecido : veredito(CodigoDocumentoConfere(CortaCamposMestre(r, g), g)))
            << i;
        EXPECT_EQ(digests.Destinatario(i), VereditoCodigo::Desconhecido);
    }
    for (const std::int64_t k : std::initializer_list<std::int64_t>{0, 1, margem - 1, margem, 2050, 20000}) {
        EXPECT_EQ(digests.Item(k), k < margem ? VereditoCodigo::Desconhecido : esperadoItem(k)) << k;
    }
    // The loop moved on, so the ring reaches the items past the first ring's worth.
    digests.AguardaAdiantado();
    for (const std::int64_t k : {DigestsAntecipados::Capacidade, std::int64_t{35999}}) {
        EXPECT_EQ(digests.Item(k), esperadoItem(k)) << k;
    }
    EXPECT_EQ(digests.Item(2050), VereditoCodigo::Desconhecido); // its slot now holds a record a ring on
    EXPECT_EQ(digests.Item(36000), VereditoCodigo::Desconhecido);
    EXPECT_EQ(digests.Mestre(-1), VereditoCodigo::Desconhecido);
    // Stopping keeps what was already handed over.
    digests.Para();
    EXPECT_EQ(digests.Item(35999), VereditoCodigo::Diverge);
}

} // namespace tessarin::teste
