#include "dados/ListaCodigos.h"

namespace tessarin {

bool ConstaNaLista(std::string_view valor, std::string_view lista)
{
    // Every text holds the empty text, but an empty field is in no list of codes.
    if (valor.empty() || valor.size() > lista.size()) {
        return false;
    }
    // The same substring test as find(), written out: the fields are a few characters and the lists a few
    // hundred, so find()'s memchr and memcmp calls on every candidate cost more than the bytes they compare.
    // This runs several times per Item record.
    const char primeiro = valor.front();
    const char ultimo = valor.back();
    const std::size_t n = valor.size();
    const char* p = lista.data();
    const std::size_t fim = lista.size() - n;
    for (std::size_t i = 0; i <= fim; ++i) {
        if (p[i] != primeiro || p[i + n - 1] != ultimo) {
            continue;
        }
        std::size_t j = 1;
        while (j + 1 < n && p[i + j] == valor[j]) {
            ++j;
        }
        if (j + 1 >= n) {
            return true;
        }
    }
    return false;
}

} // namespace tessarin
