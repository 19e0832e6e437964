#include "validacao/EstruturaVolume.h"

#include "dados/ListasCodigos.h"
#include "dados/Texto1252.h"
#include "registros/LeitorRegistros.h"
#include "registros/ValidadoresCampo.h"
#include "relato/ContextoValidacao.h"
#include "validacao/OcorrenciaVolume.h"

#include <filesystem>
#include <system_error>

namespace tessarin {

namespace {

void RegistraComponente(ContextoValidacao& ctx, int codigo, const char* inicioCabecalhoUtf8, std::string_view valor)
{
    static const std::string local = "         Arquivo: Mestre, Item e Cadastro";
    std::string cabecalho = ParaWin1252(inicioCabecalhoUtf8);
    cabecalho.append(": [").append(valor).append("]");
    std::string linhaLog = "S/NRO;E;M,I,D;" + std::to_string(codigo) + ";[";
    linhaLog.append(valor).append("];S/NRO NF");
    RegistraOcorrenciaVolume(ctx, codigo, cabecalho, local, linhaLog, "M,I,D", valor, false);
    ctx.FalhaDeVolume = true;
}

// How each file is named in the structural texts. The Destinatario file is called "Cadastro" in the size
// text only, as users have always seen it.
struct ArquivoVolume
{
    const char* PrefixoCurto; // "Quantidade de bytes do arquivo X ("
    const char* PrefixoMultiplo;
    const char* PrefixoPrimeiraLinha;
    const char* Rotulo; // "Arquivo X (" of the opening failure
};

constexpr ArquivoVolume Mestre{"Quantidade de bytes do arquivo Mestre (", "Quantidade de bytes do arquivo Mestre (",
                               "A 1ª linha do arquivo Mestre deve conter ", "Arquivo Mestre ("};
constexpr ArquivoVolume Destinatario{"Quantidade de bytes do arquivo Destinatário (",
                                     "Quantidade de bytes do arquivo Cadastro (",
                                     "A 1ª linha do arquivo Destinatário deve conter ", "Arquivo de Destinatário ("};
constexpr ArquivoVolume Item{"Quantidade de bytes do arquivo Item (", "Quantidade de bytes do arquivo Item (",
                             "A 1ª linha do arquivo Item deve conter ", "Arquivo de Itens ("};

std::string Caminho(const ContextoValidacao& ctx, const std::string& nome)
{
    return ctx.Pasta.empty() ? nome : ctx.Pasta + "/" + nome;
}

// Size, first line and line count of one file. Appends its findings to `texto`.
void ExaminaArquivo(const ArquivoVolume& arquivo, const std::string& caminho, const std::string& nome, int l,
                    std::int64_t& bytes, std::int64_t& linhas, std::string& texto)
{
    bytes = 0;
    linhas = 0;
    LeitorRegistros leitor;
    std::string erro;
    // Only the first record is read here: a block of one record is enough.
    if (!leitor.Abre(caminho, l, &erro, static_cast<std::size_t>(l))) {
        // A folder in place of the file, or no permission to read it: say so rather than fail the run.
        texto +=
            ParaWin1252(arquivo.Rotulo) + nome + ParaWin1252(") não pode ser aberto para leitura (") + erro + "). ";
        texto += CrLf;
        return;
    }
    bytes = leitor.Bytes();
    const std::string inicio = leitor.LeInicio(static_cast<std::size_t>(l));
    const std::string tamanho = std::to_string(l);
    if (inicio.size() < static_cast<std::size_t>(l)) {
        texto += ParaWin1252(arquivo.PrefixoCurto) + FormataMilhar(static_cast<std::int64_t>(inicio.size())) +
                 ParaWin1252(") não pode ser inferior a ") + tamanho + " . ";
        texto += CrLf;
        return;
    }
    if (bytes % l != 0) {
        texto += ParaWin1252(arquivo.PrefixoMultiplo) + FormataMilhar(bytes) + ParaWin1252(") não é um múltiplo de ") +
                 tamanho + ".";
        texto += CrLf;
    } else {
        linhas = bytes / l;
    }
    // Only the first line is measured; a misplaced line end further on is the record checks' finding.
    if (inicio.find(CrLf) != static_cast<std::size_t>(l - 2)) {
        texto += ParaWin1252(arquivo.PrefixoPrimeiraLinha) + std::to_string(l - 2) +
                 " caracteres, seguidos de CR + LF, totalizando " + tamanho + " bytes por linha. ";
        texto += CrLf;
    }
}

} // namespace

void ValidaComponentesNome(ContextoValidacao& ctx)
{
    const ComponentesVolume& v = ctx.Volume;
    if (v.SerieVolume == "   " || (v.Referencia >= "1601" && !v.SerieVolume.empty() && v.SerieVolume[0] == ' ')) {
        RegistraComponente(ctx, 413, "Erro: 413 - A série utilizada na formação do nome do arquivo é inválida",
                           v.SerieVolume);
    }
    if (!SoAlgarismos(v.AnoReferencia) || !ConstaNaLista(v.AnoReferencia, ListaAnosReferencia)) {
        RegistraComponente(ctx, 414, "Erro: 414 - Ano de referência utilizado na formação do nome do arquivo inválido",
                           v.AnoReferencia);
    }
    if (!SoAlgarismos(v.MesReferencia) || !ConstaNaLista(v.MesReferencia, ListaMeses)) {
        RegistraComponente(ctx, 415, "Erro: 415 - Mês de referência utilizado na formação do nome do arquivo inválido",
                           v.MesReferencia);
    }
    if (v.StatusVolume != "N" && v.StatusVolume != "S") {
        RegistraComponente(ctx, 416, "Erro: 416 - Identificador do Status do arquivo inválido", v.StatusVolume);
    }
}

std::string TextoLimiteLinhasMestre(std::int64_t linhasMestre, std::string_view uf, std::string_view referencia)
{
    if (linhasMestre > 1000000 && (uf == "SP" || referencia >= "1701")) {
        std::string texto = "Quantidade de linhas do arquivo Mestre (" + FormataMilhar(linhasMestre) +
                            ") não pode ser superior a 1.000.000 . ";
        return ParaWin1252(texto).append(CrLf);
    }
    return {};
}

std::string TextoConcordanciaLinhas(std::int64_t linhasMestre, std::int64_t linhasItem, std::int64_t linhasDestinatario)
{
    std::string texto;
    if (linhasMestre <= 0 || linhasItem <= 0 || linhasDestinatario <= 0) {
        return texto;
    }
    const std::string mestre = FormataMilhar(linhasMestre);
    if (linhasDestinatario != linhasMestre) {
        texto += ParaWin1252("Quantidade de linhas do arquivo Destinatário (" + FormataMilhar(linhasDestinatario) +
                             ") deve ser igual à quantidade de linhas do arquivo Mestre (" + mestre + "). ");
        texto += CrLf;
    }
    if (linhasItem < linhasMestre) {
        texto +=
            ParaWin1252("Quantidade de linhas do arquivo Item (" + FormataMilhar(linhasItem) +
                        ") deve ser igual, ou superior, à quantidade de linhas do arquivo Mestre (" + mestre + "). ");
        texto += CrLf;
    }
    return texto;
}

std::string ValidaEstrutura(ContextoValidacao& ctx)
{
    const std::string mestre = Caminho(ctx, ctx.NomeMestre);
    const std::string item = Caminho(ctx, ctx.NomeItem);
    const std::string destinatario = Caminho(ctx, ctx.NomeDestinatario);
    std::string texto;
    std::error_code erro;
    // The names are Windows-1252 already; only the literal parts are converted.
    const std::string naoLocalizado = ParaWin1252(") não localizado...");
    if (!std::filesystem::exists(mestre, erro)) {
        texto = "Arquivo Mestre (" + ctx.NomeMestre + naoLocalizado;
    } else if (!std::filesystem::exists(item, erro)) {
        texto = "Arquivo de Itens (" + ctx.NomeItem + naoLocalizado;
    } else if (!std::filesystem::exists(destinatario, erro)) {
        texto = ParaWin1252("Arquivo de Destinatário (") + ctx.NomeDestinatario + naoLocalizado;
    }

    ctx.Geracao = GeracaoDaReferencia(ctx.Volume.Referencia);
    const ComprimentosRegistro l = ComprimentosDaGeracao(ctx.Geracao);
    ctx.TamanhoMestre = l.Mestre;
    ctx.TamanhoItem = l.Item;
    ctx.TamanhoDestinatario = l.Destinatario;
    if (!texto.empty()) {
        return texto;
    }

    ExaminaArquivo(Mestre, mestre, ctx.NomeMestre, l.Mestre, ctx.BytesMestre, ctx.LinhasMestre, texto);
    ExaminaArquivo(Destinatario, destinatario, ctx.NomeDestinatario, l.Destinatario, ctx.BytesDestinatario,
                   ctx.LinhasDestinatario, texto);
    ExaminaArquivo(Item, item, ctx.NomeItem, l.Item, ctx.BytesItem, ctx.LinhasItem, texto);
    texto += TextoLimiteLinhasMestre(ctx.LinhasMestre, ctx.Volume.UFVolume, ctx.Volume.Referencia);
    if (texto.empty()) {
        texto = TextoConcordanciaLinhas(ctx.LinhasMestre, ctx.LinhasItem, ctx.LinhasDestinatario);
    }
    return texto;
}

} // namespace tessarin
