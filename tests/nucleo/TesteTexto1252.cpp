#include "dados/Texto1252.h"

#include <gtest/gtest.h>

namespace tessarin {

TEST(Texto1252, AcentosViramUmByteCada)
{
    // ç ã é º ª as single Windows-1252 bytes, and back.
    const std::string utf8 = "Serviço não é nº 1º/ª";
    const std::string esperado = "Servi\xE7o n\xE3o \xE9 n\xBA 1\xBA/\xAA";
    EXPECT_EQ(ParaWin1252(utf8), esperado);
    EXPECT_EQ(ParaUtf8(esperado), utf8);
}

TEST(Texto1252, FaixaDe80A9FIdaEVolta)
{
    std::string todos;
    for (int b = 0x80; b <= 0x9F; ++b) {
        todos += static_cast<char>(b);
    }
    const std::string utf8 = ParaUtf8(todos);
    EXPECT_TRUE(Utf8Valido(utf8));
    EXPECT_EQ(ParaWin1252(utf8), todos);
    EXPECT_EQ(ParaUtf8("\x80"), "€");
    EXPECT_EQ(ParaUtf8("\x96\x93\x94"), "–“”");
    EXPECT_EQ(ParaWin1252("€ Š ™"), "\x80 \x8A \x99");
}

TEST(Texto1252, OQueNaoCabeViraInterrogacao)
{
    EXPECT_EQ(ParaWin1252("日本"), "??");       // outside Windows-1252
    EXPECT_EQ(ParaWin1252("a\xFF" "b"), "a?b"); // a byte that is not UTF-8
    EXPECT_EQ(ParaWin1252("\xC3"), "?");        // truncated sequence
    EXPECT_FALSE(Utf8Valido("Servi\xE7o"));
    EXPECT_TRUE(Utf8Valido("Serviço"));
}

} // namespace tessarin
