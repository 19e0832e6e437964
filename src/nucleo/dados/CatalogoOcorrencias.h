#pragma once

#include "dados/GeracaoLayout.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessarin {

// The table of every occurrence code a run can report. Each row is kept as one Windows-1252 text in fixed
// columns, because the occurrence list shows the field and positions columns exactly as stored, blanks
// included:
//   1-3 code, 5 type ("E" or "A"), 7 file ("M", "I", "D" or blank), 9-10 field, 12-20 positions
//   ("  1 a  14"), 22 on description; columns 4, 6, 8, 11 and 21 are blanks.
// A run takes its own copy (the default constructor) and rewrites the rows that depend on the layout
// generation once it knows the volume's generation; the stored catalogue itself never changes.
class CatalogoOcorrencias
{
public:
    static constexpr int QuantidadeLinhas = 225;
    static constexpr int QuantidadeLinhasPorGeracao = 43;

    // One row. The slices are views into the row's own text: take them again after a rewrite.
    class Linha
    {
    public:
        explicit Linha(std::string texto) : texto_(std::move(texto)) {}

        const std::string& Texto() const { return texto_; }
        std::string_view Codigo() const { return Coluna(1, 3); }
        std::string_view Tipo() const { return Coluna(5, 5); }
        std::string_view Arquivo() const { return Coluna(7, 7); }
        std::string_view Campo() const { return Coluna(9, 10); }
        std::string_view Posicoes() const { return Coluna(12, 20); }
        // From column 22 on, without leading or trailing blanks, as the heading of an occurrence shows it.
        std::string_view Descricao() const;
        bool Erro() const { return Tipo() == "E"; }

    private:
        friend class CatalogoOcorrencias;
        std::string_view Coluna(std::size_t primeira, std::size_t ultima) const
        {
            return std::string_view(texto_).substr(primeira - 1, ultima - primeira + 1);
        }
        std::string texto_;
    };

    // A copy of the stored catalogue, as a run starts with it.
    CatalogoOcorrencias();

    // The stored catalogue, built once for the life of the program.
    static const CatalogoOcorrencias& Armazenado();

    // Gives the 43 generation-dependent rows the field and positions of the generation (columns 9-20), and
    // row 231 the description of that generation. Rewriting again for another generation is exact: nothing
    // of an earlier rewrite remains.
    void ReescreveParaGeracao(GeracaoLayout geracao);

    // Row index of a three-digit code, or -1 when the catalogue has no such code (or the text is not three
    // digits). Every reported occurrence goes through here: a table lookup, no scan, no allocation.
    int Indice(std::string_view codigo) const noexcept;
    int Indice(int codigo) const noexcept
    {
        return codigo >= 0 && codigo < static_cast<int>(indicePorCodigo_.size()) ? indicePorCodigo_[codigo] : -1;
    }

    // The row of a code, or nullptr when absent.
    const Linha* Procura(std::string_view codigo) const noexcept;

    // Rows in catalogue order; the index is the one `Indice` returns and the one per-code counters use.
    const Linha& operator[](int indice) const { return linhas_[static_cast<std::size_t>(indice)]; }
    const std::vector<Linha>& Linhas() const { return linhas_; }
    int Quantidade() const { return static_cast<int>(linhas_.size()); }

private:
    struct Construcao
    {
    };
    explicit CatalogoOcorrencias(Construcao);

    std::vector<Linha> linhas_;
    std::array<std::int16_t, 1000> indicePorCodigo_{};
};

} // namespace tessarin
