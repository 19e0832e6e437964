#include "validacao/GeradorVolume.h"

#include "dados/ListasCodigos.h"
#include "dados/Texto1252.h"
#include "registros/LayoutRegistro.h"
#include "registros/Md5.h"
#include "registros/ValidadoresCampo.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

namespace tessarin {

class GeradorVolume::Saida
{
public:
    virtual ~Saida() = default;
    virtual bool Escreve(ArquivoVolume arquivo, std::string_view bytes) = 0;
};

namespace {

// One municipality per state, the capital, with the IBGE code and the official name, so that the
// Destinatario records of a sample agree with the municipality table.
struct Capital
{
    std::string_view Uf;
    std::string_view Codigo;
    std::string_view NomeUtf8;
};

constexpr std::array<Capital, 27> Capitais = {{
    {"AC", "1200401", "Rio Branco"},     {"AL", "2704302", "Maceió"},         {"AM", "1302603", "Manaus"},
    {"AP", "1600303", "Macapá"},         {"BA", "2927408", "Salvador"},       {"CE", "2304400", "Fortaleza"},
    {"DF", "5300108", "Brasília"},       {"ES", "3205309", "Vitória"},        {"GO", "5208707", "Goiânia"},
    {"MA", "2111300", "São Luís"},       {"MG", "3106200", "Belo Horizonte"}, {"MS", "5002704", "Campo Grande"},
    {"MT", "5103403", "Cuiabá"},         {"PA", "1501402", "Belém"},          {"PB", "2507507", "João Pessoa"},
    {"PE", "2611606", "Recife"},         {"PI", "2211001", "Teresina"},       {"PR", "4106902", "Curitiba"},
    {"RJ", "3304557", "Rio de Janeiro"}, {"RN", "2408102", "Natal"},          {"RO", "1100205", "Porto Velho"},
    {"RR", "1400100", "Boa Vista"},      {"RS", "4314902", "Porto Alegre"},   {"SC", "4205407", "Florianópolis"},
    {"SE", "2800308", "Aracaju"},        {"SP", "3550308", "São Paulo"},      {"TO", "1721000", "Palmas"},
}};

const Capital* CapitalDaUf(std::string_view uf)
{
    for (const Capital& c : Capitais) {
        if (c.Uf == uf) {
            return &c;
        }
    }
    return nullptr;
}

// A zero-filled number of the field's width; a negative one carries "-" in the first position.
std::string Numerico(std::int64_t valor, int largura)
{
    const bool negativo = valor < 0;
    std::string digitos = std::to_string(negativo ? -valor : valor);
    const auto espaco = static_cast<std::size_t>(largura - (negativo ? 1 : 0));
    if (digitos.size() < espaco) {
        digitos.insert(0, espaco - digitos.size(), '0');
    }
    return negativo ? "-" + digitos : digitos;
}

// A layout with its fields indexed by number once, so building a record does not search the table.
class Molde
{
public:
    explicit Molde(LayoutRegistro layout) : layout_(layout)
    {
        for (const CampoLayout& c : layout.Campos) {
            campos_.at(static_cast<std::size_t>(c.Numero)) = &c;
        }
    }

    const CampoLayout* Campo(int numero) const
    {
        return numero > 0 && numero < static_cast<int>(campos_.size()) ? campos_[static_cast<std::size_t>(numero)]
                                                                       : nullptr;
    }
    std::size_t Tamanho() const { return static_cast<std::size_t>(layout_.Tamanho); }
    const CampoLayout& Codigo() const { return layout_.Campos[layout_.Campos.size() - 2]; }
    const CampoLayout& Fim() const { return layout_.Campos.back(); }

    // Left-aligned, blank-filled.
    void Poe(std::string& registro, int numero, std::string_view texto) const
    {
        const CampoLayout& c = *Campo(numero);
        const auto largura = static_cast<std::size_t>(c.Tamanho);
        const auto n = std::min(texto.size(), largura);
        const auto inicio = static_cast<std::size_t>(c.Inicio - 1);
        registro.replace(inicio, n, texto.substr(0, n));
        std::fill_n(registro.begin() + static_cast<std::ptrdiff_t>(inicio + n), largura - n, ' ');
    }
    void PoeNumero(std::string& registro, int numero, std::int64_t valor) const
    {
        Poe(registro, numero, Numerico(valor, Campo(numero)->Tamanho));
    }
    std::string_view De(const std::string& registro, int numero) const { return Campo(numero)->De(registro); }

