#include "checagens/ValoresItem.h"

#include "checagens/CortesRegistro.h"
#include "dados/ListasCodigosItem.h"
#include "registros/ValidadoresCampo.h"
#include "relato/ContextoValidacao.h"
#include "relato/RegistrarOcorrencia.h"

#include <array>
#include <string>

namespace tessarin {

namespace {

struct CamposValores
{
    std::string_view Classificacao, Cfop, Total, Base, Isentas, Outros, Icms, Aliquota;
};

std::int64_t Valor(std::string_view texto)
{
    std::int64_t v = 0;
    NaoNumerico(texto, v);
    return v;
}

// "Total=..; BC=..; Isentas=..; Outros=..; ICMS=.." for the sign rules.
std::string ConteudoSinal(const CamposValores& f)
{
    std::string s = "Total=";
    s.append(f.Total).append("; BC=").append(f.Base).append("; Isentas=").append(f.Isentas);
    s.append("; Outros=").append(f.Outros).append("; ICMS=").append(f.Icms);
    return s;
}

// Content B: classification, CFOP and the amounts that must add up to the total.
std::string ConteudoB(const CamposValores& f)
{
    std::string s = "CodClasItem=";
    s.append(f.Classificacao).append("; CFOP=").append(f.Cfop).append("; Total=").append(f.Total);
    s.append("; BC=").append(f.Base).append("; Isentas=").append(f.Isentas).append("; Outros=").append(f.Outros);
    return s;
}

// Content A: content B with the ICMS and its rate.
std::string ConteudoA(const CamposValores& f)
{
    std::string s = ConteudoB(f);
    s.append("; ICMS=").append(f.Icms).append("; Aliquota_ICMS=").append(f.Aliquota);
    return s;
}

// The document's ICMS as the Mestre record gives it. A field that is not a number counts as zero, the same
// value the document sums use for it, so the item is then taken as one of a document without negative
// ICMS.
std::int64_t IcmsDoMestre(const ContextoValidacao& ctx)
{
    const std::string_view campo = CortesMestre(ctx.Geracao).Campo(ctx.RegistroMestre, 16);
    std::int64_t v = 0;
    return InteiroDoCampo(campo, true, v) ? v : 0;
}

} // namespace

void ValidaValoresItem(ContextoValidacao& ctx, std::string_view registro, std::int32_t indice)
{
    const CortesRegistro& cortes = CortesItem(ctx.Geracao);
    const auto campo = [&](int n) { return cortes.Campo(registro, n); };
    const std::string_view situacao = campo(26);
    if (situacao == "S" || situacao == "s") {
        return;
    }
    const CamposValores f{campo(14), campo(10), campo(18), campo(21), campo(23), campo(24), campo(22), campo(25)};
    // Plain digits give their value in the same pass that accepts them; anything else is judged by the
    // sign test first and read as NaoNumerico reads it.
    std::array<std::int64_t, 6> valores{};
    const std::array<std::string_view, 6> textos = {f.Total, f.Base, f.Isentas, f.Outros, f.Icms, f.Aliquota};
    for (std::size_t i = 0; i < textos.size(); ++i) {
        if (AlgarismosCurtos(textos[i], valores[i])) {
            continue;
        }
        if (!InteiroComSinal(textos[i])) {
            return;
        }
        valores[i] = Valor(textos[i]);
    }
    const std::int64_t t = valores[0], bc = valores[1], is = valores[2], ou = valores[3], icms = valores[4],
                       al = valores[5];

    EstadoItem& e = ctx.Item;
    const bool cfop0000 = f.Cfop == "0000";
    if (cfop0000) {
        e.ResumoCfop0000.Acrescenta(t, bc, icms, is, ou);
    }
    if (icms < 0) {
        if (IcmsDoMestre(ctx) >= 0) {
            e.ResumoIcmsNegativoEmDocumentoSemIcmsNegativo.Acrescenta(t, bc, icms, is, ou);
        }
        e.ResumoIcmsNegativo.Acrescenta(t, bc, icms, is, ou);
    }

    const auto reporta = [&](int codigo, const std::string& conteudo) { Registra(ctx, codigo, indice, conteudo); };
    const std::string_view grupo = f.Classificacao.substr(0, 2);
    const bool grupo08ou09 = ConstaNaLista(grupo, Grupos08e09Valores);
    const bool soma = bc + is + ou == t;
    const bool zeroTributado = bc == 0 && is == 0 && icms == 0 && al == 0;
    bool reportado = false;

    if ((t > 0 && (bc < 0 || is < 0 || ou < 0 || icms < 0)) || (t < 0 && (bc > 0 || is > 0 || ou > 0 || icms > 0)) ||
        (t == 0 && (bc != 0 || is != 0 || ou != 0))) {
        reporta(423, ConteudoSinal(f));
        reportado = true;
    }
    if (!reportado && cfop0000) {
        if (!zeroTributado) {
            reporta(424, ConteudoA(f));
            reportado = true;
        }
        if (t != ou) {
            reporta(252, ConteudoB(f));
            reportado = true;
        }
    }
    if (!reportado && grupo08ou09) {
        if (!zeroTributado) {
            reporta(425, ConteudoA(f));
            reportado = true;
        }
        if (t != ou) {
            reporta(253, ConteudoB(f));
            reportado = true;
        }
    }
    if (!reportado && !cfop0000 && !grupo08ou09 && !soma) {
        reporta(254, ConteudoB(f));
        reportado = true;
    }
    if (!reportado && ou != 0 && !zeroTributado) {
        reporta(426, ConteudoA(f));
        reportado = true;
    }
    if (!reportado && icms != 0 && (bc == 0 || al == 0 || ou != 0)) {
        reporta(427, ConteudoA(f));
        reportado = true;
    }
    if (!reportado && !soma) {
        reporta(254, ConteudoB(f));
        reportado = true;
    }
    if (!reportado && ((grupo == "08" && t < 0) || (grupo == "09" && t > 0))) {
        std::string conteudo = "CodClasItem=";
        conteudo.append(f.Classificacao).append("; Total=").append(f.Total);
        reporta(grupo == "08" ? 255 : 256, conteudo);
    }
}

} // namespace tessarin
