#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin {

// One state of the IBGE state table: two-digit code, two-letter abbreviation, name in Windows-1252.
struct LinhaUF
{
    std::string_view codigo;
    std::string_view sigla;
    std::string_view nome;
};

// The 27 states plus "99|EX|Exterior" for customers abroad, in the IBGE order (11 RO first, 99 EX last).
// A municipality's state is its code's first two digits looked up here. Built once; lookups are an index
// into a 100-slot array and never allocate.
class TabelaUF
{
public:
    // The one table of the program, built on first use.
    static const TabelaUF& Instancia();

    TabelaUF();
    // Rows point into the table's own storage: a copy would point into the original.
    TabelaUF(const TabelaUF&) = delete;
    TabelaUF& operator=(const TabelaUF&) = delete;

    // The row of a two-digit state code, or nullptr when the text is not two digits or no state has it
    // (34, for instance).
    const LinhaUF* ProcuraCodigo(std::string_view codigo) const;

    std::span<const LinhaUF> Linhas() const { return linhas_; }

private:
    std::vector<std::string> nomes_; // Windows-1252 storage behind LinhaUF::nome
    std::vector<LinhaUF> linhas_;
    std::array<std::int8_t, 100> indice_{}; // state code -> row, -1 where there is none
};

} // namespace tessarin
