#include "dados/Texto1252.h"
#include "registros/ValidadoresCampo.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace tessarin {

namespace {

struct CasoBool
{
    const char* nome;
    std::string_view texto;
    bool esperado;
};

} // namespace

TEST(ValidadoresCampo, NaoNumerico)
{
    struct Caso
    {
        const char* nome;
        std::string_view texto;
        bool naoNumerico;
        std::int64_t numero;
    };
    const Caso casos[] = {
        {"doze algarismos com zeros", "000000012345", false, 12345},
        {"sinal no lugar do primeiro zero", "-00000012345", false, -12345},
        {"sinal mais", "+42", false, 42},
        {"dezoito noves", "999999999999999999", false, 999999999999999999},
        {"maior int64", "9223372036854775807", false, std::numeric_limits<std::int64_t>::max()},
        {"menor int64", "-9223372036854775808", false, std::numeric_limits<std::int64_t>::min()},
        {"acima do int64", "9223372036854775808", true, 0},
        {"branco no meio", "0001 234", true, 0},
        {"branco no fim", "1234 ", true, 0},
        {"branco no inicio", " 1234", true, 0},
        {"ponto", "12.34", true, 0},
        {"virgula", "12,34", true, 0},
        {"vazio", "", true, 0},
        {"so sinal", "-", true, 0},
        {"so mais", "+", true, 0},
        {"mais e menos", "+-5", true, 0},
        {"menos e mais", "-+5", true, 0},
        {"letra", "12A", true, 0},
    };
    for (const auto& c : casos) {
        std::int64_t numero = -777;
        EXPECT_EQ(NaoNumerico(c.texto, numero), c.naoNumerico) << c.nome;
        // A refused text gives no number: the caller's value stays as it was.
        EXPECT_EQ(numero, c.naoNumerico ? -777 : c.numero) << c.nome;
    }
}

TEST(ValidadoresCampo, TextosDeAlgarismos)
{
    const CasoBool soAlgarismos[] = {
        {"algarismos", "0123456789", true}, {"vazio", "", false}, {"branco", "12 3", false}, {"sinal", "-1", false}};
    for (const auto& c : soAlgarismos) {
        EXPECT_EQ(SoAlgarismos(c.texto), c.esperado) << "SoAlgarismos " << c.nome;
    }
    const CasoBool soZeros[] = {{"zeros", "0000", true}, {"vazio", "", true}, {"um", "0010", false}};
    for (const auto& c : soZeros) {
        EXPECT_EQ(SoZeros(c.texto), c.esperado) << "SoZeros " << c.nome;
    }
    const CasoBool semZero[] = {
        {"numero", "1230", true}, {"vazio", "", true}, {"zero inicial", "0123", false}, {"letra", "12a", false}};
    for (const auto& c : semZero) {
        EXPECT_EQ(NumeroSemZeroInicial(c.texto), c.esperado) << "NumeroSemZeroInicial " << c.nome;
    }
    const CasoBool comSinal[] = {{"negativo", "-000000001234", true},
                                 {"positivo", "000000001234", true},
                                 {"menos no meio", "0000-1234", false},
                                 {"menos sozinho", "-", false},
                                 {"dois menos", "--5", false},
                                 {"vazio", "", false},
                                 {"mais", "+12", false},
                                 {"branco", "12 ", false}};
    for (const auto& c : comSinal) {
        EXPECT_EQ(InteiroComSinal(c.texto), c.esperado) << "InteiroComSinal " << c.nome;
    }
}

