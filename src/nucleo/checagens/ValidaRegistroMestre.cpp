#include "checagens/ValidaRegistroMestre.h"

#include "checagens/CamposMestre.h"
#include "checagens/CortesRegistro.h"
#include "checagens/ValidaFimRegistroMestre.h"
#include "dados/ListasCodigos.h"
#include "registros/Md5.h"
#include "registros/ValidadoresCampo.h"
#include "relato/ContextoValidacao.h"
#include "relato/RegistrarOcorrencia.h"
#include "relato/Regra1207.h"

#include <array>
#include <cstring>

namespace tessarin {

using namespace texto_campo;

namespace {

// What the rules of one record depend on besides its fields.
struct Regras
{
    bool De1701, De1601, Sp;
};

void Reporta(ContextoValidacao& ctx, int codigo, std::string_view conteudo)
{
    Registra(ctx, codigo, ctx.IndiceMestre, conteudo);
}

// Error when the rule of July 2012 holds, warning otherwise.
int ErroOuAdvertencia(const ContextoValidacao& ctx, int erro, int advertencia)
{
    return Regra1207(ctx) ? erro : advertencia;
}

bool Contem(std::string_view campo, char c)
{
    return campo.find(c) != std::string_view::npos;
}

void ReferenciaItem(ContextoValidacao& ctx, const CamposMestre& m)
{
    std::int64_t valor = 0;
    if (!NaoNumerico(m.ReferenciaItem, valor) && SoAlgarismos(m.ReferenciaItem) && !SoZeros(m.ReferenciaItem)) {
        ctx.CursorItem = static_cast<std::int32_t>(valor - 1);
        return;
    }
    Reporta(ctx, 133, m.ReferenciaItem);
    ctx.CursorItem = 0;
}

void CnpjCpf(ContextoValidacao& ctx, const CamposMestre& m, const Regras& r)
{
    const std::string_view f = m.CnpjCpf;
    if (!r.De1701) {
        std::int64_t n = 0;
        if (!r.Sp) {
            if (NaoNumerico(f, n)) {
                Reporta(ctx, 101, f);
            }
        } else if (!SoAlgarismos(f)) {
            Reporta(ctx, ErroOuAdvertencia(ctx, 144, 101), f);
        }
        return;
    }
    if (!SoAlgarismos(f)) {
        Reporta(ctx, 144, f);
        return;
    }
    const std::string_view tipo = m.TipoInformacao;
    if (tipo == "1") {
        if (SoZeros(f)) {
            Reporta(ctx, 153, f);
        } else if (!CnpjValido(f)) {
            Reporta(ctx, 154, f);
        }
    } else if (tipo == "2") {
        if (SoZeros(f)) {
            Reporta(ctx, 156, f);
        } else if (f.substr(0, 3) != "000") {
            Reporta(ctx, 157, f);
        } else if (!CpfValido(f.substr(3))) {
            Reporta(ctx, 158, f);
        }
    } else if (tipo == "3" && !SoZeros(f)) {
        Reporta(ctx, 160, f);
    } else if (tipo == "4" && !SoZeros(f)) {
        Reporta(ctx, 161, f);
    }
}

// The common shape of a filled-in text field: not blank, not only zeros and separators, no leading blank.
bool PreenchidoCorretamente(std::string_view f)
{
    return !EmBranco(f) && !DespidoSoZeros(f) && f.front() != ' ';
}

void InscricaoEstadual(ContextoValidacao& ctx, const CamposMestre& m, const Regras& r)
{
    const std::string_view f = m.InscricaoEstadual;
    if (!r.De1701 && !r.Sp) {
        if (EmBranco(f)) {
            Reporta(ctx, 102, f);
        }
        return;
    }
    // From 1701 only the word as the layout writes it, upper case, is exempt; before, any case.
    if (r.De1701 ? f == "ISENTO        " : IgualMaiusculas(f, "ISENTO        ")) {
        return;
    }
    bool passa = PreenchidoCorretamente(f) && !IgualMaiusculas(Apara(f), "ISENTA");
    if (r.De1701) {
        passa = passa && !ContemMaiusculas(Apara(f), "ISEN");
        if (!passa) {
            Reporta(ctx, 146, f);
        }
    } else if (!passa) {
        Reporta(ctx, ErroOuAdvertencia(ctx, 146, 145), f);
    }
}

void RazaoSocial(ContextoValidacao& ctx, const CamposMestre& m, const Regras& r)
{
    const std::string_view f = m.RazaoSocial;
    if (Apara(f).size() < 3) {
        Reporta(ctx, 103, f);
        return;
    }
    const bool soNumeros = r.Sp && m.Modelo == "06" && DespidoSoAlgarismos(f);
    if (r.De1701) {
        if (f.front() == ' ' || DespidoSoZeros(f) || soNumeros) {
            Reporta(ctx, 148, f);
        }
        return;
    }
    if (!r.Sp) {
        return;
    }
    if (DespidoSoZeros(f)) {
        Reporta(ctx, 148, f);
    } else if (f.front() == ' ' || soNumeros) {
        Reporta(ctx, ErroOuAdvertencia(ctx, 148, 147), f);
    }
}

void Uf(ContextoValidacao& ctx, const CamposMestre& m)
{
    if (!ConstaNaLista(m.Uf, ListaUfs) || Contem(m.Uf, '%')) {
        Reporta(ctx, 104, m.Uf);
    }
}

void ClasseTipoGrupo(ContextoValidacao& ctx, const CamposMestre& m, const Regras& r)
{
    if (m.Modelo == "06") {
        if (!ConstaNaLista(m.ClasseConsumo, "12345678")) {
            Reporta(ctx, 105, m.ClasseConsumo);
        }
        if (!ConstaNaLista(m.TipoUtilizacao, "123")) {
            Reporta(ctx, 107, m.TipoUtilizacao);
        }
        if (!ConstaNaLista(m.GrupoTensao, "01%02%03%04%05%06%07%08%09%10%11%12%13%14") || Contem(m.GrupoTensao, '%')) {
            Reporta(ctx, 109, m.GrupoTensao);
        }
        return;
    }
    const bool gas = m.Modelo == "01" || m.Modelo == "28";
    if (gas && r.De1701) {
        if (m.ClasseConsumo != "0") {
            Reporta(ctx, 190, m.ClasseConsumo);
        }
        if (m.TipoUtilizacao != "1") {
            Reporta(ctx, 191, m.TipoUtilizacao);
        }
    } else {
        if (r.De1701) {
            if (m.ClasseConsumo != "0") {
                Reporta(ctx, 162, m.ClasseConsumo);
            }
        } else if (!ConstaNaLista(m.ClasseConsumo, "123456")) {
            Reporta(ctx, 106, m.ClasseConsumo);
        }
        if (!ConstaNaLista(m.TipoUtilizacao, "123456")) {
            Reporta(ctx, 108, m.TipoUtilizacao);
        }
    }
    if (m.GrupoTensao != "00") {
        Reporta(ctx, 110, m.GrupoTensao);
    }
}

void CodigoConsumidor(ContextoValidacao& ctx, const CamposMestre& m, const Regras& r)
{
    const std::string_view f = m.CodigoConsumidor;
    if (EmBranco(f)) {
        Reporta(ctx, 111, f);
        return;
    }
    if (!r.De1701 && !r.Sp) {
        return;
    }
    if (DespidoSoZeros(f) || f.front() == ' ') {
        Reporta(ctx, r.De1701 ? 150 : ErroOuAdvertencia(ctx, 150, 149), f);
    }
}

const std::string& DataExecucao(ContextoValidacao& ctx)
{
    EstadoMestre& e = ctx.Mestre;
    if (!e.DataExecucaoLida) {
        e.DataExecucaoLida = true;
        if (ctx.HoraInicio.Ano > 0) {
            e.DataExecucao = DataAAAAMMDD(ctx.HoraInicio);
        } else if (ctx.Tempo != nullptr) {
            e.DataExecucao = DataAAAAMMDD(ctx.Tempo->Agora());
        }
    }
    return e.DataExecucao;
}

void DataEmissao(ContextoValidacao& ctx, const CamposMestre& m, const Regras& r)
{
    const std::string_view f = m.DataEmissao;
    if (f.size() < 8) {
        Reporta(ctx, 112, f);
        return;
    }
    const std::string_view aaaa = f.substr(0, 4), mm = f.substr(4, 2), dd = f.substr(6, 2);
    if (!ConstaNaLista(dd, ListaDias) || !SoAlgarismos(dd)) {
        Reporta(ctx, 112, f);
    }
    if (!ConstaNaLista(mm, ListaMeses) || !SoAlgarismos(mm)) {
        Reporta(ctx, 113, f);
    }
    if (ConstaNaLista(mm, "04%06%09%11")) {
        if (dd > "30") {
            Reporta(ctx, 114, f);
        }
    } else if (mm == "02") {
        if (dd > "29") {
            Reporta(ctx, 115, f);
        } else if (dd == "29" && !ConstaNaLista(aaaa, AnosBissextosEmissao)) {
            Reporta(ctx, 116, f);
        }
    }
    if (aaaa < "2003" || (aaaa > "2099" && ctx.Volume.Referencia >= "1601")) {
        Reporta(ctx, 117, f);
    }
    const std::string& hoje = DataExecucao(ctx);
    if (!hoje.empty() && f > hoje) {
        Reporta(ctx, 151, f);
    }
    const std::string_view aamm = f.substr(2, 4);
    if (!r.De1601 && aamm < "1601") {
        return;
    }
    if (aaaa != std::string_view(ctx.DataPrimeiraNF).substr(0, 4)) {
        Reporta(ctx, 117, f);
    }
    const std::string_view referencia = ctx.Volume.Referencia;
    if (aamm != referencia) {
        if (aamm.substr(0, 2) != referencia.substr(0, 2)) {
            Reporta(ctx, 117, f);
        }
        if (aamm.substr(2, 2) != referencia.substr(2, 2)) {
            Reporta(ctx, 113, f);
        }
    }
}

void Modelo(ContextoValidacao& ctx, const CamposMestre& m, const Regras& r)
{
    if (!ConstaNaLista(m.Modelo, ListaModelos) || !SoAlgarismos(m.Modelo)) {
        Reporta(ctx, r.De1701 ? 163 : 118, m.Modelo);
    }
    if (r.De1601 && m.Modelo != ctx.ModeloVolume) {
        Reporta(ctx, 164, m.Modelo);
    }
}

void Serie(ContextoValidacao& ctx, const CamposMestre& m, const Regras& r)
{
    const std::string_view f = m.Serie, volume = ctx.Volume.SerieVolume;
    if (Apara(f) != Apara(volume) || (r.De1601 && f != volume)) {
        Reporta(ctx, 119, f);
    }
    if (r.De1601 && !f.empty() && f.front() == ' ') {
        Reporta(ctx, 152, f);
    }
}

void Numero(ContextoValidacao& ctx, const CamposMestre& m, const Regras& r)
{
    const std::string_view f = m.Numero;
    std::int64_t numero = 0;
    const bool aceitavel = !NaoNumerico(f, numero) && (!r.De1701 || (SoAlgarismos(f) && !SoZeros(f)));
    const std::int64_t esperado = ctx.ValorPrimeiraNF + ctx.Mestre.DocumentosVerificados;
    if (!aceitavel) {
        Reporta(ctx, 120, f);
    } else if (numero != esperado) {
        Reporta(ctx, 121, f);
    }
}

void AutenticacaoDocumento(ContextoValidacao& ctx, const CamposMestre& m)
{
    if (!CodigoConfere(ctx.Vereditos.Documento, [&] { return CodigoDocumentoConfere(m, ctx.Geracao); })) {
        Reporta(ctx, 122, m.AutenticacaoDocumento);
        ++ctx.DivergenciasDocumento;
    }
}

void Valores(ContextoValidacao& ctx, const CamposMestre& m, const Regras& r)
{
    const std::array<std::string_view, 5> campos = {m.ValorTotal, m.BaseIcms, m.ValorIcms, m.Isentas, m.Outros};
    for (std::size_t i = 0; i < campos.size(); ++i) {
        std::int64_t valor = 0;
        if (InteiroDoCampo(campos[i], r.De1701, valor)) {
            ctx.Mestre.Valores[i] = static_cast<double>(valor);
        } else {
            ctx.Mestre.Valores[i] = 0;
            Reporta(ctx, 123 + static_cast<int>(i), campos[i]);
        }
    }
}

void SituacaoETotais(ContextoValidacao& ctx, const CamposMestre& m, const Regras& r)
{
    const std::string_view f = m.Situacao;
    const char maiuscula = f.size() == 1 ? Maiuscula(f.front()) : '\0';
    const bool invalida =
        r.De1701 ? !ConstaNaLista(f, "N%R%S%C") : !ConstaNaLista(std::string_view(&maiuscula, 1), "N%R%S");
    if (invalida || f == "%" || f.size() != 1) {
        Reporta(ctx, 128, f);
    } else if ((ctx.Volume.UFVolume == "SP" || m.Uf == "SP") && f == "C") {
        Reporta(ctx, 188, f);
    }

    EstadoMestre& e = ctx.Mestre;
    if (maiuscula == 'S') {
        ++e.DocumentosCancelados;
        return;
    }
    if (maiuscula == 'N' || maiuscula == 'R' || maiuscula == '%' || (r.De1701 && maiuscula == 'C')) {
        for (std::size_t i = 0; i < e.Valores.size(); ++i) {
            ctx.TotaisMestre[i] += e.Valores[i];
        }
        if (r.De1701 && e.ValorIcms() < 0) {
            e.DocumentosIcmsNegativo.Acrescenta(e.Valores);
        }
    }
}

void ReferenciaApuracao(ContextoValidacao& ctx, const CamposMestre& m)
{
    const std::string_view f = m.ReferenciaApuracao;
    const std::string_view aa = f.substr(0, std::min<std::size_t>(2, f.size()));
    const std::string_view mm = f.size() >= 4 ? f.substr(2, 2) : std::string_view{};
    if (!ConstaNaLista(mm, ListaMeses) || Contem(mm, '%')) {
        Reporta(ctx, 129, f);
    }
    if (mm != ctx.Volume.MesReferencia) {
        Reporta(ctx, 130, f);
    }
    if (aa < "03" || !SoAlgarismos(aa)) {
        Reporta(ctx, 131, f);
    }
    if (aa != ctx.Volume.AnoReferencia) {
        Reporta(ctx, 132, f);
    }
}

} // namespace

bool CodigoDocumentoConfere(const CamposMestre& m, GeracaoLayout geracao)
{
    // Customer, number, total, BC and ICMS; from 1701 also the date and the issuer: 59 or 81 characters.
    std::array<char, 81> texto{};
    std::size_t tamanho = 0;
    auto junta = [&](std::string_view campo) {
        const std::size_t n = std::min(campo.size(), texto.size() - tamanho);
        std::memcpy(texto.data() + tamanho, campo.data(), n);
        tamanho += n;
    };
    junta(m.CnpjCpf);
    junta(m.Numero);
    junta(m.ValorTotal);
    junta(m.BaseIcms);
    junta(m.ValorIcms);
    if (geracao == GeracaoLayout::V03) {
        junta(m.DataEmissao);
        junta(m.CnpjEmitente);
    }
    return Md5Confere(std::string_view(texto.data(), tamanho), m.AutenticacaoDocumento);
}

bool CodigoDocumentoConfere(std::string_view registro, GeracaoLayout geracao)
{
    // Only the fields the code covers, cut as CortaCamposMestre cuts them.
    const CortesRegistro& cortes = CortesMestre(geracao);
    CamposMestre m;
    m.CnpjCpf = cortes.Campo(registro, 1);
    m.DataEmissao = cortes.Campo(registro, 9);
    m.Numero = cortes.Campo(registro, 12);
    m.AutenticacaoDocumento = cortes.Campo(registro, 13);
    m.ValorTotal = cortes.Campo(registro, 14);
    m.BaseIcms = cortes.Campo(registro, 15);
    m.ValorIcms = cortes.Campo(registro, 16);
    m.CnpjEmitente = cortes.Campo(registro, 27);
    return CodigoDocumentoConfere(m, geracao);
}

void ValidaRegistroMestre(ContextoValidacao& ctx, std::string_view registro)
{
    const CamposMestre m = CortaCamposMestre(registro, ctx.Geracao);
    ctx.RegistroMestre = registro;
    ctx.DocumentoAtual.assign(m.Numero);
    const std::string_view referencia = ctx.Volume.Referencia;
    const Regras r{referencia >= "1701", referencia >= "1601", ctx.Volume.UFVolume == "SP"};

    ReferenciaItem(ctx, m);
    CnpjCpf(ctx, m, r);
    InscricaoEstadual(ctx, m, r);
    RazaoSocial(ctx, m, r);
    Uf(ctx, m);
    ClasseTipoGrupo(ctx, m, r);
    CodigoConsumidor(ctx, m, r);
    DataEmissao(ctx, m, r);
    Modelo(ctx, m, r);
    Serie(ctx, m, r);
    Numero(ctx, m, r);
    // The expected number moves on whatever this record held, so one gap shows on every later record.
    ++ctx.Mestre.DocumentosVerificados;
    AutenticacaoDocumento(ctx, m);
    Valores(ctx, m, r);
    SituacaoETotais(ctx, m, r);
    ReferenciaApuracao(ctx, m);

    // The fields cut above serve the second half too, unless the view runs past the generation's length:
    // that half looks at the record cut to that length.
    if (registro.size() <= static_cast<std::size_t>(ctx.TamanhoMestre)) {
        ValidaFimRegistroMestre(ctx, registro, m);
    } else {
        ValidaFimRegistroMestre(ctx, registro);
    }
}

} // namespace tessarin
