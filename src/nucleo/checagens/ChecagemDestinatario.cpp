#include "checagens/ChecagemDestinatario.h"

#include "dados/TabelaMunicipios.h"
#include "dados/TabelaUF.h"
#include "dados/Texto1252.h"
#include "registros/LayoutRegistro.h"
#include "registros/Md5.h"
#include "registros/ValidadoresCampo.h"
#include "relato/ContextoValidacao.h"
#include "relato/RegistrarOcorrencia.h"
#include "relato/Regra1207.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tessarin {

namespace {

// Abbreviations accepted for the state where the terminal is enabled; two blanks mean "not informed".
constexpr std::string_view ListaUfHabilitacao =
    "  %AC%AL%AM%AP%BA%CE%DF%ES%GO%MA%MG%MS%MT%PA%PB%PE%PI%PR%RJ%RN%RO%RR%RS%SC%SE%SP%TO%EX";

// The fields this check reads, resolved once per generation from the layout tables so that a record is
// cut by fixed positions, never by searching the tables per record. Fields a generation lacks give
// empty slices.
struct CamposDestinatario
{
    CampoLayout Cnpj, Ie, RazaoSocial, Logradouro, Numero, Complemento, Cep, Bairro, Municipio, Uf;
    CampoLayout Telefone, Codigo, Terminal, UfHabilitacao;
    CampoLayout DataEmissao, Modelo, Serie, Documento, CodigoMunicipio;
    // The document's own values, in the Mestre record.
    CampoLayout MestreCnpj, MestreIe, MestreRazaoSocial, MestreUf, MestreCodigo, MestreDataEmissao, MestreModelo,
        MestreSerie, MestreNumero, MestreTerminal;
    std::size_t Tamanho;
};

CampoLayout CampoOuVazio(const LayoutRegistro& layout, int numero)
{
    const CampoLayout* campo = layout.Campo(numero);
    return campo != nullptr ? *campo : CampoLayout{numero, 0, 0, {}};
}

CamposDestinatario Resolve(GeracaoLayout g)
{
    const LayoutRegistro d = LayoutDestinatario(g);
    const LayoutRegistro m = LayoutMestre(g);
    const bool v03 = g == GeracaoLayout::V03;
    auto dc = [&](int n) { return CampoOuVazio(d, n); };
    auto mc = [&](int n) { return CampoOuVazio(m, n); };
    const CampoLayout nenhum{0, 0, 0, {}};
    return CamposDestinatario{dc(1), dc(2), dc(3), dc(4), dc(5), dc(6), dc(7), dc(8), dc(9), dc(10), dc(11), dc(12),
                              dc(13), dc(14),
                              // Fields 15 to 19 carry the document's identification only from the third generation on;
                              // before it field 15 is reserved.
                              v03 ? dc(15) : nenhum, v03 ? dc(16) : nenhum, v03 ? dc(17) : nenhum,
                              v03 ? dc(18) : nenhum, v03 ? dc(19) : nenhum, mc(1), mc(2), mc(3), mc(4), mc(8), mc(9),
                              mc(10), mc(11), mc(12), mc(22), static_cast<std::size_t>(d.Tamanho)};
}

const CamposDestinatario& CamposDaGeracao(GeracaoLayout g)
{
    static const std::array<CamposDestinatario, 3> campos = {Resolve(GeracaoLayout::V01), Resolve(GeracaoLayout::V02),
                                                             Resolve(GeracaoLayout::V03)};
    return campos[static_cast<std::size_t>(g)];
}

std::string_view Apara(std::string_view texto)
{
    const auto ini = texto.find_first_not_of(' ');
    if (ini == std::string_view::npos) {
        return {};
    }
    return texto.substr(ini, texto.find_last_not_of(' ') - ini + 1);
}

bool EmBranco(std::string_view campo)
{
    return campo.find_first_not_of(' ') == std::string_view::npos;
}

// First character a blank; an empty slice counts as one, since it holds nothing either.
bool ComecaComBranco(std::string_view campo)
{
    return campo.empty() || campo.front() == ' ';
}

// The character at a 1-based position of a field, or NUL when the field is shorter.
char Caractere(std::string_view campo, std::size_t posicao)
{
    return posicao >= 1 && posicao <= campo.size() ? campo[posicao - 1] : '\0';
}

std::string_view Trecho(std::string_view campo, std::size_t posicao, std::size_t tamanho)
{
    return posicao >= 1 && posicao <= campo.size() ? campo.substr(posicao - 1, tamanho) : std::string_view{};
}

// What is left of a street once separators and blanks are taken out, judged without building it:
// digits only (and at least one), or zeros only (nothing left counts as zeros).
struct LogradouroDespido
{
    bool SoZeros = true;
    bool SoAlgarismos = false;
};

LogradouroDespido Despe(std::string_view campo)
{
    LogradouroDespido d;
    bool algarismos = true;
    bool algum = false;
    for (const char c : campo) {
        if (c == '/' || c == '.' || c == '-' || c == ' ') {
            continue;
        }
        algum = true;
        d.SoZeros = d.SoZeros && c == '0';
        algarismos = algarismos && c >= '0' && c <= '9';
    }
    d.SoAlgarismos = algum && algarismos;
    return d;
}

// One record under examination, with what every step needs.
class Exame
{
public:
    Exame(ContextoValidacao& ctx, std::string_view registro)
        : ctx_(ctx), c_(CamposDaGeracao(ctx.Geracao)), r_(registro.substr(0, std::min(registro.size(), c_.Tamanho))),
          m_(ctx.RegistroMestre),
          // The third generation is the one of references from 1701 on; deciding by it keeps every field
          // read here inside the layout the record was written in.
          desde1701_(ctx.Geracao == GeracaoLayout::V03), sp_(ctx.Volume.UFVolume == "SP")
    {
    }