TEST(ValidadoresCampo, TerminalETelefone)
{
    const CasoBool terminais[] = {{"dez algarismos", "1133334444", true},
                                  {"onze algarismos", "11933334444", true},
                                  {"zero na 1a", "0133334444", false},
                                  {"zero na 2a", "1033334444", false},
                                  {"zero na 3a", "1103334444", false},
                                  {"sete zeros depois", "1130000000", false},
                                  {"um algarismo depois", "1130000001", true},
                                  {"nada depois", "113", false},
                                  {"branco", "113333 4444", false},
                                  {"vazio", "", false}};
    for (const auto& c : terminais) {
        EXPECT_EQ(TerminalValido(c.texto), c.esperado) << "TerminalValido " << c.nome;
    }

    const CasoBool telefones[] = {{"area, hifen, sete algarismos", "11-1234567  ", false},
                                  {"oito algarismos e branco", "11-12345678 ", true},
                                  {"nove algarismos", "11-912345678", true},
                                  {"area com zero", "01-12345678 ", false},
                                  {"sem hifen", "11 12345678 ", false},
                                  {"onze caracteres", "11-12345678", false},
                                  {"ultima posicao letra", "11-12345678x", false}};
    for (const auto& c : telefones) {
        EXPECT_EQ(TelefoneIdentificacaoValido(c.texto), c.esperado) << "TelefoneIdentificacaoValido " << c.nome;
    }

    EXPECT_EQ(FormataTelefone("1133334444"), "11-33334444 ");
    EXPECT_EQ(FormataTelefone("(11) 3333-4444"), "11-33334444 ");
    EXPECT_EQ(FormataTelefone("11933334444"), "11-933334444");
    EXPECT_EQ(FormataTelefone(""), "            ");
    EXPECT_EQ(FormataTelefone("1"), "1           ");
}

TEST(ValidadoresCampo, DataValida)
{
    const CasoBool casos[] = {
        {"29 fev 2016", "20160229", true},
        {"29 fev 2000 fora da lista", "20000229", false},
        {"29 fev 1996 fora da lista", "19960229", false},
        {"29 fev 2017", "20170229", false},
        {"28 fev 2017", "20170228", true},
        {"30 fev", "20160230", false},
        {"31 abr", "20160431", false},
        {"30 abr", "20160430", true},
        {"31 nov", "20161131", false},
        {"31 dez", "20161231", true},
        {"dia 00", "20160100", false},
        {"mes 13", "20161301", false},
        {"mes 00", "20160001", false},
        {"1994", "19941231", false},
        {"1995", "19950101", true},
        {"2099", "20991231", true},
        {"2100", "21000101", false},
        {"branco", "2016 101", false},
        {"sete algarismos", "2016012", false},
        {"vazio", "", false},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(DataValida(c.texto, "1995", "2099"), c.esperado) << c.nome;
    }
    EXPECT_FALSE(DataValida("20160229", "2017", "2099"));
    EXPECT_TRUE(DataValida("20160229", "2016", "2016"));
}

TEST(ValidadoresCampo, DocumentosComDigitoVerificador)
{
    // Numbers whose check digits were computed by hand from the rules.
    EXPECT_EQ(DigitoModulo11("123456789"), '0');
    EXPECT_EQ(DigitoModulo11("1234567890"), '9');
    EXPECT_EQ(DigitoModulo11("987654321"), '0'); // 11 - 0 > 9
    EXPECT_EQ(DigitoModulo11("12a"), DigitoModulo11("120"));

    const CasoBool cpfs[] = {{"valido", "12345678909", true},
                             {"valido 2", "52998224725", true},
                             {"valido com zero", "98765432100", true},
                             {"primeiro digito errado", "12345678919", false},
                             {"segundo digito errado", "12345678908", false},
                             {"dez caracteres", "1234567890", false},
                             {"doze caracteres", "123456789090", false},
                             {"letra que some na conta", "A0000000000", false}};
    for (const auto& c : cpfs) {
        EXPECT_EQ(CpfValido(c.texto), c.esperado) << "CpfValido " << c.nome;
    }

    const CasoBool cnpjs[] = {{"valido", "11222333000181", true},
                              {"com mascara", "11.222.333/0001-81", true},
                              {"brancos em volta", "  45781234000151 ", true},
                              {"catorze zeros", "00000000000000", false},
                              {"zeros com mascara", "00.000.000/0000-00", false},
                              {"13o errado, 14o conferindo com ele", "11222333000190", false},
                              {"14o errado", "11222333000182", false},
                              {"curto", "1122233300018", false},
                              {"algarismo a mais", "112223330001810", false},
                              {"branco no meio", "11222333 000181", false},
                              {"vazio", "", false}};
    for (const auto& c : cnpjs) {
        EXPECT_EQ(CnpjValido(c.texto), c.esperado) << "CnpjValido " << c.nome;
    }

    const CasoBool ies[] = {{"valida", "110042490114", true},     {"com mascara", "110.042.490.114", true},
                            {"valida 2", "357812345011", true},   {"doze zeros", "000000000000", false},
                            {"9o errado", "110042491114", false}, {"12o errado", "110042490115", false},
                            {"curta", "11004249011", false},      {"letra", "11004249011X", false}};
    for (const auto& c : ies) {
        EXPECT_EQ(IeSpValida(c.texto), c.esperado) << "IeSpValida " << c.nome;
    }

    EXPECT_EQ(RemoveSeparadores("11.222.333/0001-81"), "11222333000181");
    EXPECT_EQ(RemoveSeparadores(" a.b c "), " ab c ");
}

