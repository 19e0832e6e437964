#include "PortasGravadas.h"
#include "VolumeTemporario.h"

#include "relato/ContextoValidacao.h"
#include "validacao/CabecalhoLog.h"
#include "validacao/FechamentoValidacao.h"

#include <gtest/gtest.h>

namespace tessarin {

namespace {

void Conta(ContextoValidacao& ctx, int codigo, int vezes)
{
    ctx.ContagemPorCodigo[static_cast<std::size_t>(ctx.Catalogo.Indice(codigo))] += vezes;
    (ctx.Catalogo[ctx.Catalogo.Indice(codigo)].Erro() ? ctx.QuantidadeErros : ctx.QuantidadeAdvertencias) += vezes;
}

struct ComLog
{
    std::filesystem::path caminho;
    explicit ComLog(ContextoValidacao& ctx, const std::string& nome)
    {
        caminho = teste::PastaTemporaria(nome) / "log.txt";
        ctx.GravarLog = true;
        ctx.Log.Cria(caminho.string());
    }
    std::string Conteudo() const { return teste::LeArquivo(caminho); }
};

} // namespace

TEST(EscreveCabecalhoLog, BlocoCompleto)
{
    ContextoValidacao ctx;
    ComLog log(ctx, "cabecalho");
    ctx.Geracao = GeracaoLayout::V03;
    ctx.NomeMestre = "SP12345678000199221U  17010N01M.001";
    ctx.LinhasMestre = 1234;
    ctx.BytesMestre = 1234 * 427;
    ctx.LinhasItem = 5;
    ctx.BytesItem = 5 * 333;
    ctx.LinhasDestinatario = 0; // a count that was not taken prints as nothing
    ctx.BytesDestinatario = 0;
    EscreveCabecalhoLog(ctx, Instante{2017, 3, 5, 9, 8, 7});
    ctx.Log.Fecha();
    EXPECT_EQ(log.Conteudo(), "Tessarin, vers\xe3o : 3.00b\r\n"
                              "Vers\xe3o do layout: v_03\r\n"
                              "Data da Valida\xe7\xe3o: 05/03/2017 09:08:07\r\n"
                              "\r\n"
                              "Nome do arquivo Mestre: SP12345678000199221U  17010N01M.001\r\n"
                              "\r\n"
                              "Arquivo Mestre: 1.234 linhas, 526.918 bytes.\r\n"
                              "Arquivo Destinat\xe1rio:  linhas,  bytes.\r\n"
                              "Arquivo Item: 5 linhas, 1.665 bytes.\r\n"
                              "\r\n"
                              "registro; tipo de ocorrencia; arquivo; codigo do erro; valor lido; documento fiscal\r\n"
                              "\r\n");
}

TEST(ComparaTotaisArquivos, TotaisIguaisMostramValoresEOk)
{
    teste::PortasGravadas fake;
    ContextoValidacao ctx;
    ctx.Janela = &fake;
    ctx.TotaisMestre = {123456789.0, 0.0, -150.0, 5.0, 0.0};
    ctx.TotaisItem = {123456700.0, 0.0, -150.0, 5.0, 0.0, 11.0, 100.0};
    ctx.DivergenciasDocumento = 2;
    ComparaTotaisArquivos(ctx);
    EXPECT_TRUE(fake.Lista.empty());
    EXPECT_EQ(ctx.QuantidadeErros, 0);
    EXPECT_EQ(fake.Celula_(Celula::MestreVT), "       1.234.567,89 ");
    EXPECT_EQ(fake.Celula_(Celula::MestreBC), "               0,00 ");
    EXPECT_EQ(fake.Celula_(Celula::MestreICMS), "              -1,50 ");
    EXPECT_EQ(fake.Celula_(Celula::ItemD), "               0,11 ");
    EXPECT_EQ(fake.Celula_(Celula::ItemA), "               1,00 ");
    EXPECT_EQ(fake.Celula_(Celula::HashRegistroMestre), "                    Ok");
    EXPECT_EQ(fake.Celula_(Celula::HashRubricaMestre), "");
    EXPECT_EQ(fake.Celula_(Celula::HashRegistroItem), "                    Ok");
    EXPECT_EQ(fake.Celula_(Celula::HashRegistroCadastro), "                    Ok");
    EXPECT_EQ(fake.Cor_(Celula::MestreVT), Cor::Branco);
}

TEST(ComparaTotaisArquivos, DivergenciasListadasLogadasEColoridas)
{
    teste::PortasGravadas fake;
    ContextoValidacao ctx;
    ctx.Janela = &fake;
    ComLog log(ctx, "totais");
    ctx.IndiceMestre = 3;
    ctx.DocumentoAtual = "000000123";
    ctx.TotaisMestre = {123456.0, 1000.0, 170.0, 0.0, 0.0};
    ctx.TotaisItem = {123400.0, 1000.0, 180.0, 0.0, 0.0, 0.0, 0.0};
    ComparaTotaisArquivos(ctx);
    ctx.Log.Fecha();
    EXPECT_EQ(fake.ListaUtf8(), (std::vector<std::string>{"Erro: 407 - divergência de somatório de valores totais",
                                                          " Arquivos Mestre e Item", " ",
                                                          "Erro: 409 - divergência de somatório de valores de ICMS",
                                                          " Arquivos Mestre e Item", " "}));
    EXPECT_EQ(log.Conteudo(), "4;E;MxI;407; M=1.234,56  I=1.234,00 ;000000123\r\n"
                              "4;E;MxI;409; M=1,70  I=1,80 ;000000123\r\n");
    EXPECT_EQ(ctx.QuantidadeErros, 2);
    for (Celula c :
         {Celula::MestreVT, Celula::ItemV, Celula::ItemD, Celula::ItemA, Celula::MestreICMS, Celula::ItemICMS}) {
        EXPECT_EQ(fake.Cor_(c), Cor::Vermelho) << static_cast<int>(c);
    }
    EXPECT_EQ(fake.Cor_(Celula::MestreBC), Cor::Branco);
    EXPECT_EQ(fake.Celula_(Celula::MestreVT), "           1.234,56 ");

    // With the list off (a log, or the limit reached) they are counted and logged but not listed.
    teste::PortasGravadas fake2;
    ContextoValidacao ctx2;
    ctx2.Janela = &fake2;
    ctx2.ExibirNaTela = false;
    ctx2.TotaisMestre[4] = 1.0;
    ComparaTotaisArquivos(ctx2);
    EXPECT_TRUE(fake2.Lista.empty());
    EXPECT_EQ(ctx2.QuantidadeErros, 1);
    EXPECT_EQ(ctx2.ContagemPorCodigo[static_cast<std::size_t>(ctx2.Catalogo.Indice(411))], 1);
}

TEST(VerificaItensNaoReferenciados, SoNumaValidacaoSemErros)
{
    struct Caso
    {
        const char* nome;
        int erros;
        std::int64_t linhas, validados;
        std::vector<std::string> lista;
    };
    const std::string local = "         Arquivo: Item";
    for (const Caso& c : {
             Caso{"todos validados", 0, 4, 4, {}},
             Caso{"ja com erro", 1, 5, 4, {}},
             Caso{"um a mais",
                  0,
                  1500,
                  1499,
                  {"Erro: 419 - Existem \xedtens que n\xe3o s\xe3o referenciados por Notas Fiscais [total de linhas no "
                   "arquivo Item: 1.500 ; total de itens validados: 1.499]",
                   local, " "}},
             Caso{"nenhum validado",
                  0,
                  3,
                  0,
                  {"Erro: 419 - Existem \xedtens que n\xe3o s\xe3o referenciados por Notas Fiscais [total de linhas no "
                   "arquivo Item: 3 ; total de itens validados: ]",
                   local, " "}},
         }) {
        SCOPED_TRACE(c.nome);
        teste::PortasGravadas fake;
        ContextoValidacao ctx;
        ctx.Janela = &fake;
        ctx.ExibirNaTela = false; // listed whatever the list's state
        ctx.QuantidadeErros = c.erros;
        ctx.LinhasItem = c.linhas;
        ctx.ItensValidados = c.validados;
        VerificaItensNaoReferenciados(ctx);
        EXPECT_EQ(fake.Lista, c.lista);
        EXPECT_EQ(ctx.QuantidadeErros, c.erros + (c.lista.empty() ? 0 : 1));
    }
    ContextoValidacao ctx;
    ComLog log(ctx, "419");
    ctx.LinhasItem = 2;
    ctx.ItensValidados = 1;
    VerificaItensNaoReferenciados(ctx);
    ctx.Log.Fecha();
    EXPECT_EQ(log.Conteudo(),
              "S/NRO;E;I;419;[total de linhas no arquivo Item: 2 ; total de itens validados: 1];S/NRO NF\r\n");
}

TEST(MontaTextoJulho2012, LinhasDependemDaUF)
{
    const std::string cabecalho =
        "Os erros de preenchimentos relacionados aos campos listados a seguir v\xe3o impedir a "
        "apresenta\xe7\xe3o do arquivo a partir de 07/2012, assim procure sanear o problema:"
        "\r\n\r\n";
    const std::string l101 = "* 101 - CNPJ/CPF n\xe3o num\xe9rico ;\r\n";
    const std::string l140 =
        "* 140 - N\xfamero do terminal telef\xf4nico com valor inv\xe1lido diferente de LLNNNNNNNN "
        "ou LLNNNNNNNNN ;\r\n";
    ContextoValidacao ctx;
    ctx.Volume.UFVolume = "RJ";
    EXPECT_EQ(MontaTextoJulho2012(ctx), "");
    ctx.ContagemPorCodigo[static_cast<std::size_t>(ctx.Catalogo.Indice(140))] = 2;
    ctx.ContagemPorCodigo[static_cast<std::size_t>(ctx.Catalogo.Indice(101))] = 1;
    EXPECT_EQ(MontaTextoJulho2012(ctx), cabecalho + l140);
    ctx.Volume.UFVolume = "SP";
    EXPECT_EQ(MontaTextoJulho2012(ctx), cabecalho + l101 + l140);
}

TEST(FinalizaLog, LinhasFinaisSoSemErros)
{
    for (int erros : {0, 1}) {
        SCOPED_TRACE(erros);
        ContextoValidacao ctx;
        ComLog log(ctx, "finaliza");
        ctx.QuantidadeErros = erros;
        FinalizaLog(ctx, "Texto julho\r\n");
        EXPECT_FALSE(ctx.Log.Aberto());
        EXPECT_EQ(log.Conteudo(),
                  erros == 0
                      ? "*** N\xe3o foram encontrados erros que impedem a apresenta\xe7\xe3o dos arquivos ***\r\n"
                        "\r\nTexto julho\r\n"
                      : "");
    }
}

TEST(AcrescentaResumos, ErrosEAdvertenciasComLarguraExata)
{
    teste::PortasGravadas fake;
    ContextoValidacao ctx;
    ctx.Janela = &fake;
    Conta(ctx, 407, 1);
    Conta(ctx, 133, 1002);
    Conta(ctx, 305, 3);
    const std::string julho = "Cabe\xe7\x61lho:\r\n\r\n* 305 - linha ;\r\n";
    AcrescentaResumos(ctx, julho);
    const std::string hifens(98, '-');
    const std::vector<std::string> esperado{
        " ",
        "Arq. Descri\xe7\xe3o do Erro" + std::string(69, ' ') + "Qtde    ",
        hifens,
        "MEST 133-Refer\xeancia ao item deve ser num\xe9rico" + std::string(74 - 36, ' ') + "          1.002",
        // Cut to 74 characters: the description is longer.
        "DEST 407-Diverg\xeancia entre o somat\xf3rio de valor total do arquivo mestre e arquivo i"
        "              1",
        hifens,
        std::string(67, ' ') + "Total de Erros:           1.003",
        " ",
        " ",
        "Arq. Descri\xe7\xe3o da Advert\xeancia" + std::string(61, ' ') + "Qtde    ",
        hifens,
        "DEST 305-N\xfamero deve ser num\xe9rico" + std::string(74 - 24, ' ') + "              3",
        hifens,
        std::string(60, ' ') + "Total de Advert\xeancias:               3",
        " ",
        "Cabe\xe7\x61lho:",
        "",
        "* 305 - linha ;",
        " ",
    };
    ASSERT_EQ(fake.Lista.size(), esperado.size());
    for (std::size_t i = 0; i < esperado.size(); ++i) {
        EXPECT_EQ(fake.Lista[i], esperado[i]) << "linha " << i;
    }
    EXPECT_EQ(fake.Lista[1].size(), 99u);
    for (std::size_t i : {3u, 4u, 6u, 9u, 11u, 13u}) {
        EXPECT_EQ(fake.Lista[i].size(), 98u) << "linha " << i;
    }
}

TEST(MostraMensagemFinal, OsCincoDesfechos)
{
    struct Caso
    {
        const char* nome;
        bool interrompida;
        int erros, advertencias;
        TipoMensagem tipo;
        std::string texto;
        std::vector<Botao> habilitados;
        std::optional<bool> gerar;
        std::optional<Botao> foco;
    };
    const std::string t = "Processo de valida\xe7\xe3o iniciado \xe0s : 23:59:58 e conclu\xed"
                          "do \xe0s : 00:00:05 "
                          "dura\xe7\xe3o: 00:00:07";
    const std::vector<Botao> lista{Botao::Imprimir, Botao::Salvar, Botao::Copiar};
    const std::vector<Botao> todos{Botao::Imprimir,     Botao::Salvar,     Botao::Copiar,
                                   Botao::ChkBoxMestre, Botao::ChkBoxItem, Botao::ChkBoxCadastro};
    const std::vector<Botao> controle{Botao::ChkBoxMestre, Botao::ChkBoxItem, Botao::ChkBoxCadastro};
    const std::vector<Caso> casos{
        {"interrompida com achados", true, 2, 1234, TipoMensagem::Erro,
         "Processo de valida\xe7\xe3o interrompido.\r\rForam encontrado(s): 2 erro(s) e 1.234 advert\xeancia(s), "
         "queira analisar as ocorr\xeancias...\r\r" +
             t,
         lista, false, Botao::Imprimir},
        {"interrompida sem achados",
         true,
         0,
         0,
         TipoMensagem::Erro,
         "Processo de valida\xe7\xe3o interrompido.\r\r" + t,
         {},
         std::nullopt,
         std::nullopt},
        {"concluida com advertencias", false, 0, 3, TipoMensagem::Informacao,
         "Valida\xe7\xe3o conclu\xed\x64\x61!\r\rForam encontrada(s): 3 advert\xeancia(s), procure sanear as "
         "ocorr\xeancias...\r\r" +
             t,
         todos, true, Botao::Gerar},
        {"concluida limpa", false, 0, 0, TipoMensagem::Informacao, "Valida\xe7\xe3o conclu\xed\x64\x61!\r\r" + t,
         controle, true, Botao::Gerar},
        {"concluida com erros", false, 5, 0, TipoMensagem::Erro,
         "Foram encontrado(s): 5 erro(s) e 0 advert\xeancia(s), queira analisar as ocorr\xeancias...\r\r" + t, lista,
         false, Botao::Imprimir},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        teste::PortasGravadas fake;
        ContextoValidacao ctx;
        ctx.Janela = &fake;
        ctx.ValidacaoInterrompida = c.interrompida;
        ctx.QuantidadeErros = c.erros;
        ctx.QuantidadeAdvertencias = c.advertencias;
        ctx.HoraInicio = {2017, 3, 15, 23, 59, 58};
        ctx.HoraFim = {2017, 3, 16, 0, 0, 5};
        MostraMensagemFinal(ctx, fake, "", !c.interrompida);
        ASSERT_EQ(fake.Mensagens.size(), 1u);
        EXPECT_EQ(fake.Mensagens[0].Tipo, c.tipo);
        EXPECT_EQ(fake.Mensagens[0].Texto, c.texto);
        for (Botao b : c.habilitados) {
            EXPECT_EQ(fake.Botao_(b), true) << static_cast<int>(b);
        }
        EXPECT_EQ(fake.Botao_(Botao::Gerar), c.gerar);
        EXPECT_EQ(fake.Foco, c.foco);
        if (c.habilitados.empty()) {
            for (int b = 0; b < QuantidadeBotoes; ++b) {
                EXPECT_FALSE(fake.Botoes[static_cast<std::size_t>(b)].has_value()) << b;
            }
        }
    }
}

TEST(MostraMensagemFinal, AvisoDeJulho2012DepoisDaInformacao)
{
    teste::PortasGravadas fake;
    ContextoValidacao ctx;
    ctx.Janela = &fake;
    ctx.QuantidadeAdvertencias = 1;
    MostraMensagemFinal(ctx, fake, "Cabe\xe7\x61lho:\r\n\r\n* 233 - CFOP ;\r\n", true);
    ASSERT_EQ(fake.Mensagens.size(), 2u);
    EXPECT_EQ(fake.Mensagens[0].Tipo, TipoMensagem::Informacao);
    EXPECT_EQ(fake.Mensagens[1].Tipo, TipoMensagem::Advertencia);
    EXPECT_EQ(fake.Mensagens[1].Texto, "Cabe\xe7\x61lho:\r\r* 233 - CFOP ;\r");
    // Stopped by the person: the 07/2012 box is not shown.
    teste::PortasGravadas fake2;
    ctx.Janela = &fake2;
    ctx.ValidacaoInterrompida = true;
    MostraMensagemFinal(ctx, fake2, "x\r\n", false);
    EXPECT_EQ(fake2.Mensagens.size(), 1u);
}

} // namespace tessarin
