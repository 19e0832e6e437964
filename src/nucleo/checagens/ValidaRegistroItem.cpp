#include "checagens/ValidaRegistroItem.h"

#include "checagens/ClassificacaoItem.h"
#include "checagens/CortesRegistro.h"
#include "checagens/ValoresItem.h"
#include "dados/ListasCodigosItem.h"
#include "dados/Texto1252.h"
#include "registros/Md5.h"
#include "registros/ValidadoresCampo.h"
#include "relato/ContextoValidacao.h"
#include "relato/RegistrarOcorrencia.h"
#include "relato/Regra1207.h"

#include <charconv>
#include <string>

namespace tessarin {

namespace {

// One Item record being checked: its fields, the Mestre's, and the way to report.
struct Verificacao
{
    ContextoValidacao& ctx;
    std::string_view registro;
    std::string_view mestre;
    const CortesRegistro& cortesItem;
    const CortesRegistro& cortesMestre;
    bool de1701;
    std::int32_t indice;

    std::string_view Item(int n) const { return cortesItem.Campo(registro, n); }
    std::string_view Mestre(int n) const { return cortesMestre.Campo(mestre, n); }
    std::string_view Modelo() const { return Mestre(10); }
    bool Comunicacao() const { return Modelo() == "21" || Modelo() == "22"; }
    void Reporta(int codigo, std::string_view conteudo) const { Registra(ctx, codigo, indice, conteudo); }

