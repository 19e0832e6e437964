#include "validacao/PrimeirosUltimos.h"

#include "dados/Texto1252.h"
#include "registros/LeitorRegistros.h"
#include "relato/ContextoValidacao.h"
#include "validacao/OcorrenciaVolume.h"

#include <limits>
#include <string>

namespace tessarin {

namespace {

// Reads into an unsigned magnitude first so that both widths share one reading; false when nothing reads.
template <typename Inteiro> std::optional<Inteiro> LeInteiro(std::string_view texto)
{
    using SemSinal = std::make_unsigned_t<Inteiro>;
    std::size_t i = 0;
    while (i < texto.size() && texto[i] == ' ') {
        ++i;
    }
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) {
        negativo = texto[i] == '-';
        ++i;
    }
    bool hexadecimal = false;
    if (i < texto.size() && (texto[i] == '$' || texto[i] == 'x' || texto[i] == 'X')) {
        hexadecimal = true;
        ++i;
    } else if (i + 1 < texto.size() && texto[i] == '0' && (texto[i + 1] == 'x' || texto[i + 1] == 'X')) {
        hexadecimal = true;
        i += 2;
    }
    if (i == texto.size()) {
        return std::nullopt;
    }
    const unsigned base = hexadecimal ? 16 : 10;
    // Decimal: up to the signed limit (one more for the negative side). Hexadecimal: the whole unsigned range.
    const SemSinal limite = hexadecimal
                                ? std::numeric_limits<SemSinal>::max()
                                : static_cast<SemSinal>(std::numeric_limits<Inteiro>::max()) + (negativo ? 1 : 0);
    SemSinal valor = 0;
    for (; i < texto.size(); ++i) {
        const char c = texto[i];
        unsigned digito = 0;
        if (c >= '0' && c <= '9') {
            digito = static_cast<unsigned>(c - '0');
        } else if (hexadecimal && c >= 'a' && c <= 'f') {
            digito = static_cast<unsigned>(c - 'a' + 10);
        } else if (hexadecimal && c >= 'A' && c <= 'F') {
            digito = static_cast<unsigned>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
        if (valor > (limite - digito) / base) {
            return std::nullopt;
        }
        valor = static_cast<SemSinal>(valor * base + digito);
    }
    if (negativo) {
        valor = static_cast<SemSinal>(SemSinal{0} - valor);
    }
    return static_cast<Inteiro>(valor);
}

// A slice of a record by 1-based position; short what the record lacks (an empty view when it was not read).
std::string Trecho(std::string_view registro, std::size_t posicao, std::size_t tamanho)
{
    if (posicao - 1 >= registro.size()) {
        return {};
    }
    return std::string(registro.substr(posicao - 1, tamanho));
}

// The record at `indice`, or an empty view after announcing that it could not be reached.
std::string_view LeRegistro(LeitorRegistros& leitor, std::int64_t indice, PortaDialogo& dialogo, const char* avisoUtf8)
{
    // Positioned at the very end the reader has nothing to give: that record is missing just the same.
    const std::string_view registro = leitor.Posiciona(indice) ? leitor.Le() : std::string_view();
    if (registro.empty()) {
        dialogo.Mensagem(TipoMensagem::Advertencia, ParaWin1252(avisoUtf8));
    }
    return registro;
}

void RegistraNumeroNota(ContextoValidacao& ctx, int codigo, const char* cabecalhoUtf8, std::string_view arquivoLog,
                        const std::string& numero)
{
    std::string cabecalho = ParaWin1252(cabecalhoUtf8);
    cabecalho.append(" [").append(numero).append("]");
    std::string linhaLog = "S/NRO;E;";
    linhaLog.append(arquivoLog).append(";").append(std::to_string(codigo)).append(";[").append(numero);
    linhaLog.append("];S/NRO NF");
    RegistraOcorrenciaVolume(ctx, codigo, cabecalho, "         Arquivo: Mestre", linhaLog, arquivoLog, numero, false);
    ctx.FalhaDeVolume = true;
}

} // namespace

std::optional<std::int32_t> LeInteiro32(std::string_view texto)
{
    return LeInteiro<std::int32_t>(texto);
}
std::optional<std::int64_t> LeInteiro64(std::string_view texto)
{
    return LeInteiro<std::int64_t>(texto);
}

void LePrimeiroEUltimo(ContextoValidacao& ctx, LeitorRegistros& mestre, LeitorRegistros& item, PortaDialogo& dialogo)
{
    // Every view is copied out before the next read of the same reader overwrites it.
    std::string_view r =
        LeRegistro(mestre, 0, dialogo, "O 1º registro do arquivo mestre não foi localizado (erro de leitura)...");
    ctx.PrimeiraNF = Trecho(r, 95, 9);
    ctx.DataPrimeiraNF = Trecho(r, 82, 8);
    ctx.SeriePrimeiraNF = Trecho(r, 92, 3);
    // From 1701 on the model is part of the file name, and the name is what the volume declares.
    ctx.ModeloVolume = ctx.Geracao == GeracaoLayout::V03 ? ctx.Volume.ModeloNome : Trecho(r, 90, 2);
    if (const auto valor = LeInteiro32(ctx.PrimeiraNF)) {
        ctx.ValorPrimeiraNF = *valor;
    } else {
        RegistraNumeroNota(ctx, 417, "Erro: 417 - Número da 1ª Nota Fiscal do arquivo mestre inválido", "M,I,D",
                           ctx.PrimeiraNF);
    }

    r = LeRegistro(mestre, ctx.RegistrosMestre - 1, dialogo,
                   "O último registro do arquivo mestre não foi localizado (arquivo com tamanho menor que o devido "
                   "ou erro de leitura)...");
    ctx.UltimaNF = Trecho(r, 95, 9);
    ctx.DataUltimaNF = Trecho(r, 82, 8);
    ctx.ModeloUltimaNF = Trecho(r, 90, 2);
    ctx.SerieUltimaNF = Trecho(r, 92, 3);
    if (!LeInteiro64(ctx.UltimaNF)) {
        RegistraNumeroNota(ctx, 418, "Erro: 418 - Número da última Nota Fiscal do arquivo mestre inválido", "M",
                           ctx.UltimaNF);
    }

    r = LeRegistro(item, 0, dialogo, "O primeiro registro do arquivo item não foi localizado (erro de leitura)...");
    ctx.PrimeiroItemNF = Trecho(r, 34, 9);
    ctx.DataPrimeiroItem = Trecho(r, 21, 8);

    // Items closing a volume may carry no date; the control file wants the last one that does.
    for (std::int64_t k = ctx.RegistrosItem - 1; k >= 0; --k) {
        r = LeRegistro(item, k, dialogo,
                       "O último registro do arquivo item não foi localizado (arquivo com tamanho menor que o devido "
                       "ou erro de leitura)...");
        if (r.empty()) {
            continue;
        }
        ctx.UltimoItemNF = Trecho(r, 34, 9);
        ctx.DataUltimoItem = Trecho(r, 21, 8);
        if (ctx.DataUltimoItem != "00000000") {
            break;
        }
    }
}

void ComparaQuantidades(ContextoValidacao& ctx)
{
    if (ctx.RegistrosItem < ctx.RegistrosMestre) {
        RegistraOcorrenciaVolume(ctx, 401,
                                 "Erro: 401 - Quantidade registros do arquivo Item menor que a quantidade de "
                                 "registros do arquivo Mestre.",
                                 "         Arquivo: Mestre e Item", "S/NRO;E;MxI;401;S/VALOR;S/NRO NF", "MxI",
                                 "S/VALOR", false);
        ctx.FalhaDeVolume = true;
        if (ctx.Janela != nullptr) {
            ctx.Janela->DefineCor(Celula::MestreQtde, Cor::Vermelho);
            ctx.Janela->DefineCor(Celula::ItemQtde, Cor::Vermelho);
        }
    }
    if (ctx.RegistrosDestinatario != ctx.RegistrosMestre) {
        RegistraOcorrenciaVolume(ctx, 412,
                                 "Erro: 412 - Quantidade registros do arquivo Cadastro diferente da quantidade de "
                                 "registros do arquivo Mestre.",
                                 "         Arquivo: Mestre e Cadastro", "S/NRO;E;MxD;412;S/VALOR;S/NRO NF", "MxD",
                                 "S/VALOR", false);
        ctx.FalhaDeVolume = true;
        if (ctx.Janela != nullptr) {
            ctx.Janela->DefineCor(Celula::MestreQtde, Cor::Vermelho);
            ctx.Janela->DefineCor(Celula::CadastroQtde, Cor::Vermelho);
        }
    }
}

} // namespace tessarin
