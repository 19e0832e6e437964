// Whole runs through the driver: the record loop and its item walk, the interruption, the ways a run ends,
// the 1000-occurrence limit and faulty input files. Each case is compared with its golden files and its key
// facts are asserted beside them.
#include "Dourado.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <unistd.h>

namespace tessarin::teste {

namespace {

namespace fs = std::filesystem;

// A small "v_01" volume of RJ: short records keep the golden files readable, and outside SP no warning
// blocks delivery from 07/2012.
ParametrosVolume Pequeno(std::int64_t documentos = 3, int itens = 2)
{
    ParametrosVolume p = ParametrosDe("1103", "RJ", "06", documentos, itens);
    return p;
}

// One run whose answers and ports a test scripts itself (ExecucaoDourada always confirms an interruption).
struct ExecucaoLivre
{
    ContextoValidacao Ctx;
    ResultadoValidacao Resultado;

    // `antes` runs between the volume choice and the run, to change the files behind the choice's back.
    ExecucaoLivre(const fs::path& mestre, PortasGravadas& portas, const std::function<void()>& antes = {})
    {
        const VolumeEscolhido volume = EscolheVolume(mestre, "11222333000181");
        if (!volume.Ok) {
            ADD_FAILURE() << "volume rejected: " << ParaUtf8(volume.Mensagem);
            return;
        }
        DefineVolume(Ctx, volume);
        if (antes) {
            antes();
        }
        ValidacaoVolume validacao(Ctx, portas.TodasAsPortas());
        Resultado = validacao.BtnValidarClick();
    }
};

std::string Juntas(const std::vector<std::string>& linhas)
{
    std::string texto;
    for (const auto& l : linhas) {
        texto += l + "\n";
    }
    return texto;
}

std::string TextoMensagens(const PortasGravadas& portas)
{
    return ParaUtf8(MensagensGravadas(portas));
}

int Contagem(const ContextoValidacao& ctx, std::string_view codigo)
{
    for (int i = 0; i < ctx.Catalogo.Quantidade(); ++i) {
        if (ctx.Catalogo[i].Codigo() == codigo) {
            return ctx.ContagemPorCodigo[static_cast<std::size_t>(i)];
        }
    }
    ADD_FAILURE() << "code not in the catalogue: " << codigo;
    return -1;
}

} // namespace

// The loop runs once per Mestre record and reads the Destinatário record of the same index: a warning on
// each Destinatário record shows up as Cadastro records 1, 2 and 3, and the loop ends past the last one.
TEST(DouradoExecucao, LacoLeCadaDestinatarioDoMesmoIndice)
{
    GeradorVolume gerador(Pequeno());
    for (int d = 0; d < 3; ++d) {
        ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Destinatario, d, 5, "AB" + std::to_string(d)));
    }
    const auto pasta = GravaVolume("run-tres-registros", gerador);
    ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, false);
    EXPECT_EQ(exec.Resultado.Fim, FimValidacao::Concluida);
    EXPECT_EQ(exec.Ctx.IndiceMestre, 3);
    EXPECT_EQ(exec.Ctx.ItensValidados, 6);
    EXPECT_EQ(exec.Ctx.QuantidadeErros, 0);
    EXPECT_EQ(exec.Ctx.QuantidadeAdvertencias, 3);
    EXPECT_EQ(Contagem(exec.Ctx, "305"), 3);
    const std::string lista = Juntas(exec.Portas.ListaUtf8());
    for (const char* registro : {"registro:          1,", "registro:          2,", "registro:          3,"}) {
        EXPECT_NE(lista.find(std::string("Arquivo: Cadastro, ") + registro), std::string::npos) << registro;
    }
    EXPECT_EQ(exec.Portas.Botao_(Botao::Gerar), true);
    exec.Confere("run-tres-registros");
}