TEST(ValidadoresCampo, ConstaNaLista)
{
    const CasoBool casos[] = {{"codigo inteiro", "06", true}, {"ultimo", "22", true},
                              {"ausente", "55", false},       {"um caractere", "6", true},
                              {"separador", "%", true},       {"atravessa separador", "1%", true},
                              {"vazio nao consta", "", false}};
    for (const auto& c : casos) {
        EXPECT_EQ(ConstaNaLista(c.texto, "01%06%21%22"), c.esperado) << c.nome;
    }
}

// The membership test is a plain substring search: every window of a list, and every near miss of one
// (each byte changed), must be judged as find() judges it, the list's first and last bytes included.
TEST(ValidadoresCampo, ConstaNaListaComoBuscaDeTrecho)
{
    const std::string_view lista = "0101%0102%0199%0201%1107%08 09";
    for (std::size_t tamanho = 1; tamanho <= 6; ++tamanho) {
        for (std::size_t inicio = 0; inicio + tamanho <= lista.size(); ++inicio) {
            std::string valor(lista.substr(inicio, tamanho));
            EXPECT_TRUE(ConstaNaLista(valor, lista)) << valor;
            for (std::size_t k = 0; k < valor.size(); ++k) {
                std::string quase = valor;
                quase[k] = quase[k] == '9' ? '3' : '9';
                EXPECT_EQ(ConstaNaLista(quase, lista), lista.find(quase) != std::string_view::npos) << quase;
            }
        }
    }
    EXPECT_FALSE(ConstaNaLista("0101%0102%0199%0201%1107%08 09 ", lista));
}

// The one-pass test stands in for NaoNumerico, SoAlgarismos and InteiroComSinal where it says yes, so it
// must say yes only where all three do, with NaoNumerico's number; 19 digits are left to NaoNumerico.
TEST(ValidadoresCampo, AlgarismosCurtosSoOndeOsOutrosAceitam)
{
    const struct
    {
        std::string_view texto;
        bool aceita;
    } casos[] = {{"0", true},
                 {"000000000000012345", true},
                 {"999999999999999999", true},
                 {"1234567890123456789", false},
                 {"", false},
                 {"-5", false},
                 {"+5", false},
                 {" 5", false},
                 {"5 ", false},
                 {"1.0", false}};
    for (const auto& c : casos) {
        std::int64_t curto = -1;
        EXPECT_EQ(AlgarismosCurtos(c.texto, curto), c.aceita) << c.texto;
        if (c.aceita) {
            std::int64_t numero = -2;
            EXPECT_FALSE(NaoNumerico(c.texto, numero)) << c.texto;
            EXPECT_EQ(curto, numero) << c.texto;
            EXPECT_TRUE(SoAlgarismos(c.texto) && InteiroComSinal(c.texto)) << c.texto;
        } else {
            EXPECT_EQ(curto, -1) << c.texto;
        }
    }
}

