#include "relato/ContextoValidacao.h"
#include "validacao/ReferenciaDatas.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessarin {

namespace {

// A consistent December 2016 volume judged on 15 March 2017; each case changes what it names.
void Dezembro2016(ContextoValidacao& ctx)
{
    ctx.Volume.Referencia = "1612";
    ctx.Volume.AnoReferencia = "16";
    ctx.Volume.MesReferencia = "12";
    ctx.Volume.AnoCompleto = "2016";
    ctx.Volume.SerieVolume = "U  ";
    ctx.PrimeiraNF = "000000001";
    ctx.DataPrimeiraNF = "20161201";
    ctx.SeriePrimeiraNF = "U  ";
    ctx.ModeloVolume = "22";
    ctx.UltimaNF = "000000009";
    ctx.DataUltimaNF = "20161231";
    ctx.ModeloUltimaNF = "22";
    ctx.SerieUltimaNF = "U  ";
}

void Referencia(ContextoValidacao& ctx, const char* aamm, const char* primeira, const char* ultima)
{
    ctx.Volume.Referencia = aamm;
    ctx.Volume.AnoReferencia = std::string(aamm, 2);
    ctx.Volume.MesReferencia = std::string(aamm + 2, 2);
    ctx.Volume.AnoCompleto = "20" + ctx.Volume.AnoReferencia;
    ctx.DataPrimeiraNF = primeira;
    ctx.DataUltimaNF = ultima;
}

} // namespace

TEST(ValidaReferenciaEDatas, TextosReunidos)
{
    struct Caso
    {
        const char* nome;
        std::function<void(ContextoValidacao&)> muda;
        std::string texto;
    };
    const std::vector<Caso> casos{
        {"volume consistente", [](ContextoValidacao&) {}, ""},
        {"versao mais nova", [](auto& c) { Referencia(c, "1703", "20170301", "20170310"); },
         "A refer\xeancia do arquivo [1703] n\xe3o pode ser posterior a 1702 . \r\n\r\n"
         "Verifique se h\xe1 uma vers\xe3o mais recente do Tessarin para download. \r\n"},
        {"futura", [](auto& c) { Referencia(c, "1704", "20170401", "20170401"); },
         "Refer\xeancia do arquivo [1704] n\xe3o pode ser futura. \r\n"
         "A refer\xeancia do arquivo [1704] n\xe3o pode ser posterior a 1702 . \r\n\r\n"
         "Verifique se h\xe1 uma vers\xe3o mais recente do Tessarin para download. \r\n"
         "Data de emiss\xe3o da Primeira nota fiscal [20170401] n\xe3o pode ser futura. \r\n"
         "Data de emiss\xe3o da \xdaltima nota fiscal [20170401] n\xe3o pode ser futura. \r\n"},
        {"anterior ao minimo", [](auto& c) { Referencia(c, "0404", "20040401", "20040430"); },
         "A refer\xeancia do arquivo [0404] n\xe3o pode ser anterior \xe0 0405, nem posterior a 1702 . \r\n"},
        {"1601 com emissao em 2015", [](auto& c) { Referencia(c, "1601", "20151231", "20160131"); },
         "Data de emiss\xe3o da Primeira nota fiscal [20151231] est\xe1 fora da refer\xeancia de apura\xe7\xe3o do "
         "arquivo [201601] . \r\n"},
        {"numero, modelo e series desde 1601",
         [](auto& c) {
             c.PrimeiraNF = "000000000";
             c.ModeloUltimaNF = "21";
             c.Volume.SerieVolume = "  1";
             c.SeriePrimeiraNF = "1  ";
             c.SerieUltimaNF = "1 A";
         },
         "N\xfamero da 1\xaa nota fiscal [000000000] deve ser diferente de zero. \r\n"
         "Modelo da \xdaltima nota fiscal [21] n\xe3o pode ser diferente da primeira [22].\r\n"
         "S\xe9rie da \xdaltima nota fiscal [1 A] n\xe3o pode ser diferente da primeira [1  ].\r\n"},
        {"serie do arquivo diferente", [](auto& c) { c.Volume.SerieVolume = "B  "; },
         "S\xe9rie da Primeira nota fiscal [U  ] n\xe3o pode ser diferente da s\xe9rie do arquivo [B  ]. \r\n"},
        {"ano de emissao fora da faixa", [](auto& c) { c.DataUltimaNF = "21001231"; },
         "Data de emiss\xe3o da \xdaltima nota fiscal [21001231] n\xe3o pode ser futura. \r\n"
         "Ano de emiss\xe3o da \xdaltima nota fiscal [21001231] \xe9 inv\xe1lido. \r\n"
         "Data de emiss\xe3o da \xdaltima nota fiscal [21001231] est\xe1 fora da refer\xeancia de apura\xe7\xe3o do "
         "arquivo [201612] . \r\n"},
        {"antes de 1601 nada disso se exige",
         [](auto& c) {
             Referencia(c, "1512", "20151201", "20151215");
             c.PrimeiraNF = "000000000";
             c.ModeloUltimaNF = "21";
         },
         ""},
        {"antes de 1601 com data de 2016", [](auto& c) { Referencia(c, "1512", "20151201", "20160105"); },
         "Data de emiss\xe3o da \xdaltima nota fiscal [20160105] est\xe1 fora da refer\xeancia de apura\xe7\xe3o do "
         "arquivo [201512] . \r\n"},
    };
    const Instante hoje{2017, 3, 15, 10, 0, 0};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        ContextoValidacao ctx;
        Dezembro2016(ctx);
        c.muda(ctx);
        EXPECT_EQ(ValidaReferenciaEDatas(ctx, hoje), c.texto);
    }
}

} // namespace tessarin