// The item walk's findings about a document's reference to its first item.
TEST(DouradoExecucao, PercursoDosItens)
{
    // The first document points at its third item: the two records before it belong to no document walked
    // so far and are reported as orphans, then the document's own item goes through its checks. The
    // orphans carry no value, so the document's sums agree and only the orphans are found.
    {
        GeradorVolume gerador(Pequeno());
        gerador.DefineItensDocumento(0, 3);
        ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Mestre, 0, 21, "000000003"));
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Item, i, 18, "00000000000"));
            ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Item, i, 24, "00000000000"));
        }
        ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Item, 2, 11, "001"));
        const auto pasta = GravaVolume("run-orfaos", gerador);
        ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, true);
        EXPECT_EQ(exec.Resultado.Fim, FimValidacao::Concluida);
        EXPECT_EQ(exec.Ctx.QuantidadeErros, 2);
        EXPECT_EQ(Contagem(exec.Ctx, "234"), 2);
        EXPECT_EQ(exec.Ctx.ItensValidados, 5);
        EXPECT_EQ(exec.Ctx.ProximoItemEsperado, 7);
        EXPECT_NE(exec.Log.find("1;E;I;234;["), std::string::npos);
        EXPECT_NE(exec.Log.find("];ignorado\r\n2;E;I;234;["), std::string::npos);
        exec.Confere("run-orfaos");
    }
    // A reference that is not a number: 133, and the walk starts at the first Item record, which is the
    // document's own, so nothing else is found.
    {
        GeradorVolume gerador(Pequeno());
        ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Mestre, 0, 21, "000000000"));
        const auto pasta = GravaVolume("run-referencia-zero", gerador);
        ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, false);
        EXPECT_EQ(exec.Ctx.QuantidadeErros, 1);
        EXPECT_EQ(Contagem(exec.Ctx, "133"), 1);
        EXPECT_EQ(exec.Ctx.ItensValidados, 6);
        exec.Confere("run-referencia-zero");
    }
    // A reference beyond the Item file: 137, no item read for that document (its item sums stay zero and
    // differ from its Mestre values), and the next expected item does not move, so the items of that
    // document turn up as orphans before the next document's.
    {
        GeradorVolume gerador(Pequeno());
        ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Mestre, 1, 21, "000000099"));
        const auto pasta = GravaVolume("run-referencia-alem", gerador);
        ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, false);
        EXPECT_EQ(Contagem(exec.Ctx, "137"), 1);
        EXPECT_EQ(Contagem(exec.Ctx, "234"), 2);
        EXPECT_EQ(Contagem(exec.Ctx, "402"), 1);
        EXPECT_EQ(exec.Ctx.ItensValidados, 4);
        // 137 counts as a record divergence but leaves the cell's text to the next 136.
        EXPECT_EQ(exec.Ctx.DivergenciasRegistroMestre, 1);
        EXPECT_EQ(exec.Portas.Celula_(Celula::HashRegistroMestre), "");
        exec.Confere("run-referencia-alem");
    }
    // A reference to another document's item (134) and to a document's second item (135).
    {
        GeradorVolume gerador(Pequeno());
        ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Mestre, 0, 21, "000000003"));
        ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Mestre, 2, 21, "000000006"));
        const auto pasta = GravaVolume("run-referencia-134-135", gerador);
        ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, false);
        EXPECT_EQ(Contagem(exec.Ctx, "134"), 1);
        EXPECT_EQ(Contagem(exec.Ctx, "135"), 1);
        exec.Confere("run-referencia-134-135");
    }
    // A reference into the previous document, whose items were already walked (134): only the skipped
    // document's own items turn up as orphans, never the ones validated with their document.
    {
        GeradorVolume gerador(Pequeno());
        ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Mestre, 1, 21, "000000002"));
        const auto pasta = GravaVolume("run-referencia-anterior", gerador);
        ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, true);
        EXPECT_EQ(Contagem(exec.Ctx, "134"), 1);
        EXPECT_EQ(Contagem(exec.Ctx, "234"), 2);
        EXPECT_NE(exec.Log.find("3;E;I;234;"), std::string::npos);
        EXPECT_NE(exec.Log.find("4;E;I;234;"), std::string::npos);
        EXPECT_EQ(exec.Log.find("2;E;I;234;"), std::string::npos);
        EXPECT_EQ(exec.Ctx.ItensValidados, 4);
    }
}