TEST(ValidadoresCampo, TextoValido)
{
    const std::string semSignificativo =
        "Deve conter pelo menos 1 letra n\xE3o acentuada, ou um algarismo diferente de zero;";
    struct Caso
    {
        const char* nome;
        std::string texto;
        std::string esperado;
    };
    const Caso casos[] = {
        {"letras e algarismos", "A1 -b", "OK"},
        {"um algarismo", "7", "OK"},
        {"tres brancos", "   ", semSignificativo},
        {"tres zeros", "000", semSignificativo},
        {"vazio", "", semSignificativo},
        {"hifen e letra", "-A",
         "Primeiro caractere [-] n\xE3o pode ser h\xED"
         "fen, nem espa\xE7o em branco."},
        {"branco e letra", " A",
         "Primeiro caractere [ ] n\xE3o pode ser h\xED"
         "fen, nem espa\xE7o em branco."},
        {"letra acentuada", "S\xC9R", "Caractere n\xE3o permitido: [\xC9]"},
        {"so o primeiro proibido", "A*B/", "Caractere n\xE3o permitido: [*]"},
        // The later rules replace the earlier answers.
        {"hifen e proibido", "-A*",
         "Primeiro caractere [-] n\xE3o pode ser h\xED"
         "fen, nem espa\xE7o em branco."},
        {"zero e acento", "0\xC7", semSignificativo},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TextoValido(c.texto), c.esperado) << c.nome;
    }
}

TEST(ValidadoresCampo, ReferenciaSubstituido)
{
    // The substituted document: reference 1612, model 21, series "A  ", number 123, issued 15/12/2016;
    // the substitute: reference 1701, number 200, issued 10/01/2017.
    const std::string valida = "1612_21_A  _000000123_20161215";
    const std::string chave = "1701_21_A  _000000200";
    const std::string emissao = "20170110";
    const auto m = [](const char* utf8) { return ParaWin1252(utf8); };
    struct Caso
    {
        const char* nome;
        std::string referencia;
        std::string chave;
        std::string uf;
        std::string anoMinimo;
        std::string esperado;
    };
    const Caso casos[] = {
        {"valida", valida, chave, "RJ", "1995", "OK"},
        {"valida com brancos depois", valida + "  ", chave, "RJ", "1995", "OK"},
        {"29 significativos", "1612_21_A  _000000123_2016121 ", chave, "RJ", "1995",
         "Comprimento inferior a 30 caracteres; "},
        {"29 significativos e brancos antes", " 612_21_A  _000000123_20161215", chave, "RJ", "1995",
         "Comprimento inferior a 30 caracteres; "},
        {"sem _ na 22", "1612_21_A  _000000123-20161215", chave, "RJ", "1995",
         m("Deve conter o caracter _ nas posições 5, 8, 12 e 22; ")},
        {"referencia com letra", "16A2_21_A  _000000123_20161215", chave, "RJ", "1995",
         m("Referência de apuração do documento fiscal substituído [16A2] deve conter apenas algarismos ")},
        {"ano anterior ao minimo", valida, chave, "RJ", "2017",
         m("Referência de apuração do documento fiscal substituído [1612] não pode ser anterior ao ano 2017; ")},
        {"mes 13", "1613_21_A  _000000123_20161215", chave, "RJ", "1995",
         m("Mês da Referência de apuração do documento fiscal substituído [1613] é inválido")},
        {"posterior a do substituto", "1702_21_A  _000000123_20170201", chave, "RJ", "1995",
         m("Referência de apuração do documento fiscal substituído [1702] não pode ser posterior à referência "
           "do documento substituto: 1701; ")},
        {"modelo 55", "1612_55_A  _000000123_20161215", chave, "RJ", "1995",
         m("Modelo do documento fiscal substituído [55] é inválido")},
        {"serie em branco", "1612_21_   _000000123_20161215", chave, "RJ", "1995",
         m("Série do documento fiscal substituído [   ] não foi informada")},
        {"serie com branco inicial antes de 1701", "1612_21_ A _000000123_20161215", chave, "RJ", "1995", "OK"},
        {"serie com branco inicial em SP desde 1601", "1612_21_ A _000000123_20161215", chave, "SP", "1995",
         m("Série do documento fiscal substituído [ A ] não pode iniciar com espaço em branco")},
        {"serie com branco inicial desde 1701", "1701_21_ A _000000123_20170105", "1702_21_A  _000000200", "RJ", "1995",
         m("Série do documento fiscal substituído [ A ] não pode iniciar com espaço em branco")},
        {"numero zerado", "1612_21_A  _000000000_20161215", chave, "RJ", "1995",
         m("Número do documento fiscal substituído [000000000] é inválido ")},
        {"numero com letra", "1612_21_A  _00000012X_20161215", chave, "RJ", "1995",
         m("Número do documento fiscal substituído [00000012X] é inválido ")},
        {"mesmo numero na mesma serie", valida, "1612_21_A  _000000123", "RJ", "1995",
         m("Número do documento fiscal substituído [000000123] deve ser menor que o nº documento substituto "
           "[000000123] , quando ambos são da mesma referência-modelo-série")},
        {"numero menor na mesma serie", valida, "1612_21_A  _000000124", "RJ", "1995", "OK"},
        {"numero maior em outra serie", valida, "1612_21_B  _000000100", "RJ", "1995", "OK"},
        {"ultimo dia do mes", "1612_21_A  _000000123_20161231", chave, "RJ", "1995", "OK"},
        {"29 fev fora da lista", "0002_21_A  _000000123_20000229", chave, "RJ", "1995",
         m("Data de emissão do documento fiscal substituído [20000229] é inválida, ou posterior à data do "
           "documento substituto ")},
        {"data depois da do substituto", "1701_21_A  _000000123_20170111", "1701_21_B  _000000200", "RJ", "1995",
         m("Data de emissão do documento fiscal substituído [20170111] é inválida, ou posterior à data do "
           "documento substituto ")},
        {"data de mes anterior fora de SP", "1612_21_A  _000000123_20161115", chave, "RJ", "1995", "OK"},
        {"data de mes anterior em SP", "1612_21_A  _000000123_20161115", chave, "SP", "1995",
         m("Data de emissão do documento fiscal substituído [20161115] não pertence à referência de apuração "
           "informada: 1612")},
        {"data de mes posterior", "1611_21_A  _000000123_20161215", chave, "RJ", "1995",
         m("Data de emissão do documento fiscal substituído [20161215] não pertence à referência de apuração "
           "informada: 1611")},
        // Only the first failing rule answers.
        {"serie em branco e numero zerado", "1612_21_   _000000000_20161215", chave, "RJ", "1995",
         m("Série do documento fiscal substituído [   ] não foi informada")},
        {"modelo e data ruins", "1612_55_A  _000000123_20169999", chave, "RJ", "1995",
         m("Modelo do documento fiscal substituído [55] é inválido")},
        {"curta e sem _", "1612 21 A  _000000123_2016121", chave, "RJ", "1995",
         "Comprimento inferior a 30 caracteres; "},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(ReferenciaSubstituido(c.referencia, emissao, c.chave, c.anoMinimo, c.uf), c.esperado) << c.nome;
    }
    // From 1701 the emission must fall in the very reference, even an earlier one.
    EXPECT_EQ(
        ReferenciaSubstituido("1702_21_A  _000000123_20170131", "20170228", "1702_21_B  _000000200", "1995", "RJ"),
        m("Data de emissão do documento fiscal substituído [20170131] não pertence à referência de apuração "
          "informada: 1702"));
    EXPECT_EQ(
        ReferenciaSubstituido("1612_21_A  _000000123_20161115", "20170228", "1702_21_B  _000000200", "1995", "RJ"),
        "OK");
    // The accented bytes are Windows-1252, one byte each.
    EXPECT_EQ(ReferenciaSubstituido("1612_55_A  _000000123_20161215", emissao, chave, "1995", "RJ"),
              "Modelo do documento fiscal substitu\xED"
              "do [55] \xE9 inv\xE1lido");
}

