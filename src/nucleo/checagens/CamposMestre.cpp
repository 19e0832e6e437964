#include "checagens/CamposMestre.h"

#include "registros/LayoutRegistro.h"

#include <array>

namespace tessarin {

namespace {

// Offsets of every field number of one generation (index = field number), read from the layout table.
struct PosicoesMestre
{
    std::array<CampoLayout, 38> PorNumero{};
    int NumeroBrancos = 0;
};

PosicoesMestre Resolve(GeracaoLayout geracao)
{
    PosicoesMestre p;
    for (const CampoLayout& c : LayoutMestre(geracao).Campos) {
        p.PorNumero[static_cast<std::size_t>(c.Numero)] = c;
    }
    p.NumeroBrancos = geracao == GeracaoLayout::V03 ? 35 : 23;
    return p;
}

const PosicoesMestre& Posicoes(GeracaoLayout geracao)
{
    static const std::array<PosicoesMestre, 3> todas = {Resolve(GeracaoLayout::V01), Resolve(GeracaoLayout::V02),
                                                        Resolve(GeracaoLayout::V03)};
    return todas[static_cast<std::size_t>(geracao)];
}

} // namespace

CamposMestre CortaCamposMestre(std::string_view registro, GeracaoLayout geracao)
{
    const PosicoesMestre& p = Posicoes(geracao);
    auto campo = [&](int numero) {
        const CampoLayout& c = p.PorNumero[static_cast<std::size_t>(numero)];
        return c.Tamanho == 0 ? std::string_view{} : c.De(registro);
    };
    CamposMestre m;
    m.CnpjCpf = campo(1);
    m.InscricaoEstadual = campo(2);
    m.RazaoSocial = campo(3);
    m.Uf = campo(4);
    m.ClasseConsumo = campo(5);
    m.TipoUtilizacao = campo(6);
    m.GrupoTensao = campo(7);
    m.CodigoConsumidor = campo(8);
    m.DataEmissao = campo(9);
    m.Modelo = campo(10);
    m.Serie = campo(11);
    m.Numero = campo(12);
    m.AutenticacaoDocumento = campo(13);
    m.ValorTotal = campo(14);
    m.BaseIcms = campo(15);
    m.ValorIcms = campo(16);
    m.Isentas = campo(17);
    m.Outros = campo(18);
    m.Situacao = campo(19);
    m.ReferenciaApuracao = campo(20);
    m.ReferenciaItem = campo(21);
    m.Terminal = campo(22);
    m.Brancos = campo(p.NumeroBrancos);
    if (geracao == GeracaoLayout::V03) {
        m.TipoInformacao = campo(23);
        m.TipoCliente = campo(24);
        m.Subclasse = campo(25);
        m.TerminalPrincipal = campo(26);
        m.CnpjEmitente = campo(27);
        m.Fatura = campo(28);
        m.ValorFatura = campo(29);
        m.DataLeituraAnterior = campo(30);
        m.DataLeituraAtual = campo(31);
        m.ReservadoBrancos = campo(32);
        m.ReservadoZeros = campo(33);
        m.InformacoesAdicionais = campo(34);
    }
    return m;
}

namespace texto_campo {

namespace {

bool Separador(char c)
{
    return c == '/' || c == '.' || c == '-' || c == ' ';
}

} // namespace

std::string_view Apara(std::string_view campo)
{
    const auto inicio = campo.find_first_not_of(' ');
    if (inicio == std::string_view::npos) {
        return {};
    }
    return campo.substr(inicio, campo.find_last_not_of(' ') - inicio + 1);
}

std::string_view AparaDireita(std::string_view campo)
{
    const auto fim = campo.find_last_not_of(' ');
    return fim == std::string_view::npos ? std::string_view{} : campo.substr(0, fim + 1);
}

bool EmBranco(std::string_view campo)
{
    return campo.find_first_not_of(' ') == std::string_view::npos;
}

bool DespidoSoZeros(std::string_view campo)
{
    for (const char c : campo) {
        if (!Separador(c) && c != '0') {
            return false;
        }
    }
    return true;
}

bool DespidoSoAlgarismos(std::string_view campo)
{
    bool algum = false;
    for (const char c : campo) {
        if (Separador(c)) {
            continue;
        }
        if (c < '0' || c > '9') {
            return false;
        }
        algum = true;
    }
    return algum;
}

char Maiuscula(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IgualMaiusculas(std::string_view campo, std::string_view maiusculas)
{
    if (campo.size() != maiusculas.size()) {
        return false;
    }
    for (std::size_t i = 0; i < campo.size(); ++i) {
        if (Maiuscula(campo[i]) != maiusculas[i]) {
            return false;
        }
    }
    return true;
}

bool ContemMaiusculas(std::string_view campo, std::string_view maiusculas)
{
    if (maiusculas.size() > campo.size()) {
        return false;
    }
    for (std::size_t i = 0; i + maiusculas.size() <= campo.size(); ++i) {
        if (IgualMaiusculas(campo.substr(i, maiusculas.size()), maiusculas)) {
            return true;
        }
    }
    return false;
}

} // namespace texto_campo

} // namespace tessarin
