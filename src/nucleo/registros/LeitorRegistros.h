#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin {

// Reads a file of fixed-length records through one large block, positioned by record index, handing out
// views into the block: no copy and no allocation per record, and memory stays the block's size whatever
// the file's. A view stays valid until the next Le() of the same reader.
class LeitorRegistros
{
public:
    static constexpr std::size_t BlocoPadrao = std::size_t{1} << 20;

    LeitorRegistros() = default;
    ~LeitorRegistros();
    LeitorRegistros(const LeitorRegistros&) = delete;
    LeitorRegistros& operator=(const LeitorRegistros&) = delete;

    // Opens for reading. Returns false with the system's reason in `erro` (a missing file, a folder, no
    // permission); nothing is thrown.
    bool Abre(const std::string& caminho, int tamanhoRegistro, std::string* erro,
              std::size_t tamanhoBloco = BlocoPadrao);
    void Fecha();
    bool Aberto() const { return descritor_ >= 0; }

    const std::string& Caminho() const { return caminho_; }
    int TamanhoRegistro() const { return tamanho_; }
    std::int64_t Bytes() const { return bytes_; }
    // Whole records in the file as it was opened.
    std::int64_t Registros() const { return bytes_ / tamanho_; }

    // Moves to a record index; false (nothing moved) when the index lies outside 0..Registros().
    bool Posiciona(std::int64_t indice);
    std::int64_t Posicao() const { return posicao_; }

    // The record at the current position, then one step on; an empty view at the end of the file. Throws
    // ErroEntradaSaida when the system fails the read or the file shrank under the run.
    std::string_view Le();

    // Up to `quantidade` bytes from the file's start, for the structure checks (short files included).
    std::string LeInicio(std::size_t quantidade);

private:
    void CarregaBloco(std::int64_t indice);
    // Reads up to `quantidade` bytes at `deslocamento`; fewer only at the end of the file.
    std::size_t LeAte(char* destino, std::size_t quantidade, std::int64_t deslocamento);

    int descritor_ = -1;
    std::string caminho_;
    int tamanho_ = 1;
    std::int64_t bytes_ = 0;
    std::int64_t posicao_ = 0;
    std::vector<char> bloco_;
    std::int64_t primeiroNoBloco_ = 0; // record index of the block's first byte
    std::int64_t registrosNoBloco_ = 0;
};

} // namespace tessarin
