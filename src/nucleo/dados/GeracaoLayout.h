#pragma once

#include <string_view>

namespace tessarin {

// The layout generation a volume's reference calls for; it fixes the record lengths and field positions.
enum class GeracaoLayout { V01, V02, V03 };

// "v_01", "v_02", "v_03" as written in the log header.
std::string_view TextoGeracao(GeracaoLayout g);
// Below "1207" v_01, below "1701" v_02, otherwise v_03 (references compare as text).
GeracaoLayout GeracaoDaReferencia(std::string_view referencia);
// Record lengths, CR LF included.
int TamanhoMestre(GeracaoLayout g);
int TamanhoItem(GeracaoLayout g);
int TamanhoDestinatario(GeracaoLayout g);

} // namespace tessarin
