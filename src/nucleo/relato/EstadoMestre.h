#pragma once

#include "relato/ResumoValores.h"
#include "relato/SomasItensDocumento.h"

#include <array>
#include <cstdint>
#include <string>

namespace tessarin {

// Per-run state kept by the Mestre record checks, their service and record-end checks and the document
// item sums.
struct EstadoMestre
{
    // The current document's five values in centavos (Valor total, BC ICMS, ICMS, Isentas ou NT, Outros), as
    // the Mestre checks read them. A field that failed its numeric test stands as zero: the field has been
    // reported, and a number kept from another document would only blur the sums and totals.
    std::array<double, 5> Valores{};
    double ValorTotal() const { return Valores[0]; }
    double BaseIcms() const { return Valores[1]; }
    double ValorIcms() const { return Valores[2]; }
    double Isentas() const { return Valores[3]; }
    double Outros() const { return Valores[4]; }

    // Records checked so far: the expected document number is the first document's number plus this.
    std::int64_t DocumentosVerificados = 0;
    // Documents whose situation is "S".
    std::int32_t DocumentosCancelados = 0;
    // From reference 1701: documents added to the Mestre totals whose ICMS is negative (control file).
    ResumoValores DocumentosIcmsNegativo;

    // The date the run started, AAAAMMDD, taken once at the first record; empty when no clock is known.
    std::string DataExecucao;
    bool DataExecucaoLida = false;

    // The current document's item sums and marks: the Item checks add into it during the item walk.
    SomasItensDocumento SomasItens;

    // Back to the start of a run.
    void Reinicia() { *this = EstadoMestre{}; }
};

} // namespace tessarin
