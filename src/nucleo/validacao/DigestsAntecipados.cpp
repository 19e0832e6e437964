#include "validacao/DigestsAntecipados.h"

#include "checagens/ValidaRegistroMestre.h"
#include "registros/LayoutRegistro.h"
#include "registros/Md5.h"

#include <algorithm>

namespace tessarin {

namespace {

std::size_t Vaga(std::int64_t indice)
{
    return static_cast<std::size_t>(indice % DigestsAntecipados::Capacidade);
}

std::uint64_t Etiqueta(std::int64_t indice)
{
    return static_cast<std::uint64_t>(indice + 1) << 8;
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
        anel.Slots = std::make_unique<std::atomic<std::uint64_t>[]>(static_cast<std::size_t>(Capacidade));
    }
    trabalhador_ = std::thread([this] { Trabalha(); });
}

DigestsAntecipados::~DigestsAntecipados()
{
    Para();
}

void DigestsAntecipados::Para()
{
    parar_.store(true);
    {
        // Taken so that a thread between its last look at parar_ and its wait cannot miss the notice.
        const std::lock_guard<std::mutex> trava(mutex_);
    }
    mudou_.notify_all();
    if (trabalhador_.joinable()) {
        trabalhador_.join();
    }
}

void DigestsAntecipados::AguardaAdiantado()
{
    std::unique_lock<std::mutex> trava(mutex_);
    mudou_.wait(trava, [&] { return adiantado_; });
}

std::uint64_t DigestsAntecipados::Entrada(Fluxo fluxo, std::int64_t indice)
{
    Anel& anel = aneis_[static_cast<std::size_t>(fluxo)];
    if (indice < 0 || indice >= anel.Total.load(std::memory_order_relaxed)) {
        return 0;
    }
    if (indice > anel.PosicaoLaco) {
        anel.PosicaoLaco = indice;
        anel.Posicao.store(indice, std::memory_order_relaxed);
        const std::int64_t lote = indice - indice % RegistrosPorLote;
        if (lote > anel.BaseLaco) {
            // Once per lot the ring moves on. The thread announces its sleep before it looks at the bases
            // one last time, and this side publishes the base before it looks for a sleeper (both in the
            // single total order), so one of the two always sees the other.
            anel.BaseLaco = lote;
            anel.Base.store(lote);
            if (dormindo_.load()) {
                {
                    const std::lock_guard<std::mutex> trava(mutex_);
                    adiantado_ = false;
                }
                mudou_.notify_all();
            }
        }
    }
    // The slot holds this record's verdict only if its tag says so: the thread may have skipped the record,
    // not reached it yet, or already reused the slot for one a ring further on.
    const std::uint64_t vaga = anel.Slots[Vaga(indice)].load(std::memory_order_acquire);
    return (vaga & ~std::uint64_t{0xff}) == Etiqueta(indice) ? vaga : 0;
}

VereditoCodigo DigestsAntecipados::Veredito(Fluxo fluxo, std::int64_t indice, std::uint64_t bit)
{
    const std::uint64_t e = Entrada(fluxo, indice);
    return e == 0 ? VereditoCodigo::Desconhecido : ((e & bit) != 0 ? VereditoCodigo::Confere : VereditoCodigo::Diverge);
}

VereditoCodigo DigestsAntecipados::Mestre(std::int64_t indice)
{
    return Veredito(FluxoMestre, indice, RegistroConfere);
}

VereditoCodigo DigestsAntecipados::Documento(std::int64_t indice)
{
    return Veredito(FluxoMestre, indice, DocumentoConfere);
}

VereditoCodigo DigestsAntecipados::Item(std::int64_t indice)
{
    return Veredito(FluxoItem, indice, RegistroConfere);
}

VereditoCodigo DigestsAntecipados::Destinatario(std::int64_t indice)
{
    return Veredito(FluxoDestinatario, indice, RegistroConfere);
}

DigestsAntecipados::Escolha DigestsAntecipados::EscolheLote(Fluxo& fluxo, std::int64_t& inicio, std::int64_t& fim)
{
    bool resta = false;
    int escolhido = -1;
    std::int64_t escolhidoProximo = 0, escolhidoLimite = 0, escolhidoFolga = 0, escolhidoTotal = 1;
    for (int f = 0; f < QuantidadeFluxos; ++f) {
        const Anel& anel = aneis_[static_cast<std::size_t>(f)];
        const std::int64_t total = anel.Total.load(std::memory_order_relaxed);
        const std::int64_t base = anel.Base.load();
        // Caught up with the loop, or behind it: the records just ahead of it are the loop's to digest, as
        // it would reach them before a lot of ours was done; the thread goes on past them.
        const std::int64_t laco = std::max<std::int64_t>(anel.Posicao.load(std::memory_order_relaxed), 0);
        const std::int64_t proximo = std::max(anel.Proximo, laco + Margem);
        if (proximo >= total) {
            continue;
        }
        resta = true;
        const std::int64_t limite = std::min(base + Capacidade, total);
        if (proximo >= limite) {
            continue;
        }
        // The file where the thread is least ahead of the loop, as a share of the file: the three files
        // advance together (a document has one Mestre and one Destinatario record and several Items), so
        // this is the file the loop would otherwise soonest have to digest itself.
        const std::int64_t folga = proximo - laco;
        if (escolhido < 0 || folga * escolhidoTotal < escolhidoFolga * total) {
            escolhido = f;
            escolhidoProximo = proximo;
            escolhidoLimite = limite;
            escolhidoFolga = folga;
            escolhidoTotal = total;
        }
    }
    if (escolhido >= 0) {
        fluxo = static_cast<Fluxo>(escolhido);
        inicio = escolhidoProximo;
        fim = std::min(escolhidoProximo + RegistrosPorLote, escolhidoLimite);
        aneis_[static_cast<std::size_t>(escolhido)].Proximo = fim;
        return Escolha::Lote;
    }
    return resta ? Escolha::Cheio : Escolha::Fim;
}

bool DigestsAntecipados::ProximoLote(Fluxo& fluxo, std::int64_t& inicio, std::int64_t& fim)
{
    while (!parar_.load()) {
        Escolha escolha = EscolheLote(fluxo, inicio, fim);
        if (escolha == Escolha::Cheio) {
            // A ring ahead of the loop in every file left: sleep until the loop moves on.
            std::unique_lock<std::mutex> trava(mutex_);
            dormindo_.store(true);
            escolha = EscolheLote(fluxo, inicio, fim);
            if (escolha == Escolha::Cheio && !parar_.load()) {
                adiantado_ = true;
                mudou_.notify_all();
                mudou_.wait(trava);
                adiantado_ = false;
            }
            dormindo_.store(false);
        }
        if (escolha == Escolha::Lote) {
            return true;
        }
        if (escolha == Escolha::Fim) {
            return false;
        }
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
    lote.reserve(static_cast<std::size_t>(RegistrosPorLote));
    try {
        Fluxo fluxo{};
        std::int64_t inicio = 0, fim = 0;
        while (ProximoLote(fluxo, inicio, fim)) {
            Calcula(fluxo, inicio, fim, lote);
            const auto calculados = static_cast<std::int64_t>(lote.size());
            Anel& anel = aneis_[static_cast<std::size_t>(fluxo)];
            // The loop may have moved past part of the lot meanwhile; those records it has digested itself.
            for (std::int64_t i = std::max(inicio, anel.Base.load(std::memory_order_relaxed)); i < inicio + calculados;
                 ++i) {
                anel.Slots[Vaga(i)].store(Etiqueta(i) | lote[static_cast<std::size_t>(i - inicio)],
                                          std::memory_order_release);
            }
            if (calculados < fim - inicio) {
                // The file ended early: the records past it are the loop's to read and report.
                anel.Total.store(inicio + calculados, std::memory_order_relaxed);
            }
        }
    } catch (...) {
        // The loop reads the same records and meets the same failure where it always did; here the
        // verdicts just stop.
    }
    {
        const std::lock_guard<std::mutex> trava(mutex_);
        adiantado_ = true;
    }
    mudou_.notify_all();
}

} // namespace tessarin
