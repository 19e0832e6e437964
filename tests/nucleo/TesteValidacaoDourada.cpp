#include "Dourado.h"

#include <gtest/gtest.h>

namespace tessarin::teste {

// A clean volume of each generation: nothing listed, the control file offered.
TEST(ValidacaoDourada, VolumesLimposPorGeracao)
{
    struct Caso
    {
        const char* nome;
        const char* referencia;
        const char* uf;
        const char* modelo;
    };
    for (const Caso& c : {Caso{"limpo-v01-06", "1103", "RJ", "06"}, Caso{"limpo-v02-22", "1510", "SP", "22"},
                          Caso{"limpo-v03-21", "1701", "MG", "21"}, Caso{"limpo-v03-06", "1702", "SP", "06"}}) {
        ParametrosVolume p = ParametrosDe(c.referencia, c.uf, c.modelo, 4, 3);
        GeradorVolume gerador(p);
        const auto pasta = GravaVolume(c.nome, gerador);
        ExecucaoDourada execucao(pasta, gerador.Nomes().Mestre, true);
        EXPECT_EQ(execucao.Resultado.Fim, FimValidacao::Concluida) << c.nome;
        EXPECT_EQ(execucao.Ctx.QuantidadeErros, 0) << c.nome;
        EXPECT_EQ(execucao.Ctx.QuantidadeAdvertencias, 0) << c.nome;
        EXPECT_EQ(execucao.Portas.Botao_(Botao::Gerar), true) << c.nome;
        EXPECT_EQ(execucao.Portas.Celula_(Celula::HashRegistroMestre), "                    Ok");
        execucao.Confere(c.nome);
    }
}

} // namespace tessarin::teste

namespace tessarin::teste {

// The log question and the save dialog's proposed name; a cancelled dialog leaves the run without a log and
// with its occurrences on the list.
TEST(ValidacaoDourada, PerguntaDoLogENomeProposto)
{
    ParametrosVolume p;
    p.Referencia = "1701";
    p.Uf = "RJ";
    p.Documentos = 2;
    GeradorVolume gerador(p);
    ASSERT_TRUE(gerador.DefineCampo(ArquivoVolume::Destinatario, 0, 5, "12A45")); // one warning (305)
    const auto pasta = GravaVolume("pergunta-log", gerador);

    const VolumeEscolhido volume = EscolheVolume(pasta / gerador.Nomes().Mestre, "11222333000181");
    ASSERT_TRUE(volume.Ok);
    ContextoValidacao ctx;
    DefineVolume(ctx, volume);
    PortasGravadas portas;
    portas.Respostas.push_back(true);              // yes, a log
    portas.ArquivosSalvar.push_back(std::nullopt); // but the dialog is cancelled
    ValidacaoVolume(ctx, portas.TodasAsPortas()).BtnValidarClick();

    ASSERT_FALSE(portas.Perguntas.empty());
    EXPECT_EQ(ParaUtf8(portas.Perguntas[0]), "Deseja gerar arquivo de ocorrências de erros/advertências ?");
    ASSERT_EQ(portas.PropostasSalvar.size(), 1U);
    EXPECT_EQ(portas.PropostasSalvar[0], "Log de erros do RJ11222333000181220011701N01 volume 001.txt");
    EXPECT_FALSE(ctx.GravarLog);
    EXPECT_EQ(ctx.QuantidadeAdvertencias, 1);
    ASSERT_GE(portas.Lista.size(), 2U);
    EXPECT_EQ(ParaUtf8(portas.Lista[0]), "Advertência: 305 - Número deve ser numérico");
}

} // namespace tessarin::teste
