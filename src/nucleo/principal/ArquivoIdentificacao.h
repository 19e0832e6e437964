#pragma once

#include "principal/Identificacao.h"

#include <filesystem>
#include <string>

namespace tessarin {

enum class SituacaoLeitura {
    Lida,             // the fields are in `Dados`
    SemIdentificacao, // readable, but without the section "IDENTIFICACAO": not an identification file
    Falha,            // missing, unreadable, not text or too large
};

struct LeituraIdentificacao
{
    SituacaoLeitura Situacao = SituacaoLeitura::Falha;
    Identificacao Dados;
    std::string Mensagem; // Windows-1252, to be shown as an error when the situation is not `Lida`
};

// Reads the twelve fields from an identification file. A missing key reads as the empty text; the
// telefone is rebuilt with `FormataTelefone`, every other value is given as stored. The caller evaluates
// the result with `VerificaIdentificacao`; on anything but `Lida` it leaves its fields as they were.
LeituraIdentificacao LeIdentificacao(const std::filesystem::path& arquivo);

// Writes the twelve fields into their three sections, creating the file or updating it in place and
// keeping its other sections and keys. On failure the file is as it was and `erro` names it.
bool GravaIdentificacao(const std::filesystem::path& arquivo, const Identificacao& identificacao, std::string& erro);

// The name the save command writes to: when the chosen file name holds a ".", everything from its first
// "." on becomes ".ini" (a point in a folder's name is not looked at).
std::filesystem::path NomeArquivoIdentificacao(const std::filesystem::path& escolhido);

} // namespace tessarin
