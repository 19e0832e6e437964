#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin {

class TabelaUF;

// One municipality over one period of validity. Dates are AAAAMMDD as whole numbers, both days included.
struct LinhaMunicipio
{
    // The record field that carries the municipality's name is 30 characters wide, so names are compared
    // on that many characters only.
    static constexpr std::size_t LarguraNome = 30;

    std::string_view codigo;   // seven digits
    std::string_view codigoUF; // the code's first two digits
    std::string_view siglaUF;
    std::uint32_t inicio = 0;
    std::uint32_t fim = 0;
    std::string_view nome; // Windows-1252, whole (up to 32 characters)

    // The name as a record can carry it: its first 30 characters.
    std::string_view NomeOficial() const { return nome.substr(0, LarguraNome); }
};

// The IBGE municipalities, one row per code and period of validity, sorted by code and then by first day:
// the checked-in IBGE list with the default period 20090101-99991231, plus the rows the list cannot say
// (municipalities created later, renamed ones with one row per name, and 9999999 for customers abroad).
// Built once; lookups are a binary search over the codes and never allocate, because they run once per
// Destinatário record.
class TabelaMunicipios
{
public:
    static constexpr std::uint32_t InicioPadrao = 20090101;
    static constexpr std::uint32_t FimPadrao = 99991231;

    // The one table of the program, built on first use.
    static const TabelaMunicipios& Instancia();

    explicit TabelaMunicipios(const TabelaUF& ufs);
    // Rows point into the table's own storage: a copy would point into the original.
    TabelaMunicipios(const TabelaMunicipios&) = delete;
    TabelaMunicipios& operator=(const TabelaMunicipios&) = delete;

    // Every row of a seven-digit code, oldest period first; empty when the text is not seven digits or the
    // code is not in the table.
    std::span<const LinhaMunicipio> LinhasDoCodigo(std::string_view codigo) const;

    bool Contem(std::string_view codigo) const { return !LinhasDoCodigo(codigo).empty(); }

    // The row of the code valid on the date of issue (AAAAMMDD, eight digits), or nullptr when the code is
    // unknown, the date is not eight digits, or no period of the code covers it. The date is compared as
    // a whole number, not checked as a calendar day.
    const LinhaMunicipio* ValidaEm(std::string_view codigo, std::string_view data) const;

    std::span<const LinhaMunicipio> Linhas() const { return linhas_; }

private:
    std::string nomes_;                  // every name in Windows-1252, end to end, behind LinhaMunicipio::nome
    std::vector<LinhaMunicipio> linhas_; // by code, then by first day
    std::vector<std::uint32_t> codigos_; // the rows' codes as numbers, for the binary search
};

} // namespace tessarin