// ESC confirmed after the first record: the loop stops there, the list ends with the interruption lines and
// the file totals are those of that one document; the items not walked give 419.
TEST(DouradoExecucao, InterrupcaoConfirmada)
{
    GeradorVolume gerador(Pequeno());
    const auto pasta = GravaVolume("run-interrompida", gerador);
    ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, false, "11222333000181", 1);
    EXPECT_EQ(exec.Resultado.Fim, FimValidacao::Interrompida);
    EXPECT_TRUE(exec.Ctx.ValidacaoInterrompida);
    EXPECT_EQ(exec.Ctx.IndiceMestre, 0);
    EXPECT_EQ(exec.Ctx.ItensValidados, 2);
    ASSERT_EQ(exec.Portas.Perguntas.size(), 2U);
    EXPECT_EQ(ParaUtf8(exec.Portas.Perguntas[1]), "Deseja interromper a validação ?");
    const auto lista = exec.Portas.ListaUtf8();
    ASSERT_GE(lista.size(), 3U);
    EXPECT_EQ(lista[0], " ");
    EXPECT_EQ(lista[1], " Validação interrompida...");
    EXPECT_EQ(lista[2], " ");
    EXPECT_EQ(Contagem(exec.Ctx, "419"), 1);
    EXPECT_EQ(exec.Ctx.TotaisMestre[0], exec.Ctx.TotaisItem[0]);
    EXPECT_FALSE(exec.Portas.Celula_(Celula::MestreVT).empty());
    EXPECT_EQ(exec.Portas.Celula_(Celula::MestreVT), exec.Portas.Celula_(Celula::ItemV));
    EXPECT_EQ(exec.Portas.Botao_(Botao::Gerar), false);
    exec.Confere("run-interrompida");

    // The totals are the first document's: those of a volume that holds only that document.
    GeradorVolume so(Pequeno(1));
    const auto pastaSo = GravaVolume("run-interrompida-um", so);
    ExecucaoDourada um(pastaSo, so.Nomes().Mestre, false);
    EXPECT_EQ(um.Ctx.QuantidadeErros, 0);
    EXPECT_EQ(exec.Ctx.TotaisMestre, um.Ctx.TotaisMestre);
    EXPECT_EQ(exec.Ctx.TotaisItem, um.Ctx.TotaisItem);
}

// ESC answered No: the run goes on to the end, as if nothing had been pressed.
TEST(DouradoExecucao, InterrupcaoRecusada)
{
    GeradorVolume gerador(Pequeno());
    const auto pasta = GravaVolume("run-interrupcao-recusada", gerador);
    PortasGravadas portas;
    portas.Respostas = {false, false};
    portas.InterromperNaChamada = 1;
    ExecucaoLivre exec(pasta / gerador.Nomes().Mestre, portas);
    EXPECT_EQ(exec.Resultado.Fim, FimValidacao::Concluida);
    EXPECT_FALSE(exec.Ctx.ValidacaoInterrompida);
    EXPECT_EQ(exec.Ctx.IndiceMestre, 3);
    EXPECT_EQ(portas.Perguntas.size(), 2U);
    EXPECT_EQ(portas.ChamadasInterrupcao, 3);
    EXPECT_TRUE(portas.Lista.empty());
    EXPECT_EQ(exec.Ctx.QuantidadeErros, 0);
    EXPECT_EQ(portas.Botao_(Botao::Gerar), true);
}

