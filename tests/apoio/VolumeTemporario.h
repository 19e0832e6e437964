#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace tessarin::teste {

// A fresh folder under the system's temporary folder, per test name and process.
inline std::filesystem::path PastaTemporaria(const std::string& nome)
{
    auto pasta = std::filesystem::temp_directory_path() / ("tessarin-" + nome + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(pasta);
    std::filesystem::create_directories(pasta);
    return pasta;
}

inline void EscreveArquivo(const std::filesystem::path& caminho, std::string_view bytes)
{
    std::ofstream(caminho, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string LeArquivo(const std::filesystem::path& caminho)
{
    std::ifstream entrada(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

// A record of `tamanho` bytes: blanks, then CR LF.
inline std::string RegistroEmBranco(int tamanho)
{
    return std::string(static_cast<std::size_t>(tamanho - 2), ' ') + "\r\n";
}

// Writes `valor` at the 1-based `posicao` of the record.
inline void Poe(std::string& registro, std::size_t posicao, std::string_view valor)
{
    registro.replace(posicao - 1, valor.size(), valor);
}

} // namespace tessarin::teste
