#include "validacao/ReferenciaDatas.h"

#include "dados/Texto1252.h"
#include "dados/Versao.h"
#include "relato/ContextoValidacao.h"
#include "validacao/OcorrenciaVolume.h"

#include <string_view>

namespace tessarin {

namespace {

// Characters `inicio`..`inicio`+`tamanho`-1 (1-based) of a text that may be shorter than the rule expects.
std::string_view Parte(std::string_view texto, std::size_t inicio, std::size_t tamanho)
{
    return inicio - 1 < texto.size() ? texto.substr(inicio - 1, tamanho) : std::string_view();
}

std::string_view SemBrancos(std::string_view texto)
{
    const auto ini = texto.find_first_not_of(' ');
    if (ini == std::string_view::npos) {
        return {};
    }
    return texto.substr(ini, texto.find_last_not_of(' ') - ini + 1);
}

// Appends one finding: the literal parts are UTF-8 in the source, the values Windows-1252 already.
class Coletor
{
public:
    Coletor& Literal(const char* utf8)
    {
        texto_ += ParaWin1252(utf8);
        return *this;
    }
    Coletor& Valor(std::string_view valor)
    {
        texto_ += valor;
        return *this;
    }
    void Fim() { texto_ += CrLf; }
    std::string Texto() && { return std::move(texto_); }

private:
    std::string texto_;
};

} // namespace

std::string ValidaReferenciaEDatas(const ContextoValidacao& ctx, const Instante& hoje)
{
    const ComponentesVolume& v = ctx.Volume;
    const std::string dataHoje = DataAAAAMMDD(hoje);
    Coletor c;

    if (v.AnoCompleto + v.MesReferencia > std::string_view(dataHoje).substr(0, 6)) {
        c.Literal("Referência do arquivo [").Valor(v.Referencia).Literal("] não pode ser futura. ").Fim();
    }
    if (v.Referencia < ReferenciaMinima) {
        c.Literal("A referência do arquivo [").Valor(v.Referencia).Literal("] não pode ser anterior à ");
        c.Valor(ReferenciaMinima).Literal(", nem posterior a ").Valor(ReferenciaMaxima).Literal(" . ").Fim();
    }
    if (v.Referencia > ReferenciaMaxima) {
        c.Literal("A referência do arquivo [").Valor(v.Referencia).Literal("] não pode ser posterior a ");
        c.Valor(ReferenciaMaxima).Literal(" . ").Valor(CrLf).Valor(CrLf);
        c.Literal("Verifique se há uma versão mais recente do Tessarin para download. ").Fim();
    }
    if (ctx.DataPrimeiraNF > dataHoje) {
        c.Literal("Data de emissão da Primeira nota fiscal [").Valor(ctx.DataPrimeiraNF);
        c.Literal("] não pode ser futura. ").Fim();
    }
    if (ctx.DataUltimaNF > dataHoje) {
        c.Literal("Data de emissão da Última nota fiscal [").Valor(ctx.DataUltimaNF);
        c.Literal("] não pode ser futura. ").Fim();
    }

    const bool desde1601 = v.Referencia >= "1601";
    if (desde1601) {
        if (ctx.PrimeiraNF == "000000000") {
            c.Literal("Número da 1ª nota fiscal [").Valor(ctx.PrimeiraNF).Literal("] deve ser diferente de zero. ");
            c.Fim();
        }
        if (ctx.ModeloUltimaNF != ctx.ModeloVolume) {
            c.Literal("Modelo da Última nota fiscal [").Valor(ctx.ModeloUltimaNF);
            c.Literal("] não pode ser diferente da primeira [").Valor(ctx.ModeloVolume).Literal("].").Fim();
        }
        if (SemBrancos(v.SerieVolume) != SemBrancos(ctx.SeriePrimeiraNF)) {
            c.Literal("Série da Primeira nota fiscal [").Valor(ctx.SeriePrimeiraNF);
            c.Literal("] não pode ser diferente da série do arquivo [").Valor(v.SerieVolume).Literal("]. ").Fim();
        }
        if (ctx.SerieUltimaNF != ctx.SeriePrimeiraNF) {
            c.Literal("Série da Última nota fiscal [").Valor(ctx.SerieUltimaNF);
            c.Literal("] não pode ser diferente da primeira [").Valor(ctx.SeriePrimeiraNF).Literal("].").Fim();
        }
        const auto anoForaDaFaixa = [](std::string_view data) {
            const std::string_view ano = Parte(data, 1, 4);
            return ano < "2003" || ano > "2099";
        };
        if (anoForaDaFaixa(ctx.DataPrimeiraNF)) {
            c.Literal("Ano de emissão da Primeira nota fiscal [").Valor(ctx.DataPrimeiraNF);
            c.Literal("] é inválido. ").Fim();
        }
        if (anoForaDaFaixa(ctx.DataUltimaNF)) {
            c.Literal("Ano de emissão da Última nota fiscal [").Valor(ctx.DataUltimaNF).Literal("] é inválido. ");
            c.Fim();
        }
    }

    if (desde1601 || Parte(ctx.DataPrimeiraNF, 3, 4) >= "1601" || Parte(ctx.DataUltimaNF, 3, 4) >= "1601") {
        const std::string anoMes = v.AnoCompleto + v.MesReferencia;
        const auto foraDaReferencia = [&](std::string_view data) {
            return Parte(data, 3, 4) != v.Referencia || Parte(data, 1, 6) != anoMes;
        };
        if (foraDaReferencia(ctx.DataPrimeiraNF)) {
            c.Literal("Data de emissão da Primeira nota fiscal [").Valor(ctx.DataPrimeiraNF);
            c.Literal("] está fora da referência de apuração do arquivo [20").Valor(v.Referencia).Literal("] . ");
            c.Fim();
        }
        if (foraDaReferencia(ctx.DataUltimaNF)) {
            c.Literal("Data de emissão da Última nota fiscal [").Valor(ctx.DataUltimaNF);
            c.Literal("] está fora da referência de apuração do arquivo [20").Valor(v.Referencia).Literal("] . ");
            c.Fim();
        }
    }
    return std::move(c).Texto();
}

} // namespace tessarin
