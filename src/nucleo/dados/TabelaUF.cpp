#include "dados/TabelaUF.h"

#include "dados/Texto1252.h"

namespace tessarin {

namespace {

struct UFFonte
{
    std::string_view codigo;
    std::string_view sigla;
    std::string_view nomeUtf8;
};

constexpr UFFonte Estados[] = {
    {"11", "RO", "Rondônia"},
    {"12", "AC", "Acre"},
    {"13", "AM", "Amazonas"},
    {"14", "RR", "Roraima"},
    {"15", "PA", "Pará"},
    {"16", "AP", "Amapá"},
    {"17", "TO", "Tocantins"},
    {"21", "MA", "Maranhão"},
    {"22", "PI", "Piauí"},
    {"23", "CE", "Ceará"},
    {"24", "RN", "Rio Grande do Norte"},
    {"25", "PB", "Paraíba"},
    {"26", "PE", "Pernambuco"},
    {"27", "AL", "Alagoas"},
    {"28", "SE", "Sergipe"},
    {"29", "BA", "Bahia"},
    {"31", "MG", "Minas Gerais"},
    {"32", "ES", "Espírito Santo"},
    {"33", "RJ", "Rio de Janeiro"},
    {"35", "SP", "São Paulo"},
    {"41", "PR", "Paraná"},
    {"42", "SC", "Santa Catarina"},
    {"43", "RS", "Rio Grande do Sul"},
    {"50", "MS", "Mato Grosso do Sul"},
    {"51", "MT", "Mato Grosso"},
    {"52", "GO", "Goiás"},
    {"53", "DF", "Distrito Federal"},
    {"99", "EX", "Exterior"},
};

bool Algarismo(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

const TabelaUF& TabelaUF::Instancia()
{
    static const TabelaUF tabela;
    return tabela;
}

TabelaUF::TabelaUF()
{
    indice_.fill(-1);
    // Names first, rows after: the views into nomes_ must not move with a later reallocation.
    nomes_.reserve(std::size(Estados));
    for (const UFFonte& estado : Estados) {
        nomes_.push_back(ParaWin1252(estado.nomeUtf8));
    }
    linhas_.reserve(std::size(Estados));
    for (std::size_t i = 0; i < std::size(Estados); ++i) {
        const UFFonte& estado = Estados[i];
        linhas_.push_back({estado.codigo, estado.sigla, nomes_[i]});
        indice_[(estado.codigo[0] - '0') * 10 + (estado.codigo[1] - '0')] = static_cast<std::int8_t>(i);
    }
}

const LinhaUF* TabelaUF::ProcuraCodigo(std::string_view codigo) const
{
    if (codigo.size() != 2 || !Algarismo(codigo[0]) || !Algarismo(codigo[1])) {
        return nullptr;
    }
    const int linha = indice_[(codigo[0] - '0') * 10 + (codigo[1] - '0')];
    return linha < 0 ? nullptr : &linhas_[static_cast<std::size_t>(linha)];
}

} // namespace tessarin
