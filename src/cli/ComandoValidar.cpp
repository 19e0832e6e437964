// tessarin validar: one validation run as the window does it, for batch use.
#include "ComandoValidar.h"
#include "PortasTerminal.h"
#include "ResultadoJson.h"

#include "dados/Texto1252.h"
#include "principal/ArquivoIdentificacao.h"
#include "principal/RegrasIdentificacao.h"
#include "registros/ValidadoresCampo.h"
#include "validacao/NomeVolume.h"
#include "validacao/ValidacaoVolume.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

namespace tessarin {

using namespace cli;

namespace {

struct OpcoesValidar
{
    std::string Mestre;
    std::string Identificacao;
    std::string Cnpj;
    std::string Log;
    std::string Lista;
    std::string Json;
};

void Erro(std::string_view textoWin1252)
{
    std::fflush(stdout);
    std::fprintf(stderr, "tessarin validar: %s\n", ParaUtf8(textoWin1252).c_str());
}

// The taxpayer's CNPJ from the identification file, checked with the identification's own rules, or from
// --cnpj. Empty with a message on standard error when it cannot be had.
bool CnpjDoContribuinte(const OpcoesValidar& o, std::string& cnpj)
{
    if (o.Identificacao.empty()) {
        cnpj = ParaWin1252(o.Cnpj);
        if (!CnpjValido(cnpj)) {
            Erro(ParaWin1252("CNPJ do contribuinte inválido: ") + cnpj);
            return false;
        }
        return true;
    }
    const LeituraIdentificacao leitura = LeIdentificacao(o.Identificacao);
    if (leitura.Situacao != SituacaoLeitura::Lida) {
        Erro(leitura.Mensagem);
        return false;
    }
    bool valida = true;
    for (int c = 0; c <= static_cast<int>(CampoIdentificacao::Email); ++c) {
        const auto campo = static_cast<CampoIdentificacao>(c);
        const ResultadoChecagem r = ChecaSaidaCampo(campo, TextoDoCampo(leitura.Dados, campo));
        if (!r.Aprovado) {
            Erro(r.Mensagem);
            valida = false;
        }
    }
    const ResultadoVerificacao v = VerificaIdentificacao(leitura.Dados);
    if (!v.Mensagem.empty()) {
        Erro(v.Mensagem);
    }
    if (!valida || !v.Valida) {
        Erro(ParaWin1252("a identificação do contribuinte está incompleta ou inválida: ") + o.Identificacao);
        return false;
    }
    cnpj = leitura.Dados.CNPJ;
    return true;
}

bool SalvaLista(const std::string& caminho, const std::vector<std::string>& linhas)
{
    // As the window's "Salvar Mensagens": every line in Windows-1252 followed by CR LF, written whole to a
    // temporary name and then renamed, so a failure never leaves half a list.
    const std::string temporario = caminho + ".tmp";
    {
        std::ofstream saida(temporario, std::ios::binary | std::ios::trunc);
        for (const std::string& l : linhas) {
            saida.write(l.data(), static_cast<std::streamsize>(l.size()));
            saida.write("\r\n", 2);
        }
        saida.close();
        if (!saida) {
            std::remove(temporario.c_str());
            return false;
        }
    }
    return std::rename(temporario.c_str(), caminho.c_str()) == 0;
}

int Executa(const OpcoesValidar& o)
{
    std::string cnpj;
    if (!CnpjDoContribuinte(o, cnpj)) {
        return 2;
    }
    // The window's open dialog only offers existing files; here the path comes from the command line.
    std::error_code falha;
    if (!std::filesystem::is_regular_file(o.Mestre, falha)) {
        Erro("Arquivo Mestre (" + ParaWin1252(o.Mestre) + ParaWin1252(") não localizado..."));
        return 2;
    }
    const VolumeEscolhido volume = EscolheVolume(o.Mestre, cnpj);
    if (!volume.Ok) {
        Erro(volume.Mensagem);
        return 2;
    }

    ContextoValidacao ctx;
    DefineVolume(ctx, volume);

    std::optional<std::string> log;
    if (!o.Log.empty()) {
        log = o.Log;
    }
    PortasTerminal portas(log, true);
    RelogioSistema relogio;
    std::unique_ptr<ResultadoJson> json;
    if (!o.Json.empty()) {
        json = std::make_unique<ResultadoJson>(o.Json);
        if (!json->Aberto()) {
            Erro(ParaWin1252("não foi possível criar o arquivo ") + o.Json);
            return 2;
        }
        ctx.Achados = json.get();
    }
    InstalaTratamentoCtrlC();
    ValidacaoVolume validacao(ctx, Portas{portas, portas, portas, relogio});
    const ResultadoValidacao resultado = validacao.BtnValidarClick();

    int status = 0;
    switch (resultado.Fim) {
    case FimValidacao::FalhaEntradaSaida:
        status = 2;
        break;
    case FimValidacao::Interrompida:
        status = 130;
        break;
    case FimValidacao::Estrutura:
    case FimValidacao::Referencia:
        status = 1;
        break;
    case FimValidacao::Concluida:
        status = ctx.QuantidadeErros > 0 ? 1 : 0;
        break;
    }
    if (!o.Lista.empty() && !SalvaLista(o.Lista, portas.Lista())) {
        Erro(ParaWin1252("não foi possível gravar a lista em ") + o.Lista);
        status = 2;
    }
    if (json && !json->Conclui(ctx, resultado, portas)) {
        Erro(ParaWin1252("não foi possível gravar ") + o.Json);
        status = 2;
    }
    return status;
}

} // namespace

void RegistraComandoValidar(CLI::App& app)
{
    auto opcoes = std::make_shared<OpcoesValidar>();
    CLI::App* sub = app.add_subcommand("validar", "Valida um volume (arquivos Mestre, Item e Destinatário)");
    sub->add_option("MESTRE", opcoes->Mestre, "Arquivo Mestre do volume")->required();
    auto* ini =
        sub->add_option("--identificacao", opcoes->Identificacao, "Arquivo INI com a identificação do contribuinte");
    auto* cnpj = sub->add_option("--cnpj", opcoes->Cnpj, "CNPJ do contribuinte");
    ini->excludes(cnpj);
    cnpj->excludes(ini);
    sub->add_option("--log", opcoes->Log, "Grava o arquivo de ocorrências");
    sub->add_option("--lista", opcoes->Lista, "Salva a lista de ocorrências (Windows-1252, CR LF)");
    sub->add_option("--json", opcoes->Json, "Grava o resultado em JSON");
    sub->callback([opcoes, ini, cnpj] {
        if (ini->count() == 0 && cnpj->count() == 0) {
            throw CLI::RequiredError("--identificacao ou --cnpj");
        }
        const int status = Executa(*opcoes);
        if (status != 0) {
            throw CLI::RuntimeError(status);
        }
    });
}

} // namespace tessarin