    void Executa()
    {
        DadosDoDocumento();
        Logradouro();
        Numero();
        Complemento();
        Cep();
        Bairro();
        Municipio();
        Uf();
        CodigoConsumidor();
        UfHabilitacao();
        Telefone();
        Terminal();
        IdentificacaoDoDocumento();
        Autenticacao();
        FimDoRegistro();
        CaracteresDeControle();
    }

private:
    std::string_view D(const CampoLayout& campo) const { return campo.De(r_); }
    std::string_view M(const CampoLayout& campo) const { return campo.De(m_); }

    void Reporta(int codigo, std::string_view conteudo) { Registra(ctx_, codigo, ctx_.IndiceMestre, conteudo); }
    // Volumes before 1701 report several faults as errors only once the 2012 rule holds; the clock is
    // asked only when such a fault is found.
    int PelaRegra(int seVale, int senao) const { return Regra1207(ctx_) ? seVale : senao; }

    void DadosDoDocumento()
    {
        if (D(c_.Cnpj) != M(c_.MestreCnpj)) {
            Reporta(301, D(c_.Cnpj));
        }
        if (D(c_.Ie) != M(c_.MestreIe)) {
            Reporta(302, D(c_.Ie));
        }
        if (D(c_.RazaoSocial) != M(c_.MestreRazaoSocial)) {
            Reporta(303, D(c_.RazaoSocial));
        }
    }

    void Logradouro()
    {
        const std::string_view campo = D(c_.Logradouro);
        const bool curto = Apara(campo).size() < 3;
        const LogradouroDespido d = Despe(campo);
        const bool modelo06 = M(c_.MestreModelo) == "06";
        if (!desde1701_) {
            if (curto) {
                Reporta(304, campo);
            } else if (sp_) {
                if (d.SoZeros) {
                    Reporta(331, campo);
                } else if (ComecaComBranco(campo) || (modelo06 && d.SoAlgarismos)) {
                    Reporta(PelaRegra(331, 330), campo);
                }
            }
            return;
        }
        if (curto || ComecaComBranco(campo)) {
            Reporta(304, campo);
        } else if (d.SoZeros || (sp_ && modelo06 && d.SoAlgarismos)) {
            Reporta(331, campo);
        }
    }

    void Numero()
    {
        const std::string_view campo = D(c_.Numero);
        if (sp_) {
            if (!SoAlgarismos(campo)) {
                Reporta(PelaRegra(322, 305), campo);
            } else if (SoZeros(campo)) {
                Reporta(306, campo);
            }
            return;
        }
        std::int64_t valor = 0;
        if (NaoNumerico(campo, valor)) {
            Reporta(305, campo);
        } else if (valor == 0) {
            Reporta(306, campo);
        }
    }

    void Complemento()
    {
        const std::string_view campo = D(c_.Complemento);
        if (desde1701_ && !EmBranco(campo) && ComecaComBranco(campo)) {
            Reporta(341, campo);
        }
    }

    void Cep()
    {
        const std::string_view campo = D(c_.Cep);
        if (desde1701_ || sp_) {
            if (!SoAlgarismos(campo)) {
                Reporta(desde1701_ ? 323 : PelaRegra(323, 307), campo);
            } else if (SoZeros(campo)) {
                Reporta(308, campo);
            }
            return;
        }
        std::int64_t valor = 0;
        if (NaoNumerico(campo, valor)) {
            Reporta(307, campo);
        } else if (valor == 0) {
            Reporta(308, campo);
        }
    }

