#pragma once

#include "relato/ContextoValidacao.h"
#include "relato/RegistrarOcorrencia.h"
#include "validacao/ValidacaoVolume.h"

#include <cstdio>
#include <string>

namespace tessarin::cli {

class PortasTerminal;

// The run's result for pipelines. Findings are streamed into the file as they are found, so a volume with
// millions of them does not grow memory; the counts, totals and ending are written when the run is over.
class ResultadoJson : public PortaAchados
{
public:
    explicit ResultadoJson(const std::string& caminho);
    ~ResultadoJson() override;
    bool Aberto() const { return arquivo_ != nullptr; }

    void Achado(const AchadoOcorrencia& achado) override;
    // Writes the rest and closes the file; false when anything could not be written.
    bool Conclui(const ContextoValidacao& ctx, const ResultadoValidacao& resultado, const PortasTerminal& portas);

private:
    void Escreve(const std::string& texto);

    std::FILE* arquivo_ = nullptr;
    std::string caminho_;
    bool primeiro_ = true;
    bool falhou_ = false;
};

} // namespace tessarin::cli
