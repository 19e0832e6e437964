#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin {

// An INI file read and written the way the system's private-profile functions treat it, so that a file
// the user edits by hand, or shares with other programs, keeps everything that is not ours:
// - section and key names are compared without regard to ASCII case; the first matching section and key win;
// - a key's value is the text after its first "=", without the blanks and tabs around it and without one
//   pair of matching quotes ('...' or "...") around it;
// - writing replaces an existing key's line in place, appends a new key after the last non-blank line of
//   its section, and appends a new section at the end of the file;
// - every other line (foreign sections and keys, comments, blank lines, their own line ends) is kept
//   byte for byte; the lines this class writes end in CR LF.
// Texts are Windows-1252 bytes. Every failure is a value: false plus a message naming the file.
class ArquivoIni
{
public:
    // Beyond these a file is not an INI file a person keeps, and reading it whole would be unsafe.
    static constexpr std::uintmax_t TamanhoMaximo = 4 * 1024 * 1024;
    static constexpr std::size_t LinhaMaxima = 64 * 1024;

    // Replaces the contents with the file's. Fails when the file is missing, is not a regular file,
    // cannot be read, holds NUL bytes (not text) or exceeds the limits above; the contents are then empty.
    bool Carrega(const std::filesystem::path& arquivo, std::string& erro);

    bool TemSecao(std::string_view secao) const;

    // The key's value, or the empty text when the section or the key is missing.
    std::string Le(std::string_view secao, std::string_view chave) const;

    // Sets the key's value in memory. Fails, changing nothing, for a value or a name that cannot stand
    // on one INI line (line breaks, NUL bytes, a "]" in a section name, a "=" in a key name...).
    bool Grava(std::string_view secao, std::string_view chave, std::string_view valor, std::string& erro);

    // Writes the contents to a temporary file in the destination's folder and renames it over the
    // destination, so an interrupted or failed save leaves the old file whole. A symbolic link is followed
    // and its target replaced.
    bool Salva(const std::filesystem::path& arquivo, std::string& erro) const;

    // The file's bytes as `Salva` would write them.
    std::string Conteudo() const;

private:
    std::vector<std::string> linhas_; // each with its own line end as read; the last one may lack it
};

// A path as Windows-1252 text, for messages.
std::string NomeParaMensagem(const std::filesystem::path& arquivo);

} // namespace tessarin
