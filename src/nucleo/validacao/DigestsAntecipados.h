#pragma once

#include "dados/GeracaoLayout.h"
#include "registros/LeitorRegistros.h"
#include "registros/VereditoCodigo.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tessarin {

// Takes record digests of a volume on a thread of its own and hands the record loop each verdict it has:
// the digests are most of a run's cost and the checks most of the rest, so two cores share them. The loop
// never waits: a record the thread has not digested is answered Desconhecido and the check digests it
// itself. So that the two do not digest the same records, the thread keeps ahead of the loop: when it finds
// itself at or behind the loop's last asked record of a file, it jumps a margin past it and leaves the
// records in between to the loop. Both cores so stay busy to the end, instead of one waiting for the other.
//
// The thread reads the three files through its own readers and keeps a bounded ring of verdicts per file,
// never more than a ring ahead of the loop, so memory stays flat whatever the volume's size. Each slot
// carries the index it was written for, so a record the ring no longer holds (the item walk jumped back),
// one the thread skipped or could not read, or one not digested before Para() is simply Desconhecido; the
// verdicts are the same either way, so the occurrences and their order do not depend on timing. A read
// failure of the thread is not reported by it: the loop reads the same records and meets the failure at
// the point it always did.
class DigestsAntecipados
{
public:
    struct Arquivo
    {
        std::string Caminho;
        int TamanhoRegistro = 1;
    };

    // Starts the thread. A file that cannot be opened leaves its verdicts unknown.
    DigestsAntecipados(GeracaoLayout geracao, const Arquivo& mestre, const Arquivo& item, const Arquivo& destinatario);
    // Stops the thread and waits for it (at most one lot of digests).
    ~DigestsAntecipados();
    DigestsAntecipados(const DigestsAntecipados&) = delete;
    DigestsAntecipados& operator=(const DigestsAntecipados&) = delete;

    // The Mestre record's own code and its document code; the Item record's; the Destinatario record's.
    // Only the record loop asks. Asking tells the thread where the loop is: it moves ahead of it, and the
    // ring drops the lots before it.
    VereditoCodigo Mestre(std::int64_t indice);
    VereditoCodigo Documento(std::int64_t indice);
    VereditoCodigo Item(std::int64_t indice);
    VereditoCodigo Destinatario(std::int64_t indice);

    // Waits until the thread has nothing more it may do until the loop moves on: each file digested to its
    // end or a ring ahead of the loop. A run never needs it; it lets a caller see what was handed over
    // without racing the thread.
    void AguardaAdiantado();

    // Stops the thread; records it had not digested are then answered Desconhecido.
    void Para();

    // Records per lot the thread digests at a time; how far past the loop it jumps when caught up; records
    // a ring holds, a whole number of lots.
    static constexpr std::int64_t RegistrosPorLote = 256;
    static constexpr std::int64_t Margem = 64;
    static constexpr std::int64_t Capacidade = 128 * RegistrosPorLote;

private:
    enum Fluxo { FluxoMestre, FluxoItem, FluxoDestinatario, QuantidadeFluxos };
    // What the thread may do next: digest a lot, wait for the loop to move on, or stop for good.
    enum class Escolha { Lote, Cheio, Fim };
    // Bits of a ring slot under its tag, (index + 1) << 8: a fresh slot of zeros matches no index.
    static constexpr std::uint64_t RegistroConfere = 1, DocumentoConfere = 2;

    struct Anel
    {
        LeitorRegistros Leitor;                // the thread's only
        std::size_t Digerido = 0;              // bytes of a record its check digests
        std::atomic<std::int64_t> Total{0};    // records the thread may digest; cut if the file ends early
        std::atomic<std::int64_t> Posicao{-1}; // the loop's furthest asked record
        std::atomic<std::int64_t> Base{0};     // the lot of that record: the ring holds [Base, Base + Capacidade)
        std::int64_t PosicaoLaco = -1;         // the loop's own copies of the two, to store only on a change
        std::int64_t BaseLaco = 0;
        std::int64_t Proximo = 0; // the thread's next record
        std::unique_ptr<std::atomic<std::uint64_t>[]> Slots;
    };

    std::uint64_t Entrada(Fluxo fluxo, std::int64_t indice);
    VereditoCodigo Veredito(Fluxo fluxo, std::int64_t indice, std::uint64_t bit);
    void Trabalha();
    bool ProximoLote(Fluxo& fluxo, std::int64_t& inicio, std::int64_t& fim);
    Escolha EscolheLote(Fluxo& fluxo, std::int64_t& inicio, std::int64_t& fim);
    void Calcula(Fluxo fluxo, std::int64_t inicio, std::int64_t fim, std::vector<std::uint8_t>& lote);

    GeracaoLayout geracao_;
    std::array<Anel, QuantidadeFluxos> aneis_;
    std::mutex mutex_;
    std::condition_variable mudou_;
    std::atomic<bool> parar_{false};
    std::atomic<bool> dormindo_{false}; // the thread waits for the loop to move on
    bool adiantado_ = false;            // under the lock: the thread has nothing it may do, or has ended
    std::thread trabalhador_;
};

} // namespace tessarin
