#include "Dourado.h"

#include "registros/Md5.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace tessarin::teste {

namespace {

constexpr const char* Ufs[] = {"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
                               "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};

int Contagem(const ContextoValidacao& ctx, int codigo)
{
    return ctx.ContagemPorCodigo[static_cast<std::size_t>(ctx.Catalogo.Indice(codigo))];
}

// A run like ExecucaoDourada, with the computer's clock set by the test: only a clock before July 2012
// lets a volume of SP before that month carry the Destinatario faults as warnings.
struct ExecucaoNaData
{
    PortasGravadas Portas;
    ContextoValidacao Ctx;
    ResultadoValidacao Resultado;
    std::string Log;

    ExecucaoNaData(const std::filesystem::path& pasta, const std::string& nomeMestre, Instante hoje)
    {
        const VolumeEscolhido volume = EscolheVolume(pasta / nomeMestre, "11222333000181");
        if (!volume.Ok) {
            ADD_FAILURE() << "volume rejected: " << ParaUtf8(volume.Mensagem);
            return;
        }
        DefineVolume(Ctx, volume);
        const auto caminhoLog = pasta / "log.txt";
        Portas.Hoje = hoje;
        Portas.Respostas.push_back(true);
        Portas.ArquivosSalvar.push_back(caminhoLog.string());
        ValidacaoVolume validacao(Ctx, Portas.TodasAsPortas());
        Resultado = validacao.BtnValidarClick();
        Log = LeArquivo(caminhoLog);
    }

    void Confere(const std::string& caso) const
    {
        ConfereDourado(caso + ".lista.txt", ListaSalva(Portas));
        ConfereDourado(caso + ".mensagens.txt", MensagensGravadas(Portas));
        ConfereDourado(caso + ".log.txt", Log);
    }
};

void Define(GeradorVolume& g, std::int64_t documento, int campo, const std::string& textoUtf8)
{
    ASSERT_TRUE(g.DefineCampo(ArquivoVolume::Destinatario, documento, campo, ParaWin1252(textoUtf8)))
        << "field " << campo << " of document " << documento;
}

// The Destinatario faults of a volume of SP before 1701 (generation v_01), one or two per document, chosen
// so that each is a warning while the 2012 rule does not hold and an error once it does.
GeradorVolume VolumeSpAnterior2012()
{
    ParametrosVolume p = ParametrosDe("1105", "SP", "06", 6, 1);
    GeradorVolume g(p);
    Define(g, 1, 4, " RUA DAS FLORES"); // 330 / 331
    Define(g, 1, 5, "12A");             // 305 / 322
    Define(g, 2, 4, "123-456");         // model 06, digits only: 330 / 331
    Define(g, 2, 7, "01001-00");        // 307 / 323
    Define(g, 3, 8, " CENTRO");         // 309 / 324
    Define(g, 3, 9, " SAO PAULO");      // 310 / 325
    Define(g, 4, 10, "RJ");             // 311 / 326
    Define(g, 4, 12, "X00000000005");   // 327 / 328
    Define(g, 4, 13, "1199999999");     // 329 / 321
    Define(g, 4, 11, "0113312345");     // 316 / 317
    Define(g, 5, 5, "00000");           // 306 always
    Define(g, 5, 7, "00000000");        // 308 always
    Define(g, 5, 8, "");                // 309 always
    return g;
}

} // namespace

// The default municipality of a generated volume is the UF's capital: every one of them must be in the
// municipality table under its state, with the official name, or a clean volume would not be clean.
TEST(DouradoDestinatario, CapitaisDeTodasAsUfsPassamLimpas)
{
    for (const char* referencia : {"1105", "1510", "1701"}) {
        for (const char* uf : Ufs) {
            ParametrosVolume p;
            p.Referencia = referencia;
            p.Uf = uf;
            p.Documentos = 2;
            p.ItensPorDocumento = 1;
            GeradorVolume gerador(p);
            const std::string caso = std::string("dest-capital-") + referencia + "-" + uf;
            ExecucaoDourada execucao(GravaVolume(caso, gerador), gerador.Nomes().Mestre, false);
            EXPECT_EQ(execucao.Resultado.Fim, FimValidacao::Concluida) << caso;
            EXPECT_EQ(execucao.Ctx.QuantidadeErros, 0) << caso;
            EXPECT_EQ(execucao.Ctx.QuantidadeAdvertencias, 0) << caso;
            EXPECT_TRUE(execucao.Portas.Lista.empty()) << caso << ": " << ParaUtf8(execucao.Portas.Lista.front());
        }
    }
}

// Clean volumes of each generation whose Destinatario records were all examined: the record code cell
// says Ok and the control file is offered.
TEST(DouradoDestinatario, VolumesLimpos)
{
    struct Caso
    {
        const char* nome;
        const char* referencia;
        const char* uf;
        const char* modelo;
    };
    for (const Caso& c :
         {Caso{"dest-limpo-v01-sp", "1110", "SP", "22"}, Caso{"dest-limpo-v02-rs", "1606", "RS", "06"},
          Caso{"dest-limpo-v03-df", "1702", "DF", "22"}, Caso{"dest-limpo-v03-sp", "1701", "SP", "06"}}) {
        ParametrosVolume p = ParametrosDe(c.referencia, c.uf, c.modelo, 3, 2);
        GeradorVolume gerador(p);
        ExecucaoDourada execucao(GravaVolume(c.nome, gerador), gerador.Nomes().Mestre, true);
        EXPECT_EQ(execucao.Resultado.Fim, FimValidacao::Concluida) << c.nome;
        EXPECT_EQ(execucao.Ctx.QuantidadeErros, 0) << c.nome;
        EXPECT_EQ(execucao.Ctx.QuantidadeAdvertencias, 0) << c.nome;
        EXPECT_EQ(execucao.Portas.Botao_(Botao::Gerar), true) << c.nome;
        EXPECT_EQ(execucao.Portas.Celula_(Celula::HashRegistroCadastro), "                    Ok") << c.nome;
        EXPECT_EQ(execucao.Portas.Cor_(Celula::HashRegistroCadastro), Cor::Branco) << c.nome;
        execucao.Confere(c.nome);
    }
}

// A volume of SP from 1701 with faults of every step of the Destinatario checks, run with the log (the list
// then holds only the summaries) and without it (every finding listed).
TEST(DouradoDestinatario, VolumeMistoV03Sp)
{
    ParametrosVolume p = ParametrosDe("1701", "SP", "06", 20, 1);
    GeradorVolume g(p);
    // Document 0 stays clean.
    Define(g, 1, 1, "00012345678909");  // 301
    Define(g, 1, 2, "1234567890");      // 302
    Define(g, 1, 3, "OUTRO NOME");      // 303
    Define(g, 2, 4, " RUA DAS FLORES"); // 304, and no 331
    Define(g, 2, 5, "12A34");           // 322 (SP)
    Define(g, 2, 6, " APTO 1");         // 341
    Define(g, 2, 7, "0100A000");        // 323
    Define(g, 3, 4, "123-45");          // model 06, digits only: 331
    Define(g, 3, 5, "00000");           // 306
    Define(g, 3, 7, "00000000");        // 308
    Define(g, 3, 8, "");                // 309
    Define(g, 4, 4, "0-0.0/0");         // 331 (zeros only)
    Define(g, 4, 8, " CENTRO");         // 324
    Define(g, 4, 9, " SAO PAULO");      // 325 and no look-up of the code
    Define(g, 4, 19, "ABCDEFG");
    // The municipality is looked up on the Destinatario's own date of issue; a volume of 1701 cannot carry a
    // Mestre date of 2011 without Mestre errors, so these records differ from the Mestre's date (332).
    Define(g, 5, 9, "Embu");
    Define(g, 5, 19, "3515004");
    Define(g, 5, 15, "20110906"); // Embu still: nothing for the municipality
    Define(g, 6, 9, "Embu");
    Define(g, 6, 19, "3515004");
    Define(g, 6, 15, "20110907");                                // 340: Embu das Artes from this day on
    Define(g, 7, 19, "35A5004");                                 // 336 only
    Define(g, 8, 19, "3415004");                                 // 337: no state 34
    Define(g, 9, 19, "3304557");                                 // 338: a municipality of RJ
    Define(g, 10, 19, "3599999");                                // 337: not in the table
    Define(g, 11, 15, "00000000");                               // 339 (and 332)
    Define(g, 12, 10, "RJ");                                     // 326
    Define(g, 12, 12, "X00000000013");                           // 328
    Define(g, 12, 14, "XX");                                     // 313
    Define(g, 12, 11, "0112345678");                             // 317: area code starting with 0
    Define(g, 13, 11, "11987654321");                            // eleven digits and a blank: accepted
    Define(g, 13, 14, "");                                       // not informed: accepted
    Define(g, 13, 13, "1199999999");                             // 321
    Define(g, 14, 11, "119876543210");                           // 317: twelve digits
    Define(g, 14, 16, "22");                                     // 333
    Define(g, 14, 17, "002");                                    // 334
    Define(g, 14, 18, "000000999");                              // 335
    Define(g, 15, 21, std::string(32, '0'));                     // 314
    g.CorrompeBytes(ArquivoVolume::Destinatario, 16, 288, "XY"); // 315
    Define(g, 17, 6, "AP\r1\nB");                                // 422 twice
    g.CorrompeBytes(ArquivoVolume::Destinatario, 19, 256, "Z");  // 314, the second
    {
        // The record code in lower case is the same code: no 314.
        const ConteudoVolume conteudo = g.Conteudo();
        ASSERT_TRUE(conteudo.Ok());
        const std::string registro = conteudo.Destinatario.substr(18 * 289, 289);
        const HexMd5 hex = Md5HexFixo(Md5Texto(std::string_view(registro).substr(0, 289 - 34)));
        std::string minusculo(hex.begin(), hex.end());
        std::transform(minusculo.begin(), minusculo.end(), minusculo.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        ASSERT_NE(minusculo, std::string(hex.begin(), hex.end()));
        Define(g, 18, 21, minusculo);
    }

    const auto pasta = GravaVolume("dest-misto-v03-sp", g);
    ExecucaoDourada comLog(pasta, g.Nomes().Mestre, true);
    EXPECT_EQ(comLog.Resultado.Fim, FimValidacao::Concluida);
    struct Esperado
    {
        int codigo, quantidade;
    };
    for (const Esperado& e :
         {Esperado{301, 1}, {302, 1}, {303, 1}, {304, 1}, {322, 1}, {341, 1}, {323, 1}, {331, 2}, {306, 1},
          {308, 1},         {309, 1}, {324, 1}, {325, 1}, {336, 1}, {340, 1}, {337, 2}, {338, 1}, {339, 1},
          {332, 3},         {326, 1}, {328, 1}, {313, 1}, {317, 2}, {321, 1}, {333, 1}, {334, 1}, {335, 1},
          {314, 2},         {315, 1}, {422, 2}, {305, 0}, {310, 0}, {330, 0}}) {
        EXPECT_EQ(Contagem(comLog.Ctx, e.codigo), e.quantidade) << e.codigo;
    }
    EXPECT_EQ(comLog.Ctx.QuantidadeAdvertencias, 3); // 306, 308, 309
    EXPECT_EQ(comLog.Ctx.QuantidadeErros, 34);
    EXPECT_EQ(comLog.Ctx.DivergenciasRegistroDestinatario, 2);
    EXPECT_EQ(ParaUtf8(comLog.Portas.Celula_(Celula::HashRegistroCadastro)), "      Erro - 2 divergência(s)");
    EXPECT_EQ(comLog.Portas.Cor_(Celula::HashRegistroCadastro), Cor::Vermelho);
    EXPECT_EQ(comLog.Portas.Botao_(Botao::Gerar), false);
    comLog.Confere("dest-misto-v03-sp");

    // Without the log the findings are listed on screen instead; the counts and the closing are the same.
    ExecucaoDourada semLog(pasta, g.Nomes().Mestre, false);
    EXPECT_EQ(semLog.Ctx.QuantidadeErros, comLog.Ctx.QuantidadeErros);
    EXPECT_EQ(semLog.Ctx.QuantidadeAdvertencias, comLog.Ctx.QuantidadeAdvertencias);
    EXPECT_EQ(MensagensGravadas(semLog.Portas), MensagensGravadas(comLog.Portas));
    // Three lines for each of the 37 findings, then the same summaries.
    ASSERT_EQ(semLog.Portas.Lista.size(), comLog.Portas.Lista.size() + 3 * 37);
    EXPECT_TRUE(
        std::equal(comLog.Portas.Lista.begin(), comLog.Portas.Lista.end(), semLog.Portas.Lista.begin() + 3 * 37));
    semLog.Confere("dest-misto-v03-sp-sem-log");
}

// SP before 1701 validated on a computer whose clock says May 2012: the faults are warnings, the run ends
// without errors, and the 07/2012 text lists them in the summary, in a message box and after the "***"
// line of the log.
TEST(DouradoDestinatario, VolumeSpAnteriorA2012SoAdvertencias)
{
    const GeradorVolume g = VolumeSpAnterior2012();
    const auto pasta = GravaVolume("dest-sp-1105-em-2012", g);
    ExecucaoNaData execucao(pasta, g.Nomes().Mestre, Instante{2012, 5, 20, 10, 20, 30});
    EXPECT_EQ(execucao.Resultado.Fim, FimValidacao::Concluida);
    EXPECT_EQ(execucao.Ctx.QuantidadeErros, 0);
    EXPECT_EQ(execucao.Ctx.QuantidadeAdvertencias, 13);
    for (const int codigo : {305, 307, 310, 311, 316, 327, 329, 306, 308}) {
        EXPECT_EQ(Contagem(execucao.Ctx, codigo), 1) << codigo;
    }
    EXPECT_EQ(Contagem(execucao.Ctx, 309), 2);
    EXPECT_EQ(Contagem(execucao.Ctx, 330), 2);
    EXPECT_EQ(execucao.Portas.Botao_(Botao::Gerar), true);
    ASSERT_EQ(execucao.Portas.Mensagens.size(), 2u);
    EXPECT_EQ(execucao.Portas.Mensagens[1].Tipo, TipoMensagem::Advertencia);
    const std::string julho = ParaUtf8(execucao.Portas.Mensagens[1].Texto);
    EXPECT_EQ(julho.find("Os erros de preenchimentos"), 0u);
    // SP's lines in their order, then the one of every UF.
    std::size_t anterior = 0;
    for (const char* linha :
         {"* 305 -", "* 307 -", "* 309 -", "* 310 -", "* 311 -", "* 327 -", "* 329 -", "* 330 -", "* 316 -"}) {
        const std::size_t posicao = julho.find(linha);
        ASSERT_NE(posicao, std::string::npos) << linha;
        EXPECT_GT(posicao, anterior) << linha;
        anterior = posicao;
    }
    // The message box breaks lines with CR alone; the log carries the same text with CR LF.
    std::string julhoNoLog;
    for (const char c : julho) {
        julhoNoLog += c == '\r' ? std::string("\r\n") : std::string(1, c);
    }
    const std::string log = ParaUtf8(execucao.Log);
    const std::size_t estrelas = log.find("*** Não foram encontrados erros");
    ASSERT_NE(estrelas, std::string::npos);
    EXPECT_EQ(log.substr(estrelas).find(julhoNoLog), log.substr(estrelas).size() - julhoNoLog.size());
    execucao.Confere("dest-sp-1105-em-2012");
}

// The same volume on today's clock: the 2012 rule holds, so the faults that were warnings are errors,
// while zeros and a blank district stay warnings and the 07/2012 text keeps only 309.
TEST(DouradoDestinatario, VolumeSpAnteriorHojeErros)
{
    const GeradorVolume g = VolumeSpAnterior2012();
    const auto pasta = GravaVolume("dest-sp-1105-hoje", g);
    ExecucaoDourada execucao(pasta, g.Nomes().Mestre, true);
    EXPECT_EQ(execucao.Resultado.Fim, FimValidacao::Concluida);
    for (const int codigo : {322, 323, 324, 325, 326, 328, 321, 317}) {
        EXPECT_EQ(Contagem(execucao.Ctx, codigo), 1) << codigo;
    }
    EXPECT_EQ(Contagem(execucao.Ctx, 331), 2);
    EXPECT_EQ(execucao.Ctx.QuantidadeErros, 10);
    EXPECT_EQ(execucao.Ctx.QuantidadeAdvertencias, 3); // 306, 308, 309
    EXPECT_EQ(execucao.Portas.Botao_(Botao::Gerar), false);
    execucao.Confere("dest-sp-1105-hoje");
}

// A volume of RJ in the second generation: outside SP the address faults are warnings whatever the clock,
// the customer code is not compared with the Mestre's, and nothing goes into the 07/2012 text.
TEST(DouradoDestinatario, VolumeMistoV02ForaDeSp)
{
    ParametrosVolume p = ParametrosDe("1510", "RJ", "22", 6, 1);
    GeradorVolume g(p);
    Define(g, 1, 4, "AB");            // 304
    Define(g, 1, 5, "1A");            // 305
    Define(g, 1, 7, "ABC");           // 307
    Define(g, 2, 4, "0000");          // zeros outside SP before 1701: nothing
    Define(g, 2, 5, "00000");         // 306
    Define(g, 2, 7, "00000000");      // 308
    Define(g, 2, 8, "");              // 309
    Define(g, 2, 9, "");              // 310
    Define(g, 3, 10, "SP");           // 311
    Define(g, 3, 12, "");             // 312
    Define(g, 3, 14, "ZZ");           // 313
    Define(g, 4, 11, "112345678901"); // 317: no leading "0"
    Define(g, 4, 13, "2133445566");   // 329
    Define(g, 5, 11, "011234567890"); // "0" and eleven digits: accepted
    Define(g, 5, 12, "X00000000006"); // another code than the Mestre's: not compared outside SP
    const auto pasta = GravaVolume("dest-misto-v02-rj", g);
    ExecucaoDourada execucao(pasta, g.Nomes().Mestre, true);
    EXPECT_EQ(execucao.Resultado.Fim, FimValidacao::Concluida);
    for (const int codigo : {304, 305, 307, 306, 308, 309, 310, 311, 312, 313, 317, 329}) {
        EXPECT_EQ(Contagem(execucao.Ctx, codigo), 1) << codigo;
    }
    EXPECT_EQ(execucao.Ctx.QuantidadeErros, 4);        // 304, 312, 313, 317
    EXPECT_EQ(execucao.Ctx.QuantidadeAdvertencias, 8); // 305 to 311, 329
    for (const auto& m : execucao.Portas.Mensagens) {
        EXPECT_EQ(ParaUtf8(m.Texto).find("07/2012"), std::string::npos);
    }
    execucao.Confere("dest-misto-v02-rj");
}

} // namespace tessarin::teste
