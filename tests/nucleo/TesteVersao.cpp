#include "dados/Versao.h"

#include <gtest/gtest.h>

namespace tessarin {

TEST(Versao, ConstantesEFormaComPonto)
{
    EXPECT_EQ(VersaoPrograma, "300b");
    EXPECT_EQ(DataVersao, "02/03/2017");
    EXPECT_EQ(ReferenciaMinima, "0405");
    EXPECT_EQ(ReferenciaMaxima, "1702");
    EXPECT_EQ(VersaoComPonto(), "3.00b");
    EXPECT_EQ(VersaoControle(), "300");
}

} // namespace tessarin
