#include "ComandoExemplo.h"

#include "dados/Texto1252.h"
#include "validacao/GeradorVolume.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace tessarin {

namespace {

struct OpcoesExemplo
{
    std::string Pasta;
    ParametrosVolume Parametros;
};

void ExecutaExemplo(const OpcoesExemplo& opcoes)
{
    // Options arrive as UTF-8 from the terminal; the core speaks Windows-1252.
    ParametrosVolume p = opcoes.Parametros;
    p.Serie = ParaWin1252(p.Serie);
    const GeradorVolume gerador(p);
    const VolumeGravado gravado = gerador.Grava(opcoes.Pasta);
    if (!gravado.Ok()) {
        std::fprintf(stderr, "tessarin exemplo: %s\n", ParaUtf8(gravado.Erro).c_str());
        throw CLI::RuntimeError(2);
    }
    const std::filesystem::path mestre = std::filesystem::path(opcoes.Pasta) / gravado.Nomes.Mestre;
    std::printf("%s\n", mestre.string().c_str());
}

} // namespace

void RegistraComandoExemplo(CLI::App& app)
{
    auto opcoes = std::make_shared<OpcoesExemplo>();
    ParametrosVolume& p = opcoes->Parametros;
    CLI::App* sub = app.add_subcommand("exemplo", "Grava um volume de exemplo válido de qualquer geração de leiaute");
    sub->add_option("DIR", opcoes->Pasta, "Pasta onde os três arquivos são gravados")->required();
    sub->add_option("--referencia", p.Referencia, "Referência AAMM (escolhe a geração)")->capture_default_str();
    sub->add_option("--uf", p.Uf, "UF do volume e dos clientes")->capture_default_str();
    sub->add_option("--documentos", p.Documentos, "Quantidade de documentos")->capture_default_str();
    sub->add_option("--itens", p.ItensPorDocumento, "Itens por documento")->capture_default_str();
    sub->add_option("--serie", p.Serie, "Série")->capture_default_str();
    sub->add_option("--modelo", p.Modelo, "Modelo do documento fiscal")->capture_default_str();
    sub->add_option("--cnpj", p.Cnpj, "CNPJ do contribuinte e emitente")->capture_default_str();
    sub->add_option("--status", p.Status, "Status do volume (N ou S)")->capture_default_str();
    sub->add_option("--volume", p.Volume, "Número do volume (001, E01...)")->capture_default_str();
    sub->add_option("--primeiro-numero", p.PrimeiroNumero, "Número do primeiro documento")->capture_default_str();
    sub->add_option("--data-emissao", p.DataEmissao, "Data de emissão AAAAMMDD (padrão: dia 1 da referência)");
    sub->callback([opcoes] { ExecutaExemplo(*opcoes); });
}

} // namespace tessarin