    // A blank record of the full length, ending in CR LF.
    void Novo(std::string& registro) const
    {
        registro.assign(Tamanho(), ' ');
        Poe(registro, Fim().Numero, "\r\n");
    }

private:
    LayoutRegistro layout_;
    std::array<const CampoLayout*, 40> campos_{};
};

Molde MoldeDe(ArquivoVolume arquivo, GeracaoLayout g)
{
    switch (arquivo) {
    case ArquivoVolume::Mestre:
        return Molde(LayoutMestre(g));
    case ArquivoVolume::Item:
        return Molde(LayoutItem(g));
    case ArquivoVolume::Destinatario:
        break;
    }
    return Molde(LayoutDestinatario(g));
}

// A valid CPF of nine base digits that change with the document, so customers differ.
std::string CpfDoDocumento(std::int64_t documento)
{
    std::string cpf = std::to_string(100000000 + documento % 800000000);
    cpf += DigitoModulo11(cpf);
    cpf += DigitoModulo11(cpf);
    return cpf;
}

class SaidaArquivos : public GeradorVolume::Saida
{
public:
    ~SaidaArquivos() override
    {
        for (std::FILE* f : arquivos_) {
            if (f != nullptr) {
                std::fclose(f);
            }
        }
    }

    std::string Abre(ArquivoVolume arquivo, const std::filesystem::path& caminho)
    {
        const auto i = static_cast<std::size_t>(arquivo);
        nomes_[i] = caminho.string();
        arquivos_[i] = std::fopen(nomes_[i].c_str(), "wb");
        if (arquivos_[i] == nullptr) {
            return Falha(i);
        }
        // Large blocks: a benchmark volume is hundreds of megabytes.
        std::setvbuf(arquivos_[i], nullptr, _IOFBF, std::size_t{1} << 20);
        return {};
    }

    bool Escreve(ArquivoVolume arquivo, std::string_view bytes) override
    {
        const auto i = static_cast<std::size_t>(arquivo);
        if (!erro_.empty()) {
            return false;
        }
        if (std::fwrite(bytes.data(), 1, bytes.size(), arquivos_[i]) != bytes.size()) {
            erro_ = Falha(i);
            return false;
        }
        return true;
    }

    std::string Fecha()
    {
        for (std::size_t i = 0; i < arquivos_.size(); ++i) {
            if (arquivos_[i] != nullptr && std::fclose(arquivos_[i]) != 0 && erro_.empty()) {
                erro_ = Falha(i);
            }
            arquivos_[i] = nullptr;
        }
        return erro_;
    }

    const std::string& Erro() const { return erro_; }

private:
    std::string Falha(std::size_t i) const
    {
        return ParaWin1252("Não foi possível gravar " + nomes_[i] + ": ") + std::strerror(errno);
    }

    std::array<std::FILE*, 3> arquivos_{};
    std::array<std::string, 3> nomes_;
    std::string erro_;
};

class SaidaMemoria : public GeradorVolume::Saida
{
public:
    explicit SaidaMemoria(ConteudoVolume& destino) : destino_(destino) {}