    bool Numerico(std::string_view texto, std::int64_t& valor) const { return InteiroDoCampo(texto, de1701, valor); }
};

bool SoBrancos(std::string_view texto)
{
    return texto.find_first_not_of(' ') == std::string_view::npos;
}

// Filled but starting with a blank: the texts from 1701 must be left-aligned.
bool ComecaComBranco(std::string_view texto)
{
    return !SoBrancos(texto) && texto.front() == ' ';
}

std::string_view Trecho(std::string_view texto, std::size_t inicio, std::size_t tamanho)
{
    return inicio < texto.size() ? texto.substr(inicio, tamanho) : std::string_view{};
}

char Maiuscula(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

void ConfereComMestre(const Verificacao& v)
{
    EstadoItem& e = v.ctx.Item;
    if (v.Item(1) != v.Mestre(1)) {
        v.Reporta(201, v.Item(1));
    }
    if (v.Item(2) != v.Mestre(4)) {
        v.Reporta(202, v.Item(2));
    }
    if (v.Item(3) != v.Mestre(5)) {
        v.Reporta(203, v.Item(3));
    }

    const std::string_view tipo = v.Item(4);
    if (e.OrdinalItem > 0) {
        v.ctx.Mestre.SomasItens.TiposUtilizacao.push_back('-');
    }
    v.ctx.Mestre.SomasItens.TiposUtilizacao.append(tipo);

    if (!v.Comunicacao()) {
        // Other models carry the type of use of the document; the document-level test has nothing to add.
        if (tipo != v.Mestre(6)) {
            v.Reporta(204, tipo);
        }
        v.ctx.Mestre.SomasItens.TipoUtilizacaoEncontrado = true;
    } else {
        if (tipo == v.Mestre(6)) {
            v.ctx.Mestre.SomasItens.TipoUtilizacaoEncontrado = true;
        }
        if (!ConstaNaLista(tipo, TiposUtilizacao)) {
            v.Reporta(261, tipo);
        } else if (v.de1701 && ClassificacaoNoTipoUtilizacao(v.Item(14), tipo) != 0) {
            std::string conteudo = "Tipo = ";
            conteudo.append(tipo)
                .append(" , C\xF3"
                        "d.Classif. = ")
                .append(v.Item(14));
            v.Reporta(260, conteudo);
        }
    }

    if (v.Item(5) != v.Mestre(7)) {
        v.Reporta(205, v.Item(5));
    }
    if (v.Item(6) != v.Mestre(9)) {
        v.Reporta(206, v.Item(6));
    }
    if (v.Item(7) != v.Mestre(10)) {
        v.Reporta(207, v.Item(7));
    }
    if (v.Item(8) != v.Mestre(11)) {
        v.Reporta(208, v.Item(8));
    }
}

void ConfereCfopENumero(const Verificacao& v)
{
    const std::string_view cfop = v.Item(10);
    const std::string_view classificacao = v.Item(14);
    if (!SoAlgarismos(cfop)) {
        v.Reporta(210, cfop);
    }
    // Before 1701 only SP volumes under the July 2012 rule make the mismatch an error. The clock is asked
    // only when there is a mismatch to judge.
    if (RegraCfop0000(cfop, classificacao, true) != 0) {
        const bool erro = v.de1701 || (v.ctx.Volume.UFVolume == "SP" && Regra1207(v.ctx));
        std::string conteudo = "CFOP:";
        conteudo.append(cfop).append(" - Cod.Cla.:").append(classificacao);
        v.Reporta(RegraCfop0000(cfop, classificacao, erro), conteudo);
    }
    if (const int codigo = DirecaoCfop(cfop, v.ctx.Volume.VolumeDeSaida); codigo != 0) {
        v.Reporta(codigo, cfop);
    }

    const std::string_view numero = v.Item(11);
    const bool algarismos = SoAlgarismos(numero);
    int valor = 0;
    if (algarismos) {
        std::from_chars(numero.data(), numero.data() + numero.size(), valor);
        if (valor < 1 || valor > 990) {
            v.Reporta(212, numero);
        }
    } else {
        v.Reporta(211, numero);
    }
    // An item number that is not a number has no place to be out of; 211 already names the field, so the
    // sequence is judged only for numeric item numbers. The ordinal advances in either case.
    EstadoItem& e = v.ctx.Item;
    ++e.OrdinalItem;
    if (algarismos && valor != e.OrdinalItem) {
        v.Reporta(213, numero);
    }
}

void ConfereTextosEClassificacao(const Verificacao& v)
{
    if (v.de1701 && ComecaComBranco(v.Item(12))) {
        v.Reporta(251, v.Item(12));
    }
    const std::string_view descricao = v.Item(13);
    if (SoBrancos(descricao) || (v.de1701 && descricao.front() == ' ')) {
        v.Reporta(214, descricao);
    }

    const ResultadoClassificacao r =
        ClassificacaoNoDocumento(v.Item(14), v.Modelo(), v.ctx.Volume.Referencia, v.ctx.Volume.UFVolume);
    if (r.Codigo != 0) {
        v.Reporta(r.Codigo, v.Item(14));
    }
    if (r.ExigeTerminal) {
        v.ctx.Mestre.SomasItens.ExigeTerminal = true;
    }

    if (v.de1701 && ComecaComBranco(v.Item(15))) {
        v.Reporta(262, v.Item(15));
    }
}

// A value that passes its numeric test goes into its sum; one that fails is reported and left out.
void SomaOuReporta(const Verificacao& v, int campo, int codigo, double& soma)
{
    std::int64_t valor = 0;
    if (v.Numerico(v.Item(campo), valor)) {
        soma += static_cast<double>(valor);
    } else {
        v.Reporta(codigo, v.Item(campo));
    }
}

void ConfereValores(const Verificacao& v)
{
    std::int64_t valor = 0;
    if (!v.Numerico(v.Item(16), valor)) {
        v.Reporta(216, v.Item(16));
    }
    if (!v.Numerico(v.Item(17), valor)) {
        v.Reporta(217, v.Item(17));
    }
    SomaOuReporta(v, 18, 218, v.ctx.Mestre.SomasItens.ValorTotal);
    SomaOuReporta(v, 19, 219, v.ctx.Mestre.SomasItens.Descontos);
    if (v.de1701 && !SoZeros(v.Item(19))) {
        v.Reporta(249, v.Item(19));
    }
    SomaOuReporta(v, 20, 220, v.ctx.Mestre.SomasItens.Acrescimos);
    if (v.de1701 && !SoZeros(v.Item(20))) {
        v.Reporta(250, v.Item(20));
    }
    SomaOuReporta(v, 21, 221, v.ctx.Mestre.SomasItens.BaseIcms);
    SomaOuReporta(v, 22, 222, v.ctx.Mestre.SomasItens.ValorIcms);
    SomaOuReporta(v, 23, 223, v.ctx.Mestre.SomasItens.Isentas);
    SomaOuReporta(v, 24, 224, v.ctx.Mestre.SomasItens.Outros);

    const std::string_view aliquota = v.Item(25);
    if (!AlgarismosCurtos(aliquota, valor) && (NaoNumerico(aliquota, valor) || (v.de1701 && !SoAlgarismos(aliquota)))) {
        v.Reporta(225, aliquota);
    } else if (valor != 0 && valor < 100) {
        v.Reporta(226, aliquota);
    }
}

void ConfereSituacaoEPeriodo(const Verificacao& v)
{
    EstadoItem& e = v.ctx.Item;
    const std::string_view situacao = v.Item(26);
    const std::string_view situacaoMestre = v.Mestre(19);
    const char s = situacao.empty() ? '\0' : situacao.front();
    e.SituacaoUltimoItem = s;
    if (Maiuscula(s) == 'S') {
        ++e.ItensCancelados;
    }
    // Before 1701 the case of the situation did not matter; from 1701 it must be written as the Mestre's.
    const char m = situacaoMestre.empty() ? '\0' : situacaoMestre.front();
    if (v.de1701 ? s != m : Maiuscula(s) != Maiuscula(m)) {
        v.Reporta(228, situacao);
    }

    const std::string_view apuracao = v.Item(27);
    const std::string_view apuracaoMestre = v.Mestre(20);
    const std::string_view mes = Trecho(apuracao, 2, 2);
    if (mes != v.ctx.Volume.MesReferencia || mes != Trecho(apuracaoMestre, 2, 2)) {
        v.Reporta(229, apuracao);
    }
    const std::string_view ano = Trecho(apuracao, 0, 2);
    if (ano != v.ctx.Volume.AnoReferencia || ano != Trecho(apuracaoMestre, 0, 2)) {
        v.Reporta(230, apuracao);
    }
}

void ConfereCampos1701(const Verificacao& v)
{
    const std::string_view contrato = v.Item(28);
    if (v.Comunicacao() ? ComecaComBranco(contrato) : !SoBrancos(contrato)) {
        v.Reporta(238, contrato);
    }
    if (!InteiroComSinal(v.Item(29))) {
        v.Reporta(239, v.Item(29));
    }
    const std::string_view tarifa = v.Item(30);
    if (v.Modelo() == "06" ? !SoAlgarismos(tarifa) : !SoZeros(tarifa)) {
        v.Reporta(240, tarifa);
    }
    if (!SoAlgarismos(v.Item(31))) {
        v.Reporta(241, v.Item(31));
    }
    if (!InteiroComSinal(v.Item(32))) {
        v.Reporta(242, v.Item(32));
    }
    if (!SoAlgarismos(v.Item(33))) {
        v.Reporta(243, v.Item(33));
    }
    if (!InteiroComSinal(v.Item(34))) {
        v.Reporta(244, v.Item(34));
    }
    if (!ConstaNaLista(v.Item(35), IndicadoresDescontoJudicial)) {
        v.Reporta(245, v.Item(35));
    }
    if (const int codigo = TipoIsencao(v.Item(36), v.Modelo()); codigo != 0) {
        v.Reporta(codigo, v.Item(36));
    }
    ValidaValoresItem(v.ctx, v.registro, v.indice);
}

std::string CodigoDecimal(char c)
{
    return "#" + std::to_string(static_cast<unsigned char>(c));
}

void ConfereIntegridade(const Verificacao& v, std::size_t tamanho)
{
    const std::string_view r = v.registro.substr(0, tamanho);
    if (!CodigoConfere(v.ctx.Vereditos.Item, [&] { return CodigoRegistroConfere(r); })) {
        v.Reporta(231, Trecho(r, r.size() >= 34 ? r.size() - 34 : r.size(), 32));
        ++v.ctx.DivergenciasRegistroItem;
    }
    if (r.size() < 2 || r[r.size() - 2] != '\r' || r.back() != '\n') {
        const char penultimo = r.size() >= 2 ? r[r.size() - 2] : '\0';
        const char ultimo = r.empty() ? '\0' : r.back();
        v.Reporta(232, CodigoDecimal(penultimo) + CodigoDecimal(ultimo));
    }
    // Only CR and LF are looked for: they are what breaks a file's lines and shifts the records after them.
    const std::string_view corpo = r.substr(0, r.size() >= 2 ? r.size() - 2 : 0);
    for (const char quebra : {'\r', '\n'}) {
        if (const std::size_t pos = corpo.find(quebra); pos != std::string_view::npos) {
            static const std::string rotulo = ParaWin1252("Posição no registro: ");
            std::string conteudo = rotulo;
            conteudo.append(std::to_string(pos + 1)).append(", Caracter ").append(CodigoDecimal(quebra));
            v.Reporta(421, conteudo);
        }
    }
}

} // namespace

void ValidaRegistroItem(ContextoValidacao& ctx, std::string_view registro)
{
    const Verificacao v{ctx,
                        registro,
                        ctx.RegistroMestre,
                        CortesItem(ctx.Geracao),
                        CortesMestre(ctx.Geracao),
                        ctx.Geracao == GeracaoLayout::V03,
                        ctx.CursorItem};
    ConfereComMestre(v);
    ConfereCfopENumero(v);
    ConfereTextosEClassificacao(v);
    ConfereValores(v);
    ConfereSituacaoEPeriodo(v);
    if (v.de1701) {
        ConfereCampos1701(v);
    }
    ConfereIntegridade(v, static_cast<std::size_t>(ComprimentosDaGeracao(ctx.Geracao).Item));
}

} // namespace tessarin
