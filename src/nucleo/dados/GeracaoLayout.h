#pragma once

#include <string_view>

namespace tessarin {

// The three generations of the record layouts. The volume's reference month decides which one applies,
// and with it the record lengths and where several fields sit in the records.
enum class GeracaoLayout { V01, V02, V03 };

// Record lengths of the Mestre, Item and Destinatario files, CR LF included.
struct ComprimentosRegistro
{
    int Mestre;
    int Item;
    int Destinatario;

    friend constexpr bool operator==(const ComprimentosRegistro&, const ComprimentosRegistro&) = default;
};

// "v_01", "v_02" or "v_03": the name the log header and the run report show.
constexpr std::string_view TextoGeracao(GeracaoLayout geracao)
{
    switch (geracao) {
    case GeracaoLayout::V01:
        return "v_01";
    case GeracaoLayout::V02:
        return "v_02";
    case GeracaoLayout::V03:
        return "v_03";
    }
    return "v_01";
}

constexpr ComprimentosRegistro ComprimentosDaGeracao(GeracaoLayout geracao)
{
    switch (geracao) {
    case GeracaoLayout::V01:
        return {256, 256, 256};
    case GeracaoLayout::V02:
        return {260, 256, 260};
    case GeracaoLayout::V03:
        return {427, 333, 289};
    }
    return {256, 256, 256};
}

// The generation of a reference month AAMM. References are compared as text, as everywhere else: the
// caller has already refused a reference that is not four digits, and as text "1207" and "1701" still
// fall where the calendar puts them.
constexpr GeracaoLayout GeracaoDaReferencia(std::string_view referencia)
{
    if (referencia < "1207") {
        return GeracaoLayout::V01;
    }
    if (referencia < "1701") {
        return GeracaoLayout::V02;
    }
    return GeracaoLayout::V03;
}

} // namespace tessarin