// Series beginning with a blank in an RJ volume of 1605: 413 before anything else, the loop skipped, the
// closing summary and the error message. With a log, 413 is still listed and its log line comes before the
// header.
TEST(DouradoExecucao, SerieComBrancoPulaOLaco)
{
    ParametrosVolume p = Pequeno();
    p.Referencia = "1605";
    p.Serie = " 01";
    GeradorVolume gerador(p);
    const auto pasta = GravaVolume("run-413-serie", gerador);
    ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, true);
    EXPECT_EQ(exec.Resultado.Fim, FimValidacao::Concluida);
    EXPECT_TRUE(exec.Ctx.FalhaDeVolume);
    EXPECT_EQ(exec.Ctx.QuantidadeErros, 1);
    EXPECT_EQ(exec.Ctx.ItensValidados, 0);
    EXPECT_EQ(exec.Log.rfind("S/NRO;E;M,I,D;413;[ 01];S/NRO NF\r\nTessarin, vers", 0), 0U);
    const std::string lista = Juntas(exec.Portas.ListaUtf8());
    EXPECT_EQ(lista.rfind("Erro: 413 - A série utilizada na formação do nome do arquivo é inválida: [ 01]\n", 0), 0U);
    EXPECT_NE(lista.find("Total de Erros: "), std::string::npos);
    ASSERT_EQ(exec.Portas.Mensagens.size(), 1U);
    EXPECT_EQ(exec.Portas.Mensagens[0].Tipo, TipoMensagem::Erro);
    exec.Confere("run-413-serie");
}

// With a log: the reporter's warnings go only to the log, while 419 (an Item record more than the
// documents reference) is still listed; the log ends without the "no errors" line because 419 is an error.
TEST(DouradoExecucao, ComLogSoAsOcorrenciasDoVolumeSaoListadas)
{
    GeradorVolume gerador(Pequeno());
    ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Destinatario, 1, 5, "AB1"));
    const ConteudoVolume conteudo = gerador.Conteudo();
    ASSERT_TRUE(conteudo.Ok());
    // A copy of the last item under a document number no Mestre record has.
    std::string sobra = conteudo.Item.substr(conteudo.Item.size() - 256);
    Poe(sobra, 34, "999999999");
    gerador.AcrescentaLinha(ArquivoVolume::Item, sobra);
    const auto pasta = GravaVolume("run-log-419", gerador);
    ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, true);
    EXPECT_EQ(exec.Resultado.Fim, FimValidacao::Concluida);
    EXPECT_EQ(exec.Ctx.QuantidadeAdvertencias, 1);
    EXPECT_EQ(exec.Ctx.QuantidadeErros, 1);
    EXPECT_EQ(Contagem(exec.Ctx, "419"), 1);
    const auto lista = exec.Portas.ListaUtf8();
    ASSERT_FALSE(lista.empty());
    EXPECT_EQ(lista[0], "Erro: 419 - Existem ítens que não são referenciados por Notas Fiscais [total de linhas no "
                        "arquivo Item: 7 ; total de itens validados: 6]");
    EXPECT_EQ(Juntas(lista).find("Advertência: 305"), std::string::npos);
    EXPECT_NE(exec.Log.find(";A;D;305;[AB1  ];"), std::string::npos);
    EXPECT_EQ(exec.Log.find("*** N"), std::string::npos);
    EXPECT_EQ(exec.Portas.Botao_(Botao::Gerar), false);
    exec.Confere("run-log-419");
}

// Without a log the 1001st error is still listed and followed by the limit lines; the 1002nd is only
// counted. The list's head is the same three lines per error, so only its tail is kept as a golden file.
TEST(DouradoExecucao, LimiteDeMilOcorrencias)
{
    GeradorVolume gerador(Pequeno(1002, 1));
    for (int d = 0; d < 1002; ++d) {
        ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Mestre, d, 24, std::string(32, '0')));
    }
    const auto pasta = GravaVolume("run-limite", gerador);
    ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, false);
    EXPECT_EQ(exec.Ctx.QuantidadeErros, 1002);
    EXPECT_EQ(Contagem(exec.Ctx, "136"), 1002);
    EXPECT_FALSE(exec.Ctx.ExibirNaTela);
    const auto lista = exec.Portas.ListaUtf8();
    ASSERT_GT(lista.size(), 3U * 1001 + 3);
    const std::string hifens(85, '-');
    EXPECT_EQ(lista[3 * 1000], lista[0]); // the 1001st heading, as every other one
    EXPECT_NE(lista[3 * 1000 + 1].find("Arquivo: Mestre, registro:      1.001, campo: 22"), std::string::npos)
        << lista[3 * 1000 + 1];
    EXPECT_EQ(lista[3 * 1001], hifens);
    EXPECT_EQ(lista[3 * 1001 + 1],
              " Limite de 1000 erros/advertências alcançado, as ocorrências não serão mais exibidas.");
    EXPECT_EQ(lista[3 * 1001 + 2], hifens);
    EXPECT_EQ(lista[3 * 1001 + 3], " "); // the summary follows at once: the 1002nd is not listed
    std::string cauda;
    for (std::size_t i = 3 * 999; i < exec.Portas.Lista.size(); ++i) {
        cauda += exec.Portas.Lista[i] + "\r\n";
    }
    ConfereDourado("run-limite.lista-final.txt", cauda);
    ConfereDourado("run-limite.mensagens.txt", MensagensGravadas(exec.Portas));
}