TEST(ValidadoresCampo, FormataQuantidadeEValor)
{
    struct Caso
    {
        const char* nome;
        std::string_view texto;
        std::string esperado;
    };
    const Caso quantidades[] = {
        {"sete algarismos", "1234567", "      1.234.567"},
        {"zero", "0", "              0"},
        {"zeros a esquerda", "000123", "            123"},
        {"mil", "1000", "          1.000"},
        {"negativo", "-1234", "         -1.234"},
        {"menos zero", "-0", "              0"},
        {"maior que a largura", "12345678901234567890", "12.345.678.901.234.567.890"},
        {"fracao arredonda para cima", "12,5", "             13"},
        {"fracao arredonda para baixo", "12.49", "             12"},
        {"negativo arredonda para longe do zero", "-2,5", "             -3"},
        {"vai um", "999,9", "          1.000"},
        {"ilegivel fica como veio", "12a", "            12a"},
    };
    for (const auto& c : quantidades) {
        EXPECT_EQ(FormataQuantidade(c.texto), c.esperado) << c.nome;
        std::int64_t n = 0;
        if (!NaoNumerico(c.texto, n)) {
            EXPECT_EQ(FormataQuantidade(n), c.esperado) << c.nome << " (inteiro)";
        }
    }
    EXPECT_EQ(FormataQuantidade(std::numeric_limits<std::int64_t>::min()), "-9.223.372.036.854.775.808");
    // The record number as eight grouped digits, as the divergence lines show it.
    EXPECT_EQ(FormataQuantidade(std::int64_t{100000001}).substr(5, 10), "00.000.001");

    EXPECT_EQ(FormataQuantidadeLargura("1234", 11), "      1.234");
    EXPECT_EQ(FormataQuantidadeLargura(std::int64_t{1234}, 11), "      1.234");
    EXPECT_EQ(FormataQuantidadeLargura("1234", 3), "1.234");
    EXPECT_EQ(FormataQuantidadeLargura(std::int64_t{-1234}, 0), "-1.234");

    const Caso valores[] = {
        {"seis algarismos", "123456", "       1.234,56"}, {"centavos", "5", "           0,05"},
        {"zero", "000000000000", "           0,00"},      {"negativo", "-000000012345", "        -123,45"},
        {"milhoes", "123456789012", "1.234.567.890,12"},
    };
    EXPECT_EQ(FormataValor("123,6"), "           1,24"); // the nearest whole hundredth
    for (const auto& c : valores) {
        EXPECT_EQ(FormataValor(c.texto), c.esperado) << c.nome;
        std::int64_t n = 0;
        ASSERT_FALSE(NaoNumerico(c.texto, n)) << c.nome;
        EXPECT_EQ(FormataValor(static_cast<double>(n)), c.esperado) << c.nome << " (double)";
    }
    EXPECT_EQ(FormataValor(-0.0), "           0,00");
    EXPECT_EQ(FormataValor(1e20), "1.000.000.000.000.000.000,00");
}

