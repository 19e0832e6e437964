#include "dados/ListaCodigos.h"
#include "dados/ListasCodigos.h"
#include "dados/ListasCodigosItem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessarin {

namespace {

// Lists of every shape: entries of one, two and four characters, with and without "%", a blank inside, a
// single entry, and the longest list the Item checks use.
constexpr ListaCodigos Modelos = "01%06%21%22";
constexpr ListaCodigos Classes = "12345678";
constexpr ListaCodigos ComBranco = "08 09";
constexpr ListaCodigos Indicadores = " J";
constexpr ListaCodigos Unica = "7";

void ComparaComBuscaDeTrecho(const ListaCodigos& lista)
{
    const std::string_view texto = lista;
    // Every digit-only value of widths 1 to 4: the ones the table answers.
    for (int largura = 1, limite = 10; largura <= 4; ++largura, limite *= 10) {
        for (int n = 0; n < limite; ++n) {
            std::string valor = std::to_string(n);
            valor.insert(0, static_cast<std::size_t>(largura) - valor.size(), '0');
            ASSERT_EQ(ConstaNaLista(valor, lista), ConstaNaLista(valor, texto)) << texto << " / " << valor;
        }
    }
    // Values the table does not answer, among them ones that hold "%" or a blank, span two entries or are
    // longer than four characters.
    std::vector<std::string> outros = {"", "%", " ", "a", "1%", "%0", "8 0", "01%06", "0101%", "00000", "1 "};
    for (std::size_t inicio = 0; inicio < texto.size(); ++inicio) {
        for (std::size_t tamanho = 1; tamanho <= 6 && inicio + tamanho <= texto.size(); ++tamanho) {
            outros.emplace_back(texto.substr(inicio, tamanho));
        }
    }
    for (const std::string& valor : outros) {
        EXPECT_EQ(ConstaNaLista(valor, lista), ConstaNaLista(valor, texto)) << texto << " / \"" << valor << '"';
    }
}

} // namespace

TEST(ListaCodigos, RespondeComoABuscaDeTrecho)
{
    for (const ListaCodigos* lista :
         {&Modelos, &Classes, &ComBranco, &Indicadores, &Unica, &ClassifGrupos06a11Com0697, &ClassifTipoUtilizacao[0],
          &Grupos08e09Valores, &TiposIsencaoReducao, &AnosBissextosDatas, &ListaUfs, &ListaDias}) {
        ComparaComBuscaDeTrecho(*lista);
    }
}

// The same digits at different widths have their own places in the table: "1" and "6" are in the list,
// "001", "0106" and "12" are not, whatever the single digits say.
TEST(ListaCodigos, LargurasNaoSeConfundem)
{
    const struct
    {
        std::string_view valor;
        bool consta;
    } casos[] = {{"1", true},    {"6", true},     {"0", true},     {"00", false}, {"21", true},  {"12", false},
                 {"001", false}, {"0106", false}, {"2122", false}, {"%", true},   {"1%0", true}, {"", false}};
    for (const auto& c : casos) {
        EXPECT_EQ(ConstaNaLista(c.valor, Modelos), c.consta) << '"' << c.valor << '"';
    }
}

} // namespace tessarin
