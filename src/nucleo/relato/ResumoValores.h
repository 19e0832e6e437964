#pragma once

#include <array>
#include <cstdint>

namespace tessarin {

// A count of records and the sums of their five money values (Valor total, BC ICMS, ICMS, Isentas ou NT,
// Outros, in centavos), as the control file's summaries carry them.
struct ResumoValores
{
    std::int32_t Quantidade = 0;
    std::array<double, 5> Valores{};

    void Acrescenta(const std::array<double, 5>& valores)
    {
        ++Quantidade;
        for (std::size_t i = 0; i < Valores.size(); ++i) {
            Valores[i] += valores[i];
        }
    }
};

} // namespace tessarin
