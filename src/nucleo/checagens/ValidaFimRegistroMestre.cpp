#include "checagens/ValidaFimRegistroMestre.h"

#include "checagens/CamposMestre.h"
#include "dados/Texto1252.h"
#include "registros/Md5.h"
#include "registros/ValidadoresCampo.h"
#include "relato/ContextoValidacao.h"
#include "relato/RegistrarOcorrencia.h"
#include "relato/Regra1207.h"

#include <array>
#include <string>

namespace tessarin {

using namespace texto_campo;

namespace {

void Reporta(ContextoValidacao& ctx, int codigo, std::string_view conteudo)
{
    Registra(ctx, codigo, ctx.IndiceMestre, conteudo);
}

bool Comunicacao(const CamposMestre& m)
{
    return m.Modelo == "21" || m.Modelo == "22";
}
bool GasCanalizado(const CamposMestre& m)
{
    return m.Modelo == "01" || m.Modelo == "28";
}

// A 12-character terminal field: the twelfth position blank, the number in the first 11 positions when the
// eleventh is filled, else in the first 10.
template <typename Teste> bool TerminalDozeConfere(std::string_view campo, Teste teste)
{
    if (campo.size() < 12 || campo[11] != ' ') {
        return false;
    }
    return teste(campo.substr(0, campo[10] != ' ' ? 11 : 10));
}

void Terminal(ContextoValidacao& ctx, const CamposMestre& m)
{
    const std::string_view f = m.Terminal;
    if (!Comunicacao(m) || EmBranco(f)) {
        return;
    }
    switch (ctx.Geracao) {
    case GeracaoLayout::V01:
        if (!NumeroSemZeroInicial(f)) {
            Reporta(ctx, Regra1207(ctx) ? 141 : 140, f);
        }
        break;
    case GeracaoLayout::V02:
        if (!TerminalDozeConfere(f, NumeroSemZeroInicial)) {
            Reporta(ctx, 141, f);
        }
        break;
    case GeracaoLayout::V03:
        if (!TerminalDozeConfere(f, TerminalValido)) {
            Reporta(ctx, 141, f);
        }
        break;
    }
}

// Not only zeros and separators, and no leading blank.
bool NumeroInstalacaoBemFormado(std::string_view f)
{
    return !DespidoSoZeros(f) && f.front() != ' ';
}

void Instalacao(ContextoValidacao& ctx, const CamposMestre& m, bool de1701, bool sp)
{
    const std::string_view f = m.Terminal;
    const bool exigido = m.Modelo == "06" && (de1701 || sp);
    if (exigido) {
        if (EmBranco(f) || !NumeroInstalacaoBemFormado(f)) {
            Reporta(ctx, 143, f);
        }
    } else if (de1701 && GasCanalizado(m) && !EmBranco(f) && !NumeroInstalacaoBemFormado(f)) {
        Reporta(ctx, 143, f);
    }
}

void Brancos(ContextoValidacao& ctx, const CamposMestre& m, bool sp)
{
    if (m.Modelo != "06" || !sp || EmBranco(m.Brancos)) {
        return;
    }
    static constexpr std::array<std::string_view, 9> Aceitos = {"ES",    "NI",    "BC",    "SV-ES", "SV-NI",
                                                                "SV-BC", "ES-SV", "NI-SV", "BC-SV"};
    const std::string_view valor = AparaDireita(m.Brancos);
    for (const std::string_view aceito : Aceitos) {
        if (valor == aceito) {
            return;
        }
    }
    Reporta(ctx, 142, m.Brancos);
}

void TipoCliente(ContextoValidacao& ctx, const CamposMestre& m)
{
    constexpr std::string_view Tipos = "01%02%03%04%05%06%07%08%99";
    const std::string_view f = m.TipoCliente;
    int codigo = 0;
    std::string_view lista;
    if (m.Modelo == "06") {
        codigo = 166;
        lista = "13%21%22%23";
    } else if (Comunicacao(m)) {
        codigo = 167;
        lista = Tipos;
    } else if (GasCanalizado(m)) {
        codigo = 168;
        lista = Tipos;
    } else {
        return;
    }
    if (!ConstaNaLista(f, lista) || !SoAlgarismos(f)) {
        Reporta(ctx, codigo, f);
    }
}

void Subclasse(ContextoValidacao& ctx, const CamposMestre& m)
{
    const std::string_view f = m.Subclasse;
    if (m.Modelo == "06") {
        struct Classe
        {
            std::string_view Subclasses;
            int Codigo;
        };
        static constexpr std::array<Classe, 8> PorClasse = {{{"07%08%09%10%11%12%13%14%15", 169},
                                                             {"99", 170},
                                                             {"99", 171},
                                                             {"99", 172},
                                                             {"24%25%26", 173},
                                                             {"01%02%03%04%05%06", 174},
                                                             {"16%17%18%19%20%21%22%23", 175},
                                                             {"27%28", 176}}};
        const std::string_view classe = m.ClasseConsumo;
        if (classe.size() != 1 || classe[0] < '1' || classe[0] > '8') {
            return;
        }
        const Classe& c = PorClasse[static_cast<std::size_t>(classe[0] - '1')];
        if (!ConstaNaLista(f, c.Subclasses) || !SoAlgarismos(f)) {
            Reporta(ctx, c.Codigo, f);
        }
    } else if ((Comunicacao(m) || GasCanalizado(m)) && f != "00") {
        Reporta(ctx, 177, f);
    }
}

void TerminalPrincipal(ContextoValidacao& ctx, const CamposMestre& m)
{
    const std::string_view f = m.TerminalPrincipal;
    if (EmBranco(f)) {
        return;
    }
    if (!Comunicacao(m)) {
        Reporta(ctx, 179, f);
        return;
    }
    if (!TerminalDozeConfere(f, TerminalValido)) {
        Reporta(ctx, 178, f);
    }
    if (EmBranco(m.Terminal)) {
        Reporta(ctx, 195, m.Terminal);
    }
}

void Fatura(ContextoValidacao& ctx, const CamposMestre& m)
{
    const std::string_view f = m.Fatura;
    if (EmBranco(f)) {
        return;
    }
    if (f.front() == ' ') {
        Reporta(ctx, 181, f);
        return;
    }
    // The trimmed invoice without separators, built on the stack: this runs on most records.
    std::array<char, 32> buffer{};
    std::size_t n = 0;
    for (const char c : Apara(f)) {
        if (c != '/' && c != '.' && c != '-' && n < buffer.size()) {
            buffer[n++] = c;
        }
    }
    const std::string_view t(buffer.data(), n);
    if (!SoAlgarismos(t)) {
        return;
    }
    std::int64_t fatura = 0, numero = 0;
    if (t == m.Numero || (!NaoNumerico(t, fatura) && !NaoNumerico(m.Numero, numero) && fatura == numero)) {
        Reporta(ctx, 181, f);
    }
}

void DatasLeitura(ContextoValidacao& ctx, const CamposMestre& m)
{
    const std::string_view anterior = m.DataLeituraAnterior, atual = m.DataLeituraAtual, emissao = m.DataEmissao;
    if (m.Modelo != "06") {
        if (anterior != "00000000") {
            Reporta(ctx, 193, anterior);
        }
        if (atual != "00000000") {
            Reporta(ctx, 194, atual);
        }
        return;
    }
    if (!DataValida(anterior, "1995", "2099") || anterior > emissao) {
        Reporta(ctx, 183, anterior);
    }
    if (!DataValida(atual, "1995", "2099") || atual > emissao || atual < anterior) {
        Reporta(ctx, 184, atual);
    }
}

void InformacoesAdicionais(ContextoValidacao& ctx, const CamposMestre& m)
{
    const std::string_view f = m.InformacoesAdicionais;
    const char situacao = m.Situacao.size() == 1 ? Maiuscula(m.Situacao.front()) : '\0';
    if (!ConstaNaLista(std::string_view(&situacao, situacao == '\0' ? 0 : 1), "C%R") && EmBranco(f)) {
        return;
    }
    if (f.empty() || f.front() == ' ') {
        Reporta(ctx, 187, f);
        return;
    }
    // This document's key, reference_model_series_number, on the stack: substitutes are common documents.
    std::array<char, 21> buffer{};
    std::size_t n = 0;
    for (const std::string_view parte : {m.ReferenciaApuracao, std::string_view("_"), m.Modelo, std::string_view("_"),
                                         m.Serie, std::string_view("_"), m.Numero}) {
        for (const char c : parte) {
            if (n < buffer.size()) {
                buffer[n++] = c;
            }
        }
    }
    const std::string_view chave(buffer.data(), n);
    const std::string resposta = ReferenciaSubstituido(f, m.DataEmissao, chave, "1995", ctx.Volume.UFVolume);
    if (resposta != "OK") {
        std::string conteudo(f);
        conteudo.append(": ").append(resposta);
        Reporta(ctx, 187, conteudo);
    }
}

void CamposDeServico(ContextoValidacao& ctx, const CamposMestre& m)
{
    if (!ConstaNaLista(m.TipoInformacao, "1%2%3%4") || !SoAlgarismos(m.TipoInformacao)) {
        Reporta(ctx, 165, m.TipoInformacao);
    }
    TipoCliente(ctx, m);
    Subclasse(ctx, m);
    TerminalPrincipal(ctx, m);
    const ComponentesVolume& v = ctx.Volume;
    if (m.CnpjEmitente != v.CnpjNome || m.CnpjEmitente != v.CnpjContribuinte) {
        Reporta(ctx, 180, m.CnpjEmitente);
    }
    Fatura(ctx, m);
    if (!InteiroComSinal(m.ValorFatura)) {
        Reporta(ctx, 182, m.ValorFatura);
    }
    DatasLeitura(ctx, m);
    if (!EmBranco(m.ReservadoBrancos)) {
        Reporta(ctx, 185, m.ReservadoBrancos);
    }
    if (m.ReservadoZeros != "00000000") {
        Reporta(ctx, 186, m.ReservadoZeros);
    }
    InformacoesAdicionais(ctx, m);
}

void FimDoRegistro(ContextoValidacao& ctx, std::string_view registro)
{
    if (!CodigoConfere(ctx.Vereditos.Mestre, [&] { return CodigoRegistroConfere(registro); })) {
        const std::string_view codigo =
            registro.size() >= 34 ? registro.substr(registro.size() - 34, 32) : std::string_view{};
        Reporta(ctx, 136, codigo);
        ++ctx.DivergenciasRegistroMestre;
    }
    const std::size_t l = registro.size();
    if (l < 2 || registro[l - 2] != '\r' || registro[l - 1] != '\n') {
        std::string conteudo;
        for (std::size_t i = l < 2 ? 0 : l - 2; i < l; ++i) {
            conteudo.append("#").append(std::to_string(static_cast<unsigned char>(registro[i])));
        }
        Reporta(ctx, 139, conteudo);
    }
    const std::string_view corpo = registro.substr(0, l < 2 ? 0 : l - 2);
    for (const char quebra : {'\r', '\n'}) {
        const std::size_t pos = corpo.find(quebra);
        if (pos != std::string_view::npos) {
            static const std::string posicao = ParaWin1252("Posição no registro: ");
            const std::string conteudo =
                posicao + std::to_string(pos + 1) + ", Caracter #" + (quebra == '\r' ? "13" : "10");
            Reporta(ctx, 420, conteudo);
        }
    }
}

} // namespace

void ValidaFimRegistroMestre(ContextoValidacao& ctx, std::string_view registro)
{
    // The record as long as the generation's records are; a longer view would move the code's place.
    if (registro.size() > static_cast<std::size_t>(ctx.TamanhoMestre)) {
        registro = registro.substr(0, static_cast<std::size_t>(ctx.TamanhoMestre));
    }
    ValidaFimRegistroMestre(ctx, registro, CortaCamposMestre(registro, ctx.Geracao));
}

void ValidaFimRegistroMestre(ContextoValidacao& ctx, std::string_view registro, const CamposMestre& m)
{
    const std::string_view referencia = ctx.Volume.Referencia;
    const bool de1701 = referencia >= "1701";
    const bool sp = ctx.Volume.UFVolume == "SP";

    Terminal(ctx, m);
    Instalacao(ctx, m, de1701, sp);
    Brancos(ctx, m, sp);
    if (de1701 && ctx.Geracao == GeracaoLayout::V03) {
        CamposDeServico(ctx, m);
    }
    FimDoRegistro(ctx, registro);
}

} // namespace tessarin