// The runs that end before the record loop, and faulty input files.
TEST(DouradoExecucao, FinaisAntesDoLaco)
{
    // An empty "v_03" Mestre file: the structural message, no summary, the buttons stay disabled.
    {
        ParametrosVolume p;
        p.Documentos = 2;
        GeradorVolume gerador(p);
        const auto pasta = GravaVolume("run-mestre-vazio", gerador);
        EscreveArquivo(pasta / gerador.Nomes().Mestre, "");
        ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, false);
        EXPECT_EQ(exec.Resultado.Fim, FimValidacao::Estrutura);
        EXPECT_TRUE(exec.Portas.Lista.empty());
        ASSERT_EQ(exec.Portas.Mensagens.size(), 1U);
        EXPECT_EQ(ParaUtf8(exec.Portas.Mensagens[0].Texto),
                  " ERRO: \r\n\r\nQuantidade de bytes do arquivo Mestre () não pode ser inferior a 427 . \r\n;");
        EXPECT_EQ(exec.Portas.Botao_(Botao::Gerar), false);
        EXPECT_EQ(exec.Portas.Botao_(Botao::Salvar), false);
        exec.Confere("run-mestre-vazio");
    }
    // A reference above the newest this program knows: the text that suggests a newer version, listed and
    // logged, and no summary.
    {
        ParametrosVolume p;
        p.Referencia = "1703";
        p.Documentos = 2;
        GeradorVolume gerador(p);
        const auto pasta = GravaVolume("run-referencia-1703", gerador);
        ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, true);
        EXPECT_EQ(exec.Resultado.Fim, FimValidacao::Referencia);
        const std::string mensagens = TextoMensagens(exec.Portas);
        EXPECT_NE(mensagens.find(" ERROS DETECTADOS: "), std::string::npos);
        EXPECT_NE(mensagens.find("Verifique se há uma versão mais recente do Tessarin para download."),
                  std::string::npos);
        EXPECT_EQ(exec.Portas.Cor_(Celula::MestreQtde), Cor::Vermelho);
        EXPECT_EQ(exec.Portas.Botao_(Botao::Imprimir), false);
        exec.Confere("run-referencia-1703");
    }
    // A Mestre file a few bytes longer than its records: the multiple text.
    {
        GeradorVolume gerador(Pequeno());
        gerador.AcrescentaLinha(ArquivoVolume::Mestre, "xyz");
        const auto pasta = GravaVolume("run-mestre-nao-multiplo", gerador);
        ExecucaoDourada exec(pasta, gerador.Nomes().Mestre, false);
        EXPECT_EQ(exec.Resultado.Fim, FimValidacao::Estrutura);
        exec.Confere("run-mestre-nao-multiplo");
    }
}