TEST(ValidadoresCampo, ZerosAEsquerda)
{
    struct Caso
    {
        const char* nome;
        int largura;
        double numero;
        std::string esperado;
    };
    const Caso casos[] = {
        {"negativo em largura 14", 14, -12345, "-0000000012345"},
        {"positivo", 5, 42, "00042"},
        {"zero", 3, 0, "000"},
        {"negativo pequeno", 5, -7, "-0007"},
        {"nada se corta", 2, 12345, "12345"},
        {"negativo sem espaco", 3, -12345, "-12345"},
        {"arredonda meio para longe do zero", 3, 2.5, "003"},
        {"arredonda negativo", 4, -2.5, "-003"},
        {"negativo que arredonda a zero", 3, -0.4, "000"},
        {"largura zero", 0, 7, "7"},
        {"alem do int64", 22, 1e20, "0100000000000000000000"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(ZerosAEsquerda(c.largura, c.numero), c.esperado) << c.nome;
    }
}

TEST(ValidadoresCampo, AlinhamentoENomeDeArquivo)
{
    EXPECT_EQ(AlinhaDireita("abc", 5), "  abc");
    EXPECT_EQ(AlinhaDireita("abcdef", 3), "abc"); // cut on the right
    EXPECT_EQ(AlinhaDireita("abc", 0), "");
    EXPECT_EQ(AlinhaEsquerda("abc", 5), "abc  ");
    EXPECT_EQ(AlinhaEsquerda("abcdef", 3), "abc");
    EXPECT_EQ(AlinhaEsquerda("abc", -1), "");

    const struct
    {
        std::string_view caminho;
        std::string nome;
    } caminhos[] = {
        {"C:\\Dados\\Volume\\SP01A1701N01M.001", "SP01A1701N01M.001"},
        {"/home/x/SP01A1701N01M.001", "SP01A1701N01M.001"},
        {"dir/sub\\ARQ.TXT", "ARQ.TXT"},
        {"ARQ.TXT", "ARQ.TXT"},
        {"C:\\Dados\\", ""},
        {"", ""},
    };
    for (const auto& c : caminhos) {
        EXPECT_EQ(NomeSemCaminho(c.caminho), c.nome) << c.caminho;
    }
}

} // namespace tessarin
