#pragma once

#include <cstdint>

namespace tessarin {

// The three gauges of the validation window's digest panel, one per volume file, named after their labels.
enum class MedidorDigest { Mestre, Item, Cadastro };

// What a whole-file digest needs from whoever shows its progress: the window moves a gauge, the command
// line draws on the terminal, tests record the calls. Every gauge runs from 0 to its maximum; values are
// 64-bit because a file may be larger than 4 GiB, and a display with a narrower range scales them itself.
// Called once per 4096-byte block, so an implementation that repaints should do it on a timer, not on
// every call.
class ProgressoDigest
{
public:
    virtual ~ProgressoDigest() = default;

    // Shows the gauge with the range 0 to maximo; its position is left to the digest that follows.
    virtual void DefinirMaximo(MedidorDigest medidor, std::uint64_t maximo) = 0;
    virtual void DefinirPosicao(MedidorDigest medidor, std::uint64_t posicao) = 0;
    // Lets pending work (window messages, repaints) run so the program stays responsive during a long file.
    virtual void DeixarRodar() = 0;
};

} // namespace tessarin