TEST(DouradoExecucao, ArquivosIlegiveis)
{
    // A folder where the Item file should be, and an Item file nobody may read, both arising after the
    // volume was chosen: a structural finding that names the file, never a crash nor a run that pretends
    // to have read it.
    struct Caso
    {
        const char* nome;
        bool pasta;
    };
    for (const Caso c : {Caso{"run-item-pasta", true}, Caso{"run-item-sem-permissao", false}}) {
        if (!c.pasta && ::geteuid() == 0) {
            continue; // root reads whatever the permissions say
        }
        GeradorVolume gerador(Pequeno());
        const auto pasta = GravaVolume(c.nome, gerador);
        const auto item = pasta / gerador.Nomes().Item;
        PortasGravadas portas;
        ExecucaoLivre exec(pasta / gerador.Nomes().Mestre, portas, [&] {
            if (c.pasta) {
                fs::remove(item);
                fs::create_directory(item);
            } else {
                fs::permissions(item, fs::perms::none);
            }
        });
        EXPECT_EQ(exec.Resultado.Fim, FimValidacao::Estrutura) << c.nome;
        EXPECT_TRUE(portas.Lista.empty());
        ASSERT_EQ(portas.Mensagens.size(), 1U) << c.nome;
        const std::string texto = ParaUtf8(portas.Mensagens[0].Texto);
        EXPECT_NE(texto.find("Arquivo de Itens (" + gerador.Nomes().Item + ") não pode ser aberto para leitura ("),
                  std::string::npos)
            << texto;
        fs::permissions(item, fs::perms::owner_all);
    }
}

// A Mestre file cut short while the run reads it: the run ends with the read failure's message, keeps
// what it logged so far, and offers no control file.
TEST(DouradoExecucao, ArquivoEncolheDuranteAExecucao)
{
    // Bigger than the reader's block, so the cut is seen when the next block is read.
    GeradorVolume gerador(Pequeno(5000, 1));
    const auto pasta = GravaVolume("run-encolhe", gerador);
    const auto mestre = pasta / gerador.Nomes().Mestre;

    struct PortasQueCortam : PortasGravadas
    {
        fs::path Alvo;
        bool InterrupcaoPedida() override
        {
            if (ChamadasInterrupcao++ == 0) {
                fs::resize_file(Alvo, 256);
            }
            return false;
        }
    } portas;
    portas.Alvo = mestre;
    portas.Respostas = {true};
    portas.ArquivosSalvar = {(pasta / "log.txt").string()};
    ExecucaoLivre exec(mestre, portas);
    EXPECT_EQ(exec.Resultado.Fim, FimValidacao::FalhaEntradaSaida);
    EXPECT_FALSE(exec.Resultado.MensagemFalha.empty());
    ASSERT_EQ(portas.Mensagens.size(), 1U);
    EXPECT_EQ(portas.Mensagens[0].Tipo, TipoMensagem::Erro);
    EXPECT_LT(exec.Ctx.IndiceMestre, 5000);
    EXPECT_NE(portas.Botao_(Botao::Gerar), true);
    EXPECT_EQ(portas.Botao_(Botao::Validar), true);
    const std::string log = LeArquivo(pasta / "log.txt");
    EXPECT_NE(log.find("registro; tipo de ocorrencia"), std::string::npos);
    EXPECT_EQ(log.find("*** N"), std::string::npos);
}

// Lower-case file names: the volume is found and validated under the names it has on disk.
TEST(DouradoExecucao, NomesEmMinusculas)
{
    GeradorVolume gerador(Pequeno());
    const auto pasta = GravaVolume("run-minusculas", gerador);
    const auto minusculo = [](std::string nome) {
        std::transform(nome.begin(), nome.end(), nome.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return nome;
    };
    const NomesVolume nomes = gerador.Nomes();
    for (const std::string& n : {nomes.Mestre, nomes.Item, nomes.Destinatario}) {
        fs::rename(pasta / n, pasta / minusculo(n));
    }
    ExecucaoDourada exec(pasta, minusculo(nomes.Mestre), true);
    EXPECT_EQ(exec.Resultado.Fim, FimValidacao::Concluida);
    EXPECT_EQ(exec.Ctx.QuantidadeErros, 0);
    EXPECT_EQ(exec.Ctx.ItensValidados, 6);
    EXPECT_NE(exec.Log.find("Nome do arquivo Mestre: " + minusculo(nomes.Mestre) + "\r\n"), std::string::npos);
}

} // namespace tessarin::teste
