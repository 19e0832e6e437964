#include "ResultadoJson.h"

#include "PortasTerminal.h"

#include "dados/Texto1252.h"

#include <nlohmann/json.hpp>

namespace tessarin::cli {

namespace {

std::string_view NomeDoFim(FimValidacao fim)
{
    switch (fim) {
    case FimValidacao::Estrutura:
        return "estrutura";
    case FimValidacao::Referencia:
        return "referencia";
    case FimValidacao::Concluida:
        return "concluida";
    case FimValidacao::Interrompida:
        return "interrompida";
    case FimValidacao::FalhaEntradaSaida:
        break;
    }
    return "falha-entrada-saida";
}

// Money in cents as a number of reais with two decimals.
double Reais(double centavos)
{
    return centavos / 100.0;
}

} // namespace

ResultadoJson::ResultadoJson(const std::string& caminho) : caminho_(caminho)
{
    arquivo_ = std::fopen(caminho.c_str(), "wb");
    if (arquivo_ != nullptr) {
        Escreve("{\"achados\":[");
    }
}

ResultadoJson::~ResultadoJson()
{
    if (arquivo_ != nullptr) {
        std::fclose(arquivo_);
    }
}

void ResultadoJson::Escreve(const std::string& texto)
{
    if (arquivo_ != nullptr && std::fwrite(texto.data(), 1, texto.size(), arquivo_) != texto.size()) {
        falhou_ = true;
    }
}

void ResultadoJson::Achado(const AchadoOcorrencia& a)
{
    nlohmann::ordered_json j;
    j["codigo"] = a.Codigo;
    j["tipo"] = std::string(1, a.Tipo);
    j["arquivo"] = ParaUtf8(a.Arquivo);
    if (a.Registro > 0) {
        j["registro"] = a.Registro;
    } else {
        j["registro"] = nullptr;
    }
    j["campo"] = ParaUtf8(a.Campo);
    j["posicoes"] = ParaUtf8(a.Posicoes);
    j["conteudo"] = ParaUtf8(a.Conteudo);
    j["documento"] = ParaUtf8(a.Documento);
    Escreve((primeiro_ ? "\n" : ",\n") + j.dump());
    primeiro_ = false;
}

bool ResultadoJson::Conclui(const ContextoValidacao& ctx, const ResultadoValidacao& resultado,
                            const PortasTerminal& portas)
{
    if (arquivo_ == nullptr) {
        return false;
    }
    nlohmann::ordered_json fim;
    fim["fim"] = NomeDoFim(resultado.Fim);
    if (!resultado.MensagemFalha.empty()) {
        fim["mensagemFalha"] = ParaUtf8(resultado.MensagemFalha);
    }
    fim["mestre"] = ParaUtf8(ctx.NomeMestre);
    fim["geracao"] = TextoGeracao(ctx.Geracao);
    fim["quantidadeErros"] = ctx.QuantidadeErros;
    fim["quantidadeAdvertencias"] = ctx.QuantidadeAdvertencias;
    fim["controleDisponivel"] = portas.BotaoHabilitado(Botao::Gerar);
    nlohmann::ordered_json porCodigo = nlohmann::ordered_json::array();
    for (int i = 0; i < ctx.Catalogo.Quantidade(); ++i) {
        const auto quantidade = ctx.ContagemPorCodigo[static_cast<std::size_t>(i)];
        if (quantidade > 0) {
            const auto& linha = ctx.Catalogo[i];
            porCodigo.push_back({{"codigo", std::stoi(std::string(linha.Codigo()))},
                                 {"tipo", std::string(linha.Tipo())},
                                 {"descricao", ParaUtf8(linha.Descricao())},
                                 {"quantidade", quantidade}});
        }
    }
    fim["porCodigo"] = porCodigo;
    fim["registros"] = {{"mestre", ctx.RegistrosMestre},
                        {"item", ctx.RegistrosItem},
                        {"destinatario", ctx.RegistrosDestinatario},
                        {"itensValidados", ctx.ItensValidados}};
    const auto& m = ctx.TotaisMestre;
    const auto& i = ctx.TotaisItem;
    fim["totais"] = {{"mestre",
                      {{"valorTotal", Reais(m[0])},
                       {"bcIcms", Reais(m[1])},
                       {"icms", Reais(m[2])},
                       {"isentas", Reais(m[3])},
                       {"outros", Reais(m[4])}}},
                     {"item",
                      {{"valorTotal", Reais(i[0])},
                       {"bcIcms", Reais(i[1])},
                       {"icms", Reais(i[2])},
                       {"isentas", Reais(i[3])},
                       {"outros", Reais(i[4])},
                       {"descontos", Reais(i[5])},
                       {"acrescimos", Reais(i[6])}}}};
    std::string resto = fim.dump();
    // The summary's members follow the findings in the same object.
    resto.front() = ',';
    Escreve("\n]" + resto + "\n");
    const bool fechou = std::fclose(arquivo_) == 0;
    arquivo_ = nullptr;
    return fechou && !falhou_;
}

} // namespace tessarin::cli
