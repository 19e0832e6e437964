#include "validacao/DigestsAntecipados.h"

#include "checagens/ValidaRegistroMestre.h"
#include "registros/LayoutRegistro.h"
#include "registros/Md5.h"

#include <algorithm>

namespace tessarin {

namespace {

constexpr std::int64_t Capacidade = DigestsAntecipados::RegistrosPorBloco * DigestsAntecipados::BlocosPorAnel;

std::size_t Posicao(std::int64_t indice)
{
    return static_cast<std::size_t>(indice % Capacidade);
}

} // namespace

DigestsAntecipados::DigestsAntecipados(GeracaoLayout geracao, const Arquivo& mestre, const Arquivo& item,
                                       const Arquivo& destinatario)
    : geracao_(geracao)
{
    // Each check digests the record cut to its generation's length; the thread digests the same bytes.
    const Arquivo* arquivos[QuantidadeFluxos] = {&mestre, &item, &destinatario};
    const std::size_t digeridos[QuantidadeFluxos] = {
        static_cast<std::size_t>(mestre.TamanhoRegistro),
        static_cast<std::size_t>(ComprimentosDaGeracao(geracao).Item),
        static_cast<std::size_t>(LayoutDestinatario(geracao).Tamanho),
    };
    for (int f = 0; f < QuantidadeFluxos; ++f) {
        Anel& anel = aneis_[static_cast<std::size_t>(f)];
        std::string erro;
        if (anel.Leitor.Abre(arquivos[f]->Caminho, arquivos[f]->TamanhoRegistro, &erro)) {
            anel.Total.store(anel.Leitor.Registros());
        }
        anel.Digerido = digeridos[f];
        anel.Entradas.assign(static_cast<std::size_t>(Capacidade), 0);
    }
    trabalhador_ = std::thread([this] { Trabalha(); });
}

DigestsAntecipados::~DigestsAntecipados()
{
    Para();
}

void DigestsAntecipados::Para()
{
    {
        const std::lock_guard<std::mutex> trava(mutex_);
        parar_ = true;
    }
    mudou_.notify_all();
    if (trabalhador_.joinable()) {
        trabalhador_.join();
    }
}

std::uint8_t DigestsAntecipados::Entrada(Fluxo fluxo, std::int64_t indice, bool& conhecida)
{
    conhecida = false;
    Anel& anel = aneis_[static_cast<std::size_t>(fluxo)];
    // Base is written only here, so this thread reads it without the lock.
    if (indice < anel.Base || indice >= anel.Total.load(std::memory_order_relaxed)) {
        return 0;
    }
    const std::int64_t bloco = indice - indice % RegistrosPorBloco;
    if (bloco > anel.Base) {
        // Once per block: the blocks before this record's are released to the thread.
        {
            const std::lock_guard<std::mutex> trava(mutex_);
            anel.Base = bloco;
        }
        mudou_.notify_all();
    }
    if (indice >= anel.Pronto.load(std::memory_order_acquire)) {
        std::unique_lock<std::mutex> trava(mutex_);
        mudou_.wait(trava, [&] {
            return indice < anel.Pronto.load(std::memory_order_relaxed) ||
                   indice >= anel.Total.load(std::memory_order_relaxed) || terminou_;
        });
        if (indice >= anel.Pronto.load(std::memory_order_relaxed)) {
            return 0;
        }
    }
    conhecida = true;
    return anel.Entradas[Posicao(indice)];
}

VereditoCodigo DigestsAntecipados::Mestre(std::int64_t indice)
{
    bool conhecida = false;
    const std::uint8_t e = Entrada(FluxoMestre, indice, conhecida);
    return !conhecida ? VereditoCodigo::Desconhecido
                      : ((e & RegistroConfere) != 0 ? VereditoCodigo::Confere : VereditoCodigo::Diverge);
}

VereditoCodigo DigestsAntecipados::Documento(std::int64_t indice)
{
    bool conhecida = false;
    const std::uint8_t e = Entrada(FluxoMestre, indice, conhecida);
    return !conhecida ? VereditoCodigo::Desconhecido
                      : ((e & DocumentoConfere) != 0 ? VereditoCodigo::Confere : VereditoCodigo::Diverge);
}

VereditoCodigo DigestsAntecipados::Item(std::int64_t indice)
{
    bool conhecida = false;
    const std::uint8_t e = Entrada(FluxoItem, indice, conhecida);
    return !conhecida ? VereditoCodigo::Desconhecido
                      : ((e & RegistroConfere) != 0 ? VereditoCodigo::Confere : VereditoCodigo::Diverge);
}

VereditoCodigo DigestsAntecipados::Destinatario(std::int64_t indice)
{
    bool conhecida = false;
    const std::uint8_t e = Entrada(FluxoDestinatario, indice, conhecida);
    return !conhecida ? VereditoCodigo::Desconhecido
                      : ((e & RegistroConfere) != 0 ? VereditoCodigo::Confere : VereditoCodigo::Diverge);
}

bool DigestsAntecipados::ProximoLote(Fluxo& fluxo, std::int64_t& inicio, std::int64_t& fim)
{
    std::unique_lock<std::mutex> trava(mutex_);
    while (!parar_) {
        bool resta = false;
        for (int passo = 0; passo < QuantidadeFluxos; ++passo) {
            const int f = (vez_ + passo) % QuantidadeFluxos;
            const Anel& anel = aneis_[static_cast<std::size_t>(f)];
            const std::int64_t proximo = std::max(anel.Pronto.load(std::memory_order_relaxed), anel.Base);
            const std::int64_t total = anel.Total.load(std::memory_order_relaxed);
            if (proximo >= total) {
                continue;
            }
            resta = true;
            const std::int64_t limite = std::min(anel.Base + Capacidade, total);
            if (proximo < limite) {
                vez_ = (f + 1) % QuantidadeFluxos;
                fluxo = static_cast<Fluxo>(f);
                inicio = proximo;
                fim = std::min(proximo + RegistrosPorBloco, limite);
                return true;
            }
        }
        if (!resta) {
            return false;
        }
        // Every ring is full: wait for the loop to move on.
        mudou_.wait(trava);
    }
    return false;
}

void DigestsAntecipados::Calcula(Fluxo fluxo, std::int64_t inicio, std::int64_t fim, std::vector<std::uint8_t>& lote)
{
    Anel& anel = aneis_[static_cast<std::size_t>(fluxo)];
    lote.clear();
    if (!anel.Leitor.Posiciona(inicio)) {
        return;
    }
    for (std::int64_t i = inicio; i < fim; ++i) {
        const std::string_view registro = anel.Leitor.Le();
        if (registro.empty()) {
            return;
        }
        const std::string_view digerido = registro.substr(0, std::min(registro.size(), anel.Digerido));
        std::uint8_t entrada = CodigoRegistroConfere(digerido) ? RegistroConfere : 0;
        if (fluxo == FluxoMestre && CodigoDocumentoConfere(registro, geracao_)) {
            entrada |= DocumentoConfere;
        }
        lote.push_back(entrada);
    }
}

void DigestsAntecipados::Trabalha()
{
    std::vector<std::uint8_t> lote;
    lote.reserve(static_cast<std::size_t>(RegistrosPorBloco));
    try {
        Fluxo fluxo{};
        std::int64_t inicio = 0, fim = 0;
        while (ProximoLote(fluxo, inicio, fim)) {
            Calcula(fluxo, inicio, fim, lote);
            const auto calculados = static_cast<std::int64_t>(lote.size());
            {
                const std::lock_guard<std::mutex> trava(mutex_);
                Anel& anel = aneis_[static_cast<std::size_t>(fluxo)];
                // The loop may have moved past part of the lot meanwhile; its slots may already belong to
                // records ahead, so only the records still held are written.
                for (std::int64_t i = std::max(inicio, anel.Base); i < inicio + calculados; ++i) {
                    anel.Entradas[Posicao(i)] = lote[static_cast<std::size_t>(i - inicio)];
                }
                anel.Pronto.store(std::max(inicio + calculados, anel.Base), std::memory_order_release);
                if (calculados < fim - inicio) {
                    // The file ended early: the records past it are the loop's to read and report.
                    anel.Total.store(inicio + calculados, std::memory_order_relaxed);
                }
            }
            mudou_.notify_all();
        }
    } catch (...) {
        // The loop reads the same records and meets the same failure where it always did; here the
        // verdicts just stop.
    }
    {
        const std::lock_guard<std::mutex> trava(mutex_);
        terminou_ = true;
    }
    mudou_.notify_all();
}

} // namespace tessarin
