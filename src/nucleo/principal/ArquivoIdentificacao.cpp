#include "principal/ArquivoIdentificacao.h"

#include "dados/Texto1252.h"
#include "principal/ArquivoIni.h"
#include "registros/ValidadoresCampo.h"

#include <array>
#include <system_error>

namespace tessarin {

namespace fs = std::filesystem;

namespace {

struct ChaveIdentificacao
{
    const char* Secao;
    const char* Chave;
    std::string Identificacao::*Campo;
};

// In the order a new file gets them: sections in this order, each with its keys in this order.
constexpr std::array<ChaveIdentificacao, 12> Chaves = {{
    {"IDENTIFICACAO", "RAZAO SOCIAL", &Identificacao::RazaoSocial},
    {"IDENTIFICACAO", "IE", &Identificacao::IE},
    {"IDENTIFICACAO", "CNPJ", &Identificacao::CNPJ},
    {"ENDERECO", "ENDERECO", &Identificacao::Endereco},
    {"ENDERECO", "BAIRRO", &Identificacao::Bairro},
    {"ENDERECO", "MUNICIPIO", &Identificacao::Municipio},
    {"ENDERECO", "CEP", &Identificacao::CEP},
    {"ENDERECO", "UF", &Identificacao::UF},
    {"RESPONSAVEL", "NOME", &Identificacao::Nome},
    {"RESPONSAVEL", "CARGO", &Identificacao::Cargo},
    {"RESPONSAVEL", "TELEFONE", &Identificacao::Telefone},
    {"RESPONSAVEL", "EMAIL", &Identificacao::Email},
}};

} // namespace

LeituraIdentificacao LeIdentificacao(const fs::path& arquivo)
{
    LeituraIdentificacao leitura;
    ArquivoIni ini;
    if (!ini.Carrega(arquivo, leitura.Mensagem)) {
        leitura.Situacao = SituacaoLeitura::Falha;
        return leitura;
    }
    if (!ini.TemSecao("IDENTIFICACAO")) {
        leitura.Situacao = SituacaoLeitura::SemIdentificacao;
        leitura.Mensagem = ParaWin1252("Arquivo de identificação inválido...");
        return leitura;
    }
    for (const auto& chave : Chaves) {
        leitura.Dados.*chave.Campo = ini.Le(chave.Secao, chave.Chave);
    }
    // The phone field is masked: whatever was stored, it needs the hyphen after the area code and 12 places.
    leitura.Dados.Telefone = FormataTelefone(leitura.Dados.Telefone);
    leitura.Situacao = SituacaoLeitura::Lida;
    return leitura;
}

bool GravaIdentificacao(const fs::path& arquivo, const Identificacao& identificacao, std::string& erro)
{
    ArquivoIni ini;
    std::error_code ec;
    const auto estado = fs::status(arquivo, ec);
    // A file that exists but cannot be read must not be replaced by one that has lost its other sections.
    if (estado.type() != fs::file_type::not_found && !ini.Carrega(arquivo, erro)) {
        return false;
    }
    for (const auto& chave : Chaves) {
        if (!ini.Grava(chave.Secao, chave.Chave, identificacao.*chave.Campo, erro)) {
            erro = ParaWin1252("Não foi possível gravar o arquivo [") + NomeParaMensagem(arquivo) + "]: " + erro;
            return false;
        }
    }
    return ini.Salva(arquivo, erro);
}

fs::path NomeArquivoIdentificacao(const fs::path& escolhido)
{
    const auto nome = escolhido.filename().native();
    const auto ponto = nome.find('.');
    if (ponto == nome.npos) {
        return escolhido;
    }
    fs::path resultado = escolhido;
    resultado.replace_filename(fs::path(nome.substr(0, ponto)) += ".ini");
    return resultado;
}

} // namespace tessarin
