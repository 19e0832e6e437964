#include "dados/TabelaMunicipios.h"

#include "dados/ListaMunicipiosIbge.h"
#include "dados/TabelaUF.h"
#include "dados/Texto1252.h"

#include <algorithm>

namespace tessarin {

namespace {

struct MunicipioFonte
{
    std::string_view codigo;
    std::uint32_t inicio;
    std::uint32_t fim;
    std::string_view nomeUtf8;
};

// Rows the IBGE list cannot express. A code listed here replaces that code's line of the list entirely:
// municipalities installed after the default start keep no row before it, renamed ones get one row per
// name with consecutive periods, so a document is judged by the name in force on its date of issue.
constexpr MunicipioFonte PeriodosProprios[] = {
    {"1504752", 20130101, 99991231, "Mojuí dos Campos"},
    {"2410306", 20090101, 20130113, "Presidente Juscelino"},
    {"2410306", 20130114, 99991231, "Serra Caiada"},
    {"3515004", 20090101, 20110906, "Embu"},
    {"3515004", 20110907, 99991231, "Embu das Artes"},
    {"3530805", 20090101, 20101014, "Moji Mirim"},
    {"3530805", 20101015, 99991231, "Mogi Mirim"},
    {"4212650", 20130101, 99991231, "Pescaria Brava"},
    {"4220000", 20130101, 99991231, "Balneário Rincão"},
    {"4314548", 20130101, 99991231, "Pinto Bandeira"},
    {"5006275", 20091203, 99991231, "Paraíso das Águas"},
    // Not a municipality: the code a Destinatário record carries for a customer abroad (state 99, EX).
    {"9999999", TabelaMunicipios::InicioPadrao, TabelaMunicipios::FimPadrao, "Exterior"},
};

// Digits only, exactly the given width; anything else is no code and no date.
bool Numero(std::string_view texto, std::size_t largura, std::uint32_t& numero)
{
    if (texto.size() != largura) {
        return false;
    }
    numero = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') {
            return false;
        }
        numero = numero * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return true;
}

bool TemPeriodoProprio(std::string_view codigo)
{
    return std::any_of(std::begin(PeriodosProprios), std::end(PeriodosProprios),
                       [&](const MunicipioFonte& f) { return f.codigo == codigo; });
}

} // namespace

const TabelaMunicipios& TabelaMunicipios::Instancia()
{
    static const TabelaMunicipios tabela(TabelaUF::Instancia());
    return tabela;
}

TabelaMunicipios::TabelaMunicipios(const TabelaUF& ufs)
{
    std::vector<MunicipioFonte> fontes;
    const std::span<const MunicipioIbge> lista = ListaMunicipiosIbge();
    fontes.reserve(lista.size() + std::size(PeriodosProprios));
    for (const MunicipioIbge& m : lista) {
        if (!TemPeriodoProprio(m.codigo)) {
            fontes.push_back({m.codigo, InicioPadrao, FimPadrao, m.nomeUtf8});
        }
    }
    fontes.insert(fontes.end(), std::begin(PeriodosProprios), std::end(PeriodosProprios));
    std::stable_sort(fontes.begin(), fontes.end(), [](const MunicipioFonte& a, const MunicipioFonte& b) {
        return a.codigo != b.codigo ? a.codigo < b.codigo : a.inicio < b.inicio;
    });

    // All names into one buffer first; the views are taken only once it has stopped growing.
    std::vector<std::size_t> inicioNome;
    inicioNome.reserve(fontes.size() + 1);
    for (const MunicipioFonte& f : fontes) {
        inicioNome.push_back(nomes_.size());
        nomes_ += ParaWin1252(f.nomeUtf8);
    }
    inicioNome.push_back(nomes_.size());

    const std::string_view todos = nomes_;
    linhas_.reserve(fontes.size());
    codigos_.reserve(fontes.size());
    for (std::size_t i = 0; i < fontes.size(); ++i) {
        const MunicipioFonte& f = fontes[i];
        const std::string_view codigoUF = f.codigo.substr(0, 2);
        const LinhaUF* uf = ufs.ProcuraCodigo(codigoUF);
        std::uint32_t numero = 0;
        Numero(f.codigo, 7, numero);
        linhas_.push_back({f.codigo, codigoUF, uf ? uf->sigla : std::string_view{}, f.inicio, f.fim,
                           todos.substr(inicioNome[i], inicioNome[i + 1] - inicioNome[i])});
        codigos_.push_back(numero);
    }
}

std::span<const LinhaMunicipio> TabelaMunicipios::LinhasDoCodigo(std::string_view codigo) const
{
    std::uint32_t numero = 0;
    if (!Numero(codigo, 7, numero)) {
        return {};
    }
    const auto [primeiro, fim] = std::equal_range(codigos_.begin(), codigos_.end(), numero);
    return std::span<const LinhaMunicipio>(linhas_).subspan(static_cast<std::size_t>(primeiro - codigos_.begin()),
                                                            static_cast<std::size_t>(fim - primeiro));
}

const LinhaMunicipio* TabelaMunicipios::ValidaEm(std::string_view codigo, std::string_view data) const
{
    std::uint32_t dia = 0;
    if (!Numero(data, 8, dia)) {
        return nullptr;
    }
    for (const LinhaMunicipio& linha : LinhasDoCodigo(codigo)) {
        if (linha.inicio <= dia && dia <= linha.fim) {
            return &linha;
        }
    }
    return nullptr;
}

} // namespace tessarin
