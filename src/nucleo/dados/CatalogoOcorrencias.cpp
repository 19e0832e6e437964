#include "dados/CatalogoOcorrencias.h"

#include "dados/Texto1252.h"

#include <algorithm>
#include <iterator>

namespace tessarin {

namespace {

struct DefinicaoOcorrencia
{
    int Codigo;
    char Tipo;
    char Arquivo;
    std::string_view Campo;
    int Primeira;
    int Ultima;
    std::string_view Descricao;
};

constexpr DefinicaoOcorrencia Definicoes[] = {
#define OCORRENCIA(codigo, tipo, arquivo, campo, primeira, ultima, descricao)                                          \
    {codigo, tipo, arquivo, campo, primeira, ultima, descricao},
#include "dados/CatalogoOcorrencias.def"
};

struct LocalNaGeracao
{
    std::string_view Campo;
    int Primeira;
    int Ultima;
};

struct DefinicaoPorGeracao
{
    int Codigo;
    LocalNaGeracao Locais[3]; // indexed by GeracaoLayout
};

constexpr DefinicaoPorGeracao DefinicoesPorGeracao[] = {
#define POR_GERACAO(codigo, campo1, primeira1, ultima1, campo2, primeira2, ultima2, campo3, primeira3, ultima3)        \
    {codigo, {{campo1, primeira1, ultima1}, {campo2, primeira2, ultima2}, {campo3, primeira3, ultima3}}},
#include "dados/CatalogoOcorrencias.def"
};

struct DescricaoNaV03
{
    int Codigo;
    std::string_view Descricao;
};

constexpr DescricaoNaV03 DescricoesNaV03[] = {
#define DESCRICAO_V03(codigo, descricao) {codigo, descricao},
#include "dados/CatalogoOcorrencias.def"
};

// A slip in the table would show only as a wrong text in some run; these checks make it a build error.
static_assert(std::size(Definicoes) == CatalogoOcorrencias::QuantidadeLinhas);
static_assert(std::size(DefinicoesPorGeracao) == CatalogoOcorrencias::QuantidadeLinhasPorGeracao);

constexpr bool LocalBemFormado(std::string_view campo, int primeira, int ultima)
{
    if (campo.empty()) {
        return primeira == 0 && ultima == 0;
    }
    return campo.size() == 2 && campo[0] >= '0' && campo[0] <= '9' && campo[1] >= '0' && campo[1] <= '9' &&
           primeira >= 1 && primeira <= ultima && ultima <= 999;
}

constexpr bool DefinicoesBemFormadas()
{
    int anterior = 99; // codes are three digits
    for (const auto& d : Definicoes) {
        // Ascending codes also means unique codes.
        if (d.Codigo <= anterior || d.Codigo > 999 || (d.Tipo != 'E' && d.Tipo != 'A') ||
            (d.Arquivo != 'M' && d.Arquivo != 'I' && d.Arquivo != 'D' && d.Arquivo != ' ') ||
            !LocalBemFormado(d.Campo, d.Primeira, d.Ultima) || d.Descricao.empty()) {
            return false;
        }
        anterior = d.Codigo;
    }
    return true;
}
static_assert(DefinicoesBemFormadas());

constexpr bool ExisteNoCatalogo(int codigo)
{
    return std::any_of(std::begin(Definicoes), std::end(Definicoes),
                       [codigo](const DefinicaoOcorrencia& d) { return d.Codigo == codigo; });
}

constexpr bool PorGeracaoBemFormadas()
{
    for (const auto& g : DefinicoesPorGeracao) {
        if (!ExisteNoCatalogo(g.Codigo)) {
            return false;
        }
        for (const auto& local : g.Locais) {
            if (local.Campo.empty() || !LocalBemFormado(local.Campo, local.Primeira, local.Ultima)) {
                return false;
            }
        }
    }
    for (const auto& d : DescricoesNaV03) {
        if (!ExisteNoCatalogo(d.Codigo)) {
            return false;
        }
    }
    return true;
}
static_assert(PorGeracaoBemFormadas());

// The nine characters of columns 12-20: "  1 a  14", or blanks when the row has no positions.
void EscrevePosicoes(char* destino, int primeira, int ultima)
{
    std::fill(destino, destino + 9, ' ');
    if (primeira == 0) {
        return;
    }
    auto escreve3 = [](char* d, int n) {
        for (int i = 2; i >= 0; --i) {
            d[i] = static_cast<char>('0' + n % 10);
            n /= 10;
            if (n == 0) {
                break;
            }
        }
    };
    escreve3(destino, primeira);
    destino[4] = 'a';
    escreve3(destino + 6, ultima);
}

// Columns 9-20 (field, blank, positions) written over the row's text.
void EscreveLocal(std::string& texto, std::string_view campo, int primeira, int ultima)
{
    texto[8] = campo.empty() ? ' ' : campo[0];
    texto[9] = campo.empty() ? ' ' : campo[1];
    texto[10] = ' ';
    EscrevePosicoes(texto.data() + 11, primeira, ultima);
}

std::string MontaTexto(const DefinicaoOcorrencia& d)
{
    std::string texto(21, ' ');
    texto[0] = static_cast<char>('0' + d.Codigo / 100);
    texto[1] = static_cast<char>('0' + d.Codigo / 10 % 10);
    texto[2] = static_cast<char>('0' + d.Codigo % 10);
    texto[4] = d.Tipo;
    texto[6] = d.Arquivo;
    EscreveLocal(texto, d.Campo, d.Primeira, d.Ultima);
    texto += ParaWin1252(d.Descricao);
    return texto;
}

// The Windows-1252 descriptions of "v_03", converted once like the rest of the table.
const std::vector<std::string>& DescricoesNaV03Convertidas()
{
    static const std::vector<std::string> convertidas = [] {
        std::vector<std::string> v;
        for (const auto& d : DescricoesNaV03) {
            v.push_back(ParaWin1252(d.Descricao));
        }
        return v;
    }();
    return convertidas;
}

} // namespace

std::string_view CatalogoOcorrencias::Linha::Descricao() const
{
    std::string_view d = std::string_view(texto_).substr(21);
    const auto inicio = d.find_first_not_of(' ');
    if (inicio == std::string_view::npos) {
        return {};
    }
    return d.substr(inicio, d.find_last_not_of(' ') - inicio + 1);
}

CatalogoOcorrencias::CatalogoOcorrencias(Construcao)
{
    indicePorCodigo_.fill(-1);
    linhas_.reserve(std::size(Definicoes));
    for (const auto& d : Definicoes) {
        indicePorCodigo_[static_cast<std::size_t>(d.Codigo)] = static_cast<std::int16_t>(linhas_.size());
        linhas_.emplace_back(MontaTexto(d));
    }
}

CatalogoOcorrencias::CatalogoOcorrencias() : CatalogoOcorrencias(Armazenado()) {}

const CatalogoOcorrencias& CatalogoOcorrencias::Armazenado()
{
    static const CatalogoOcorrencias armazenado{Construcao{}};
    return armazenado;
}

void CatalogoOcorrencias::ReescreveParaGeracao(GeracaoLayout geracao)
{
    const auto g = static_cast<std::size_t>(geracao);
    for (const auto& def : DefinicoesPorGeracao) {
        const LocalNaGeracao& local = def.Locais[g];
        EscreveLocal(linhas_[static_cast<std::size_t>(Indice(def.Codigo))].texto_, local.Campo, local.Primeira,
                     local.Ultima);
    }
    // Outside "v_03" the stored description is the one every other generation uses.
    const auto& convertidas = DescricoesNaV03Convertidas();
    for (std::size_t i = 0; i < std::size(DescricoesNaV03); ++i) {
        const auto indice = static_cast<std::size_t>(Indice(DescricoesNaV03[i].Codigo));
        const std::string_view descricao = geracao == GeracaoLayout::V03
                                               ? std::string_view(convertidas[i])
                                               : std::string_view(Armazenado().linhas_[indice].texto_).substr(21);
        std::string& texto = linhas_[indice].texto_;
        texto.replace(21, std::string::npos, descricao);
    }
}

int CatalogoOcorrencias::Indice(std::string_view codigo) const noexcept
{
    if (codigo.size() != 3) {
        return -1;
    }
    int numero = 0;
    for (char c : codigo) {
        if (c < '0' || c > '9') {
            return -1;
        }
        numero = numero * 10 + (c - '0');
    }
    return indicePorCodigo_[static_cast<std::size_t>(numero)];
}

const CatalogoOcorrencias::Linha* CatalogoOcorrencias::Procura(std::string_view codigo) const noexcept
{
    const int indice = Indice(codigo);
    return indice < 0 ? nullptr : &linhas_[static_cast<std::size_t>(indice)];
}

} // namespace tessarin
