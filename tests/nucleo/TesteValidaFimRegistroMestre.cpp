#include "CenarioMestre.h"

#include <gtest/gtest.h>

namespace tessarin::teste {
namespace {

TEST(ValidaFimRegistroMestre, TerminalInstalacaoEBrancos)
{
    const Instante maio2012{2012, 5, 20, 0, 0, 0}, agosto2012{2012, 8, 1, 0, 0, 0};
    ConfereCasos({
        {"v_01 zero inicial antes de julho de 2012",
         "1205",
         "RJ",
         "21",
         {{22, "0133334444"}},
         {"1;A;M;140;[0133334444];000000001"},
         maio2012},
        {"v_01 zero inicial depois",
         "1205",
         "RJ",
         "21",
         {{22, "0133334444"}},
         {"1;E;M;141;[0133334444];000000001"},
         agosto2012},
        {"v_02 onze algarismos e branco", "1612", "RJ", "22", {{22, "21333344445 "}}, {}},
        {"v_02 dez algarismos e dois brancos", "1612", "RJ", "22", {{22, "2133334444  "}}, {}},
        {"v_02 décimo segundo preenchido",
         "1612",
         "RJ",
         "22",
         {{22, "213333444451"}},
         {"1;E;M;141;[213333444451];000000001"}},
        {"v_02 zero inicial", "1612", "RJ", "22", {{22, "01333344445 "}}, {"1;E;M;141;[01333344445 ];000000001"}},
        {"v_03 número zerado", "1701", "RJ", "21", {{22, "1100000000"}}, {"1;E;M;141;[1100000000  ];000000001"}},
        {"v_03 zero na posição 3", "1701", "RJ", "21", {{22, "1103333444"}}, {"1;E;M;141;[1103333444  ];000000001"}},
        {"terminal em branco não é daqui", "1701", "RJ", "21", {{22, ""}}, {}},
        {"energia de 1701 sem instalação", "1701", "RJ", "06", {{22, ""}}, {"1;E;M;143;[            ];000000001"}},
        {"energia de SP antes de 1701 zerada",
         "1205",
         "SP",
         "06",
         {{22, "000.000"}},
         {"1;E;M;143;[000.000   ];000000001"}},
        {"energia fora de SP antes de 1701", "1205", "RJ", "06", {{22, ""}}, {}},
        {"gás com branco inicial",
         "1701",
         "RJ",
         "28",
         {{10, "28"}, {22, " 12"}},
         {"1;E;M;163;[28];000000001", "1;E;M;143;[ 12         ];000000001"}},
        {"brancos SV-ES", "1612", "SP", "06", {{23, "SV-ES"}}, {}},
        {"brancos inválidos", "1612", "SP", "06", {{23, "XX"}}, {"1;E;M;142;[XX   ];000000001"}},
        {"brancos v_03", "1701", "SP", "06", {{35, "ES-"}}, {"1;E;M;142;[ES-  ];000000001"}},
    });
}

TEST(ValidaFimRegistroMestre, CamposDeServico)
{
    ConfereCasos({
        {"tipo de informação", "1701", "RJ", "21", {{23, "5"}}, {"1;E;M;165;[5];000000001"}},
        {"tipo de cliente", "1701", "RJ", "21", {{24, "09"}}, {"1;E;M;167;[09];000000001"}},
        {"tipo de cliente energia", "1701", "RJ", "06", {{24, "01"}}, {"1;E;M;166;[01];000000001"}},
        {"subclasse comercial", "1701", "RJ", "06", {{25, "99"}}, {"1;E;M;169;[99];000000001"}},
        {"subclasse rural", "1701", "RJ", "06", {{5, "7"}, {25, "15"}}, {"1;E;M;175;[15];000000001"}},
        {"subclasse fora de energia", "1701", "RJ", "21", {{25, "01"}}, {"1;E;M;177;[01];000000001"}},
        {"terminal principal fora de comunicação",
         "1701",
         "RJ",
         "06",
         {{26, "2133334444"}},
         {"1;E;M;179;[2133334444  ];000000001"}},
        {"terminal principal inválido",
         "1701",
         "RJ",
         "21",
         {{26, "0133334444"}},
         {"1;E;M;178;[0133334444  ];000000001"}},
        {"terminal principal sem terminal",
         "1701",
         "RJ",
         "21",
         {{26, "2133334444"}, {22, ""}},
         {"1;E;M;195;[            ];000000001"}},
        {"CNPJ do emitente", "1701", "RJ", "21", {{27, "11111111111111"}}, {"1;E;M;180;[11111111111111];000000001"}},
        {"fatura sem zeros", "1701", "RJ", "21", {{28, "1"}}, {"1;E;M;181;[1                   ];000000001"}},
        {"fatura com pontos",
         "1701",
         "RJ",
         "21",
         {{28, "000.000.001"}},
         {"1;E;M;181;[000.000.001         ];000000001"}},
        {"fatura com branco inicial",
         "1701",
         "RJ",
         "21",
         {{28, " 77"}},
         {"1;E;M;181;[ 77                 ];000000001"}},
        {"fatura com letra", "1701", "RJ", "21", {{28, "1A"}}, {}},
        {"fatura longa demais para número", "1701", "RJ", "21", {{28, "99999999999999999999"}}, {}},
        {"valor da fatura", "1701", "RJ", "21", {{29, "+00000000100"}}, {"1;E;M;182;[+00000000100];000000001"}},
        {"leituras fora de energia",
         "1701",
         "RJ",
         "21",
         {{30, "20170101"}, {31, "20170102"}},
         {"1;E;M;193;[20170101];000000001", "1;E;M;194;[20170102];000000001"}},
        {"leitura anterior depois da emissão",
         "1701",
         "RJ",
         "06",
         {{30, "20170120"}},
         {"1;E;M;183;[20170120];000000001", "1;E;M;184;[20170110];000000001"}},
        {"leitura atual antes da anterior", "1701", "RJ", "06", {{31, "20170101"}}, {"1;E;M;184;[20170101];000000001"}},
        {"reservados",
         "1701",
         "RJ",
         "21",
         {{32, "X"}, {33, "00000001"}},
         {"1;E;M;185;[X                                                 ];000000001",
          "1;E;M;186;[00000001];000000001"}},
    });
}

TEST(ValidaFimRegistroMestre, InformacoesAdicionais)
{
    ConfereCasos({
        {"R sem referência", "1701", "RJ", "21", {{19, "R"}}, {"1;E;M;187;[                              ];000000001"}},
        {"N sem referência", "1701", "RJ", "21", {{19, "N"}}, {}},
        {"N com referência certa", "1701", "RJ", "21", {{34, "1612_21_001_000000001_20161215"}}, {}},
        {"N com referência errada",
         "1701",
         "RJ",
         "21",
         {{34, "1613_21_001_000000001_20161215"}},
         {"1;E;M;187;[1613_21_001_000000001_20161215: Mês da Referência de apuração do documento fiscal "
          "substituído [1613] é inválido];000000001"}},
        {"C com branco inicial",
         "1701",
         "RJ",
         "21",
         {{19, "C"}, {34, " 1612_21_001_000000001_2016121"}},
         {"1;E;M;187;[ 1612_21_001_000000001_2016121];000000001"}},
    });
}

TEST(ValidaFimRegistroMestre, CodigoDoRegistroContaDivergencias)
{
    CenarioMestre cenario("1612");
    cenario.Ctx.IndiceMestre = 9;
    cenario.Ctx.DivergenciasRegistroMestre = 1; // a 137 of an earlier record, counted by the loop
    cenario.Valida({{24, "0123456789abcdef0123456789ABCDEF"}});
    EXPECT_EQ(cenario.Ctx.DivergenciasRegistroMestre, 2);
    EXPECT_EQ(cenario.Lista(), (std::vector<std::string>{
                                   "Erro: 136 - Código Autenticação Digital do registro do arquivo mestre inválido",
                                   "         Arquivo: Mestre, registro:         10, campo: 22, posições: 227 a "
                                   "258, conteúdo:[0123456789abcdef0123456789ABCDEF] ",
                                   " "}));

    // The code is compared without regard to case.
    CenarioMestre minusculas("1612");
    std::string registro = minusculas.Registro();
    for (std::size_t i = 226; i < 258; ++i) {
        registro[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(registro[i])));
    }
    minusculas.ValidaTexto(registro);
    EXPECT_EQ(minusculas.Log(), std::vector<std::string>{});
}

TEST(ValidaFimRegistroMestre, FimDeRegistroEQuebrasDeLinha)
{
    CenarioMestre fim("1701");
    std::string registro = fim.Registro();
    registro[registro.size() - 2] = 'X';
    fim.ValidaTexto(registro);
    EXPECT_EQ(fim.Log(), (std::vector<std::string>{"1;E;M;139;[#88#10];000000001"}));

    CenarioMestre quebras("1701");
    quebras.Valida({{3, std::string("EMPRESA TESTE LTDA ..") + "\r\n" + "X"}});
    EXPECT_EQ(quebras.Log(), (std::vector<std::string>{"1;E;M;420;[Posição no registro: 50, Caracter #13];000000001",
                                                       "1;E;M;420;[Posição no registro: 51, Caracter #10];000000001"}));
}

} // namespace
} // namespace tessarin::teste
