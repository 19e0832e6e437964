#pragma once

#include <cstdint>
#include <string>

namespace tessarin {

// Count and the five values of a group of items, for one of the control file's summaries. Centavos,
// signed, in doubles that hold whole numbers exactly.
struct ResumoValoresItem
{
    std::int64_t Quantidade = 0;
    double ValorTotal = 0, BaseIcms = 0, ValorIcms = 0, Isentas = 0, Outros = 0;

    void Acrescenta(std::int64_t total, std::int64_t base, std::int64_t icms, std::int64_t isentas, std::int64_t outros)
    {
        ++Quantidade;
        ValorTotal += static_cast<double>(total);
        BaseIcms += static_cast<double>(base);
        ValorIcms += static_cast<double>(icms);
        Isentas += static_cast<double>(isentas);
        Outros += static_cast<double>(outros);
    }
};

// State kept by the Item record checks: what the current document's items add up to (read by the
// document sums after the document's last item), and what the run counts over all items (read by the
// control file).
struct EstadoItem
{
    // --- Current document: reset by ReiniciaDocumento before its first item ---
    // (The sums and marks the document sums read are kept in ctx.Mestre.SomasItens.)
    // Field 26 of the document's last item as read; '\0' before the first item.
    char SituacaoUltimoItem = '\0';
    // 1 for the document's first item; the item number (field 11) must follow it.
    std::int32_t OrdinalItem = 0;

    // --- Whole run ---
    // Items whose situation, upper-cased, is "S".
    std::int64_t ItensCancelados = 0;
    // The control file's item summaries (from 1701): items with CFOP "0000", items with negative ICMS in
    // documents whose ICMS is not negative, items with negative ICMS.
    ResumoValoresItem ResumoCfop0000;
    ResumoValoresItem ResumoIcmsNegativoEmDocumentoSemIcmsNegativo;
    ResumoValoresItem ResumoIcmsNegativo;

    // Before each document's item walk.
    void ReiniciaDocumento()
    {
        SituacaoUltimoItem = '\0';
        OrdinalItem = 0;
    }

    // Back to the start of a run.
    void Reinicia() { *this = EstadoItem{}; }
};

} // namespace tessarin