    void Bairro()
    {
        const std::string_view campo = D(c_.Bairro);
        if (EmBranco(campo)) {
            Reporta(309, campo);
        } else if (ComecaComBranco(campo) && (desde1701_ || sp_)) {
            Reporta(desde1701_ ? 324 : PelaRegra(324, 309), campo);
        }
    }

    void Municipio()
    {
        const std::string_view campo = D(c_.Municipio);
        if (!desde1701_) {
            if (sp_ && ComecaComBranco(campo)) {
                Reporta(PelaRegra(325, 310), campo);
            } else if (!sp_ && EmBranco(campo)) {
                Reporta(310, campo);
            }
            return;
        }
        if (ComecaComBranco(campo)) {
            Reporta(325, campo);
            return;
        }
        CodigoMunicipio(campo);
    }

    // The IBGE code must exist, belong to the document's state and, on the date of issue, carry the name
    // the record gives. Stops at the first finding.
    void CodigoMunicipio(std::string_view nomeInformado)
    {
        const std::string_view codigo = D(c_.CodigoMunicipio);
        if (!SoAlgarismos(codigo)) {
            Reporta(336, codigo);
            return;
        }
        const LinhaUF* uf = TabelaUF::Instancia().ProcuraCodigo(codigo.substr(0, 2));
        if (uf == nullptr) {
            Reporta(337, codigo);
            return;
        }
        if (uf->sigla != M(c_.MestreUf)) {
            Reporta(338, codigo);
            return;
        }
        const std::span<const LinhaMunicipio> linhas = LinhasDoMunicipio(codigo);
        if (linhas.empty()) {
            Reporta(337, codigo);
            return;
        }
        const std::string_view data = D(c_.DataEmissao);
        const LinhaMunicipio* linha = nullptr;
        if (data.size() == 8 && SoAlgarismos(data) && !SoZeros(data)) {
            std::uint32_t dia = 0;
            for (const char algarismo : data) {
                dia = dia * 10 + static_cast<std::uint32_t>(algarismo - '0');
            }
            const auto valida = std::find_if(linhas.begin(), linhas.end(), [dia](const LinhaMunicipio& l) {
                return l.inicio <= dia && dia <= l.fim;
            });
            linha = valida != linhas.end() ? &*valida : nullptr;
        }
        if (linha == nullptr) {
            std::string conteudo(codigo);
            conteudo.append("; Data_Emi=[").append(data).append("]");
            Reporta(339, conteudo);
            return;
        }
        const std::string_view informado = Apara(nomeInformado);
        if (linha->NomeOficial() != informado) {
            std::string conteudo("Inf.=[");
            conteudo.append(informado).append("]; IBGE=[").append(linha->NomeOficial()).append("]");
            Reporta(340, conteudo);
        }
    }

    // The rows of a seven-digit code, searched in the table only when the code differs from the last one.
    std::span<const LinhaMunicipio> LinhasDoMunicipio(std::string_view codigo)
    {
        EstadoDestinatario& estado = ctx_.Destinatario;
        if (!std::equal(codigo.begin(), codigo.end(), estado.UltimoCodigoMunicipio.begin(),
                        estado.UltimoCodigoMunicipio.end())) {
            estado.LinhasUltimoCodigo = TabelaMunicipios::Instancia().LinhasDoCodigo(codigo);
            std::fill(estado.UltimoCodigoMunicipio.begin(), estado.UltimoCodigoMunicipio.end(), '\0');
            std::copy_n(codigo.begin(), std::min(codigo.size(), estado.UltimoCodigoMunicipio.size()),
                        estado.UltimoCodigoMunicipio.begin());
        }
        return estado.LinhasUltimoCodigo;
    }

    void Uf()
    {
        const std::string_view campo = D(c_.Uf);
        if (campo != M(c_.MestreUf)) {
            Reporta(desde1701_ ? 326 : (sp_ ? PelaRegra(326, 311) : 311), campo);
        }
    }

    void CodigoConsumidor()
    {
        const std::string_view campo = D(c_.Codigo);
        if (desde1701_) {
            if (campo != M(c_.MestreCodigo)) {
                Reporta(328, campo);
            }
        } else if (EmBranco(campo)) {
            Reporta(312, campo);
        } else if (sp_ && campo != M(c_.MestreCodigo)) {
            Reporta(PelaRegra(328, 327), campo);
        }
    }

