#include "relato/ArquivoLog.h"

#include "dados/Texto1252.h"
#include "registros/ErroEntradaSaida.h"

#include <cerrno>

namespace tessarin {

ArquivoLog::~ArquivoLog()
{
    if (arquivo_ != nullptr) {
        std::fclose(arquivo_);
    }
}

void ArquivoLog::Cria(const std::string& caminho)
{
    Fecha();
    caminho_ = caminho;
    arquivo_ = std::fopen(caminho.c_str(), "wb");
    if (arquivo_ == nullptr) {
        throw ErroEntradaSaida::DoSistema(ParaWin1252("Não foi possível criar o arquivo de ocorrências"), caminho,
                                          errno);
    }
}

void ArquivoLog::Escreve(std::string_view texto)
{
    if (arquivo_ == nullptr) {
        return;
    }
    if (std::fwrite(texto.data(), 1, texto.size(), arquivo_) != texto.size() || std::fflush(arquivo_) != 0) {
        const int codigo = errno;
        std::fclose(arquivo_);
        arquivo_ = nullptr;
        throw ErroEntradaSaida::DoSistema(ParaWin1252("Erro ao gravar o arquivo de ocorrências"), caminho_, codigo);
    }
}

void ArquivoLog::EscreveLinha(std::string_view texto)
{
    if (arquivo_ == nullptr) {
        return;
    }
    const bool gravou = std::fwrite(texto.data(), 1, texto.size(), arquivo_) == texto.size() &&
                        std::fwrite("\r\n", 1, 2, arquivo_) == 2 && std::fflush(arquivo_) == 0;
    if (!gravou) {
        const int codigo = errno;
        std::fclose(arquivo_);
        arquivo_ = nullptr;
        throw ErroEntradaSaida::DoSistema(ParaWin1252("Erro ao gravar o arquivo de ocorrências"), caminho_, codigo);
    }
}

void ArquivoLog::Fecha()
{
    if (arquivo_ == nullptr) {
        return;
    }
    const int resultado = std::fclose(arquivo_);
    arquivo_ = nullptr;
    if (resultado != 0) {
        throw ErroEntradaSaida::DoSistema(ParaWin1252("Erro ao fechar o arquivo de ocorrências"), caminho_, errno);
    }
}

} // namespace tessarin
