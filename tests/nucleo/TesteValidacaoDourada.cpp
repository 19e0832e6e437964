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
        ParametrosVolume p;
        p.Referencia = c.referencia;
        p.Uf = c.uf;
        p.Modelo = c.modelo;
        p.Documentos = 4;
        p.ItensPorDocumento = 3;
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
