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

// Takes the record digests of a volume on a thread of its own, ahead of the record loop, and hands the
// loop each record's verdict: the digests are most of a run's cost and the checks most of the rest, so two
// cores run them side by side. The thread reads the three files through its own readers, in order, and
// keeps a bounded ring of verdicts per file, so memory stays flat whatever the volume's size.
//
// The loop asks in its own order. A record the ring no longer holds (the item walk jumped back), one the
// thread could not read, or one not digested before Para() gets Desconhecido and the check digests the record
// itself; the verdicts are the same either way, so the occurrences and their order do not depend on
// timing. A read failure of the thread is not reported by it: the loop reads the same records and meets
// the failure at the point it always did.
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
    // Stops the thread and waits for it (at most one block of digests).
    ~DigestsAntecipados();
    DigestsAntecipados(const DigestsAntecipados&) = delete;
    DigestsAntecipados& operator=(const DigestsAntecipados&) = delete;

    // The Mestre record's own code and its document code; the Item record's; the Destinatario record's.
    // Asking for a record lets the ring drop the blocks before it.
    VereditoCodigo Mestre(std::int64_t indice);
    VereditoCodigo Documento(std::int64_t indice);
    VereditoCodigo Item(std::int64_t indice);
    VereditoCodigo Destinatario(std::int64_t indice);

    // Stops the thread; records it had not digested are then answered Desconhecido.
    void Para();

    // Records per block, blocks per ring.
    static constexpr std::int64_t RegistrosPorBloco = 2048;
    static constexpr std::int64_t BlocosPorAnel = 16;

private:
    enum Fluxo { FluxoMestre, FluxoItem, FluxoDestinatario, QuantidadeFluxos };
    // Bits of a ring entry.
    static constexpr std::uint8_t RegistroConfere = 1, DocumentoConfere = 2;

    struct Anel
    {
        LeitorRegistros Leitor;              // the thread's only
        std::size_t Digerido = 0;            // bytes of a record its check digests
        std::atomic<std::int64_t> Total{0};  // records the thread may digest; cut if the file ends early
        std::int64_t Base = 0;               // first index still held; moved by the loop, under the lock
        std::atomic<std::int64_t> Pronto{0}; // entries [Base, Pronto) are published
        std::vector<std::uint8_t> Entradas;
    };

    std::uint8_t Entrada(Fluxo fluxo, std::int64_t indice, bool& conhecida);
    void Trabalha();
    bool ProximoLote(Fluxo& fluxo, std::int64_t& inicio, std::int64_t& fim);
    void Calcula(Fluxo fluxo, std::int64_t inicio, std::int64_t fim, std::vector<std::uint8_t>& lote);

    GeracaoLayout geracao_;
    std::array<Anel, QuantidadeFluxos> aneis_;
    std::mutex mutex_;
    std::condition_variable mudou_;
    bool parar_ = false;    // under the lock
    bool terminou_ = false; // under the lock: the thread ended (done, stopped or failed)
    int vez_ = 0;           // the thread's round-robin over the files
    std::thread trabalhador_;
};

} // namespace tessarin