    void UfHabilitacao()
    {
        // The list is searched as text, as every code list is; a value holding the separator would match
        // across two entries ("C%" inside "AC%AL"), so it is refused here rather than taken for a state.
        const std::string_view campo = D(c_.UfHabilitacao);
        if (!ConstaNaLista(campo, ListaUfHabilitacao) || campo.find('%') != std::string_view::npos) {
            Reporta(313, campo);
        }
    }

    void Telefone()
    {
        const std::string_view campo = D(c_.Telefone);
        switch (ctx_.Geracao) {
        case GeracaoLayout::V01:
            if (!SoZeros(campo) && !NumeroSemZeroInicial(campo)) {
                Reporta(PelaRegra(317, 316), campo);
            }
            break;
        case GeracaoLayout::V02:
            // Twelve positions: a leading "0", then the area code, with or without the long-distance
            // prefix digit.
            if (!SoZeros(campo)) {
                const std::string_view numero =
                    Caractere(campo, 2) != '0' ? Trecho(campo, 2, 11) : Trecho(campo, 3, 10);
                if (Caractere(campo, 1) != '0' || !NumeroSemZeroInicial(numero)) {
                    Reporta(317, campo);
                }
            }
            break;
        case GeracaoLayout::V03:
            // Area code and number, ten or eleven digits, left-aligned with blanks after them.
            if (!EmBranco(campo)) {
                const std::string_view numero =
                    Caractere(campo, 11) != ' ' ? Trecho(campo, 1, 11) : Trecho(campo, 1, 10);
                if (Caractere(campo, 12) != ' ' || !TerminalValido(numero)) {
                    Reporta(317, campo);
                }
            }
            break;
        }
    }

    void Terminal()
    {
        const std::string_view campo = D(c_.Terminal);
        if (campo != M(c_.MestreTerminal)) {
            Reporta(desde1701_ ? 321 : (sp_ ? PelaRegra(321, 329) : 329), campo);
        }
    }

    void IdentificacaoDoDocumento()
    {
        if (!desde1701_) {
            return;
        }
        const std::pair<const CampoLayout&, const CampoLayout&> pares[] = {
            {c_.DataEmissao, c_.MestreDataEmissao},
            {c_.Modelo, c_.MestreModelo},
            {c_.Serie, c_.MestreSerie},
            {c_.Documento, c_.MestreNumero},
        };
        int codigo = 332;
        for (const auto& [destinatario, mestre] : pares) {
            if (D(destinatario) != M(mestre)) {
                Reporta(codigo, D(destinatario));
            }
            ++codigo;
        }
    }

    void Autenticacao()
    {
        if (CodigoConfere(ctx_.Vereditos.Destinatario, [this] { return CodigoRegistroConfere(r_); })) {
            return;
        }
        const std::string_view escrito = r_.size() >= 34 ? r_.substr(r_.size() - 34, 32) : std::string_view{};
        Reporta(314, escrito);
        ++ctx_.DivergenciasRegistroDestinatario;
    }

    void FimDoRegistro()
    {
        const std::size_t l = c_.Tamanho;
        const char penultimo = Caractere(r_, l - 1);
        const char ultimo = Caractere(r_, l);
        if (penultimo != '\r' || ultimo != '\n') {
            std::string conteudo("#");
            conteudo.append(std::to_string(static_cast<unsigned char>(penultimo)))
                .append("#")
                .append(std::to_string(static_cast<unsigned char>(ultimo)));
            Reporta(315, conteudo);
        }
    }

    // A stray line break inside a record would split it for any reader that goes by lines.
    void CaracteresDeControle()
    {
        const std::string_view corpo = r_.substr(0, std::min(r_.size(), c_.Tamanho - 2));
        for (const char procurado : {'\r', '\n'}) {
            const std::size_t pos = corpo.find(procurado);
            if (pos != std::string_view::npos) {
                static const std::string posicao = ParaWin1252("Posição no registro: ");
                std::string conteudo(posicao);
                conteudo.append(std::to_string(pos + 1)).append(", Caracter #").append(std::to_string(int{procurado}));
                Reporta(422, conteudo);
            }
        }
    }

    ContextoValidacao& ctx_;
    const CamposDestinatario& c_;
    std::string_view r_;
    std::string_view m_;
    bool desde1701_;
    bool sp_;
};

} // namespace

void ValidaRegistroDestinatario(ContextoValidacao& ctx, std::string_view registro)
{
    Exame(ctx, registro).Executa();
}

} // namespace tessarin
