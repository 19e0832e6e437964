#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tessarin {

// The occurrence log: Windows-1252 lines ended by CR LF, each flushed as it is written so that the file is
// complete up to the last occurrence even when the run fails. Failures throw ErroEntradaSaida.
class ArquivoLog
{
public:
    ArquivoLog() = default;
    ~ArquivoLog();
    ArquivoLog(const ArquivoLog&) = delete;
    ArquivoLog& operator=(const ArquivoLog&) = delete;

    // Creates the file empty, or truncates an existing one.
    void Cria(const std::string& caminho);
    bool Aberto() const { return arquivo_ != nullptr; }
    const std::string& Caminho() const { return caminho_; }
    // Writes the text, then CR LF, then flushes.
    void EscreveLinha(std::string_view texto);
    // Writes the text as it stands (it carries its own line ends), then flushes.
    void Escreve(std::string_view texto);
    void Fecha();

private:
    std::FILE* arquivo_ = nullptr;
    std::string caminho_;
};

} // namespace tessarin