    bool Escreve(ArquivoVolume arquivo, std::string_view bytes) override
    {
        switch (arquivo) {
        case ArquivoVolume::Mestre:
            destino_.Mestre.append(bytes);
            break;
        case ArquivoVolume::Item:
            destino_.Item.append(bytes);
            break;
        case ArquivoVolume::Destinatario:
            destino_.Destinatario.append(bytes);
            break;
        }
        return true;
    }

private:
    ConteudoVolume& destino_;
};

} // namespace

GeradorVolume::GeradorVolume(ParametrosVolume parametros)
    : parametros_(std::move(parametros)), geracao_(GeracaoDaReferencia(parametros_.Referencia))
{
}

std::string GeradorVolume::ErroParametros() const
{
    const ParametrosVolume& p = parametros_;
    // Messages are Windows-1252 like every text of the core; the values already are.
    auto falha = [](std::string_view texto, const std::string& valor) { return ParaWin1252(texto) + valor; };
    if (p.Referencia.size() != 4 || !SoAlgarismos(p.Referencia) || !ConstaNaLista(p.Referencia.substr(2), ListaMeses)) {
        return falha("Referência inválida: ", p.Referencia);
    }
    if (CapitalDaUf(p.Uf) == nullptr) {
        return falha("UF inválida: ", p.Uf);
    }
    if (p.Serie.empty() || p.Serie.size() > 3) {
        return falha("Série inválida: ", p.Serie);
    }
    if (p.Modelo != "01" && p.Modelo != "06" && p.Modelo != "21" && p.Modelo != "22" && p.Modelo != "28") {
        return falha("Modelo inválido: ", p.Modelo);
    }
    if (p.Cnpj.size() != 14 || !SoAlgarismos(p.Cnpj)) {
        return falha("CNPJ inválido: ", p.Cnpj);
    }
    if (p.Status.size() != 1 || p.Volume.size() != 3) {
        return falha("Status ou número do volume inválido: ", p.Status + " " + p.Volume);
    }
    if (p.Documentos < 0 || p.ItensPorDocumento < 0 || p.ItensPorDocumento > 990) {
        return falha("Quantidade de documentos ou de itens inválida", "");
    }
    if (p.PrimeiroNumero < 1 || p.PrimeiroNumero + p.Documentos - 1 > 999999999) {
        return falha("Numeração dos documentos não cabe em nove algarismos", "");
    }
    if (!p.DataEmissao.empty() && (p.DataEmissao.size() != 8 || !SoAlgarismos(p.DataEmissao))) {
        return falha("Data de emissão inválida: ", p.DataEmissao);
    }
    return {};
}

NomesVolume GeradorVolume::Nomes() const
{
    const ParametrosVolume& p = parametros_;
    const std::string serie = AlinhaEsquerda(p.Serie, 3);
    auto nome = [&](char tipo) {
        if (geracao_ == GeracaoLayout::V03) {
            return p.Uf + p.Cnpj + p.Modelo + serie + p.Referencia + p.Status + "01" + tipo + "." + p.Volume;
        }
        return p.Uf + serie + p.Referencia + p.Status + tipo + "." + p.Volume;
    };
    return {nome('M'), nome('I'), nome('D')};
}

bool GeradorVolume::DefineCampo(ArquivoVolume arquivo, std::int64_t indice, int campo, std::string_view texto)
{
    const Molde molde = MoldeDe(arquivo, geracao_);
    const CampoLayout* c = molde.Campo(campo);
    if (c == nullptr || texto.size() > static_cast<std::size_t>(c->Tamanho)) {
        return false;
    }
    campos_[{static_cast<int>(arquivo), indice}].emplace_back(campo, std::string(texto));
    return true;
}

void GeradorVolume::CorrompeBytes(ArquivoVolume arquivo, std::int64_t indice, int posicao, std::string_view bytes)
{
    bytes_[{static_cast<int>(arquivo), indice}].emplace_back(posicao, std::string(bytes));
}

void GeradorVolume::SubstituiRegistro(ArquivoVolume arquivo, std::int64_t indice, std::string bytes)
{
    substitutos_[{static_cast<int>(arquivo), indice}] = std::move(bytes);
}

void GeradorVolume::AcrescentaLinha(ArquivoVolume arquivo, std::string bytes)
{
    extras_[static_cast<int>(arquivo)].push_back(std::move(bytes));
}

void GeradorVolume::DefineItensDocumento(std::int64_t documento, int itens)
{
    itensPorDocumento_[documento] = itens;
}

int GeradorVolume::ItensDoDocumento(std::int64_t documento) const
{
    const auto i = itensPorDocumento_.find(documento);
    return i == itensPorDocumento_.end() ? parametros_.ItensPorDocumento : i->second;
}

void GeradorVolume::AplicaCampos(ArquivoVolume arquivo, std::int64_t indice, std::string& registro) const
{
    if (campos_.empty()) {
        return;
    }
    const auto i = campos_.find({static_cast<int>(arquivo), indice});
    if (i == campos_.end()) {
        return;
    }
    const Molde molde = MoldeDe(arquivo, geracao_);
    for (const auto& [campo, texto] : i->second) {
        molde.Poe(registro, campo, texto);
    }
}

bool GeradorVolume::CampoDefinido(ArquivoVolume arquivo, std::int64_t indice, int campo) const
{
    const auto i = campos_.find({static_cast<int>(arquivo), indice});
    return i != campos_.end() &&
           std::any_of(i->second.begin(), i->second.end(), [campo](const auto& d) { return d.first == campo; });
}

// The record code over the record as it stands (unless a test gave its own), then the raw changes.
void GeradorVolume::Finaliza(ArquivoVolume arquivo, std::int64_t indice, std::string& registro) const
{
    const Molde molde = MoldeDe(arquivo, geracao_);
    if (!CampoDefinido(arquivo, indice, molde.Codigo().Numero)) {
        const HexMd5 codigo = Md5HexFixo(Md5Texto(std::string_view(registro).substr(0, molde.Tamanho() - 34)));
        molde.Poe(registro, molde.Codigo().Numero, std::string_view(codigo.data(), codigo.size()));
    }
    if (bytes_.empty() && substitutos_.empty()) {
        return;
    }
    const Chave chave{static_cast<int>(arquivo), indice};
    if (const auto i = bytes_.find(chave); i != bytes_.end()) {
        for (const auto& [posicao, bytes] : i->second) {
            const auto inicio = static_cast<std::size_t>(posicao - 1);
            if (registro.size() < inicio + bytes.size()) {
                registro.resize(inicio + bytes.size(), ' ');
            }
            registro.replace(inicio, bytes.size(), bytes);
        }
    }
    if (const auto i = substitutos_.find(chave); i != substitutos_.end()) {
        registro = i->second;
    }
}

VolumeGravado GeradorVolume::Grava(const std::filesystem::path& pasta) const
{
    VolumeGravado resultado;
    if (resultado.Erro = ErroParametros(); !resultado.Erro.empty()) {
        return resultado;
    }
    std::error_code ec;
    std::filesystem::create_directories(pasta, ec);
    if (ec) {
        resultado.Erro = ParaWin1252("Não foi possível criar a pasta " + pasta.string() + ": ") + ec.message();
        return resultado;
    }
    resultado.Nomes = Nomes();
    SaidaArquivos saida;
    for (auto [arquivo, nome] : {std::pair{ArquivoVolume::Mestre, &resultado.Nomes.Mestre},
                                 std::pair{ArquivoVolume::Item, &resultado.Nomes.Item},
                                 std::pair{ArquivoVolume::Destinatario, &resultado.Nomes.Destinatario}}) {
        if (resultado.Erro = saida.Abre(arquivo, pasta / *nome); !resultado.Erro.empty()) {
            return resultado;
        }
    }
    resultado.Erro = Gera(saida);
    const std::string erroFechando = saida.Fecha();
    if (resultado.Erro.empty()) {
        resultado.Erro = erroFechando;
    }
    return resultado;
}

ConteudoVolume GeradorVolume::Conteudo() const
{
    ConteudoVolume conteudo;
    SaidaMemoria saida(conteudo);
    conteudo.Erro = Gera(saida);
    return conteudo;
}

std::string GeradorVolume::Gera(Saida& saida) const
{
    if (std::string erro = ErroParametros(); !erro.empty()) {
        return erro;
    }
    const ParametrosVolume& p = parametros_;
    const bool v03 = geracao_ == GeracaoLayout::V03;
    const Molde mestre = MoldeDe(ArquivoVolume::Mestre, geracao_);
    const Molde item = MoldeDe(ArquivoVolume::Item, geracao_);
    const Molde destinatario = MoldeDe(ArquivoVolume::Destinatario, geracao_);
    const Capital& capital = *CapitalDaUf(p.Uf);
    const std::string municipio = ParaWin1252(capital.NomeUtf8);
    const std::string serie = AlinhaEsquerda(p.Serie, 3);
    const std::string data = p.DataEmissao.empty() ? "20" + p.Referencia + "01" : p.DataEmissao;

    // Class, type of use and voltage group as each kind of document must carry them.
    const bool energia = p.Modelo == "06";
    const std::string classe = energia ? "1" : (v03 ? "0" : "1");
    const std::string tipoUtilizacao = "1";
    const std::string grupoTensao = energia ? "01" : "00";
    const std::string tipoCliente = energia ? "13" : "01";
    const std::string subclasse = energia ? "07" : "00";

    std::string mestreReg, itemReg, destinatarioReg;
    std::int64_t cursorItem = 0;
    for (std::int64_t d = 0; d < p.Documentos; ++d) {
        const std::string numero = Numerico(p.PrimeiroNumero + d, 9);
        const std::string cnpjCpf = "000" + CpfDoDocumento(d);
        const std::string razaoSocial = "CLIENTE " + Numerico(d + 1, 9);
        const std::string codigoConsumidor = "C" + Numerico(d + 1, 11);
        // Area code 11, then a number whose first digit is not zero and whose digits are never all zero.
        const std::string terminal = "1133" + Numerico(100001 + d % 800000, 6);

        // Items first: the document carries their sums.
        const std::int64_t primeiroItem = cursorItem;
        std::array<std::int64_t, 7> somas{}; // total, discount, surcharge, base, ICMS, exempt, other
        const int itens = ItensDoDocumento(d);
        for (int k = 0; k < itens; ++k, ++cursorItem) {
            const std::int64_t valor = 1000 + 250 * k + d % 1000;
            item.Novo(itemReg);
            item.Poe(itemReg, 1, cnpjCpf);
            item.Poe(itemReg, 2, p.Uf);
            item.Poe(itemReg, 3, classe);
            item.Poe(itemReg, 4, tipoUtilizacao);
            item.Poe(itemReg, 5, grupoTensao);
            item.Poe(itemReg, 6, data);
            item.Poe(itemReg, 7, p.Modelo);
            item.Poe(itemReg, 8, serie);
            item.Poe(itemReg, 9, numero);
            item.Poe(itemReg, 10, "0000");
            item.PoeNumero(itemReg, 11, k + 1);
            item.Poe(itemReg, 12, "ITEM" + Numerico(k + 1, 6));
            item.Poe(itemReg, 13, "SERVICO DE EXEMPLO");
            item.Poe(itemReg, 14, "0801");
            item.Poe(itemReg, 15, "UN");
            item.PoeNumero(itemReg, 16, 0);
            item.PoeNumero(itemReg, 17, 1000);
            item.PoeNumero(itemReg, 18, valor);
            for (int campo = 19; campo <= 23; ++campo) {
                item.PoeNumero(itemReg, campo, 0);
            }
            item.PoeNumero(itemReg, 24, valor);
            item.Poe(itemReg, 25, "0000");
            item.Poe(itemReg, 26, "N");
            item.Poe(itemReg, 27, p.Referencia);
            if (v03) {
                item.PoeNumero(itemReg, 29, 1000);
                for (int campo = 30; campo <= 34; ++campo) {
                    item.PoeNumero(itemReg, campo, 0);
                }
                item.Poe(itemReg, 36, "00");
            }
            AplicaCampos(ArquivoVolume::Item, cursorItem, itemReg);
            // The sums as the validator adds them up: a value that is not a number is left out.
            for (int campo = 18; campo <= 24; ++campo) {
                const std::string_view texto = item.De(itemReg, campo);
                std::int64_t lido = 0;
                if (InteiroDoCampo(texto, v03, lido)) {
                    somas[static_cast<std::size_t>(campo - 18)] += lido;
                }
            }
            Finaliza(ArquivoVolume::Item, cursorItem, itemReg);
            if (!saida.Escreve(ArquivoVolume::Item, itemReg)) {
                return {};
            }
        }

        const std::int64_t valorTotal = somas[0] + somas[2] - somas[1];
        mestre.Novo(mestreReg);
        mestre.Poe(mestreReg, 1, cnpjCpf);
        mestre.Poe(mestreReg, 2, "ISENTO");
        mestre.Poe(mestreReg, 3, razaoSocial);
        mestre.Poe(mestreReg, 4, p.Uf);
        mestre.Poe(mestreReg, 5, classe);
        mestre.Poe(mestreReg, 6, tipoUtilizacao);
        mestre.Poe(mestreReg, 7, grupoTensao);
        mestre.Poe(mestreReg, 8, codigoConsumidor);
        mestre.Poe(mestreReg, 9, data);
        mestre.Poe(mestreReg, 10, p.Modelo);
        mestre.Poe(mestreReg, 11, serie);
        mestre.Poe(mestreReg, 12, numero);
        mestre.PoeNumero(mestreReg, 14, valorTotal);
        mestre.PoeNumero(mestreReg, 15, somas[3]);
        mestre.PoeNumero(mestreReg, 16, somas[4]);
        mestre.PoeNumero(mestreReg, 17, somas[5]);
        mestre.PoeNumero(mestreReg, 18, somas[6]);
        mestre.Poe(mestreReg, 19, "N");
        mestre.Poe(mestreReg, 20, p.Referencia);
        mestre.PoeNumero(mestreReg, 21, primeiroItem + 1);
        mestre.Poe(mestreReg, 22, terminal);
        if (v03) {
            mestre.Poe(mestreReg, 23, "2");
            mestre.Poe(mestreReg, 24, tipoCliente);
            mestre.Poe(mestreReg, 25, subclasse);
            mestre.Poe(mestreReg, 27, p.Cnpj);
            mestre.Poe(mestreReg, 28, "FAT" + numero);
            mestre.PoeNumero(mestreReg, 29, valorTotal);
            // Meter readings only on electric-energy bills.
            mestre.Poe(mestreReg, 30, energia ? data.substr(0, 6) + "01" : "00000000");
            mestre.Poe(mestreReg, 31, energia ? data.substr(0, 6) + "01" : "00000000");
            mestre.Poe(mestreReg, 33, "00000000");
        }
        AplicaCampos(ArquivoVolume::Mestre, d, mestreReg);
        if (!CampoDefinido(ArquivoVolume::Mestre, d, 13)) {
            std::string texto;
            for (int campo : {1, 12, 14, 15, 16}) {
                texto += mestre.De(mestreReg, campo);
            }
            if (v03) {
                texto += mestre.De(mestreReg, 9);
                texto += mestre.De(mestreReg, 27);
            }
            const HexMd5 codigo = Md5HexFixo(Md5Texto(texto));
            mestre.Poe(mestreReg, 13, std::string_view(codigo.data(), codigo.size()));
        }
        Finaliza(ArquivoVolume::Mestre, d, mestreReg);
        if (!saida.Escreve(ArquivoVolume::Mestre, mestreReg)) {
            return {};
        }

        destinatario.Novo(destinatarioReg);
        destinatario.Poe(destinatarioReg, 1, cnpjCpf);
        destinatario.Poe(destinatarioReg, 2, "ISENTO");
        destinatario.Poe(destinatarioReg, 3, razaoSocial);
        destinatario.Poe(destinatarioReg, 4, "RUA DAS FLORES");
        destinatario.PoeNumero(destinatarioReg, 5, 1 + d % 9999);
        destinatario.Poe(destinatarioReg, 7, "01001000");
        destinatario.Poe(destinatarioReg, 8, "CENTRO");
        destinatario.Poe(destinatarioReg, 9, municipio);
        destinatario.Poe(destinatarioReg, 10, p.Uf);
        // The contact telephone in each generation's form: the terminal itself, or "0" + carrier code "0".
        destinatario.Poe(destinatarioReg, 11, geracao_ == GeracaoLayout::V02 ? "00" + terminal : terminal);
        destinatario.Poe(destinatarioReg, 12, codigoConsumidor);
        destinatario.Poe(destinatarioReg, 13, terminal);
        destinatario.Poe(destinatarioReg, 14, p.Uf);
        if (v03) {
            destinatario.Poe(destinatarioReg, 15, data);
            destinatario.Poe(destinatarioReg, 16, p.Modelo);
            destinatario.Poe(destinatarioReg, 17, serie);
            destinatario.Poe(destinatarioReg, 18, numero);
            destinatario.Poe(destinatarioReg, 19, capital.Codigo);
        }
        AplicaCampos(ArquivoVolume::Destinatario, d, destinatarioReg);
        Finaliza(ArquivoVolume::Destinatario, d, destinatarioReg);
        if (!saida.Escreve(ArquivoVolume::Destinatario, destinatarioReg)) {
            return {};
        }
    }
    for (auto arquivo : {ArquivoVolume::Mestre, ArquivoVolume::Item, ArquivoVolume::Destinatario}) {
        for (const std::string& linha : extras_[static_cast<int>(arquivo)]) {
            if (!saida.Escreve(arquivo, linha)) {
                return {};
            }
        }
    }
    return {};
}

} // namespace tessarin
