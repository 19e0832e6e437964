#pragma once

#include "registros/ProgressoDigest.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

namespace tessarin {

// Every digest of the program is MD5, taken by OpenSSL's libcrypto over the exact bytes given: texts are
// Windows-1252, one byte per character, no terminator. A digest is shown, stored and compared only as 32
// upper-case hexadecimal characters.

using DigestMd5 = std::array<unsigned char, 16>;
using HexMd5 = std::array<char, 32>;

DigestMd5 Md5Buffer(const void* dados, std::size_t tamanho);
DigestMd5 Md5Texto(std::string_view texto);

std::string Md5Hex(const DigestMd5& digest);
// The same characters without touching the heap, for the per-record checks.
HexMd5 Md5HexFixo(const DigestMd5& digest);

// Two codes compared as the volume files need: same length, letters without regard to case, so a stored
// code written in lower case is accepted.
bool CodigosIguais(std::string_view a, std::string_view b);

// True when the hex form of the digest of texto equals codigo (case-insensitive). Does not allocate.
bool Md5Confere(std::string_view texto, std::string_view codigo);

// The record authentication code: a record of L bytes, CR LF included, ends with 32 hex characters just
// before CR LF that must be the digest of its first L - 34 bytes. A record too short to hold a code does
// not match. Does not allocate: it runs once per record of volumes of millions of records.
bool CodigoRegistroConfere(std::string_view registro);

// Result of digesting a whole file: the digest, or a message (Windows-1252) naming the file and the
// system's reason, for the command to show. Nothing is thrown for a file that cannot be read.
struct DigestArquivo
{
    DigestMd5 digest{};
    std::string erro;

    bool Ok() const { return erro.empty(); }
};

// The gauge of a volume file, by its name: "M." is the Mestre file, else "I." the Item file, else the
// Destinatario file. Only the name after the last folder separator counts, so a folder named like a
// volume file cannot pick the wrong gauge.
MedidorDigest MedidorDoArquivo(std::string_view nome);

// Digests the stream from its first byte, whatever its current position, in blocks of 4096 bytes,
// reporting each block to progresso (may be null). The Item gauge counts tens of bytes. The stream must be
// seekable; its position and state flags are the same on return as on entry, failure included. nome picks
// the gauge and names the file in a message.
DigestArquivo Md5Fluxo(std::istream& fluxo, std::string_view nome, ProgressoDigest* progresso);

// Opens the file (relative names against the working directory), digests it with Md5Fluxo and closes it.
DigestArquivo Md5Arquivo(const std::filesystem::path& arquivo, ProgressoDigest* progresso);

} // namespace tessarin
