#pragma once

#include "dados/GeracaoLayout.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessarin {

// The three files of a volume, as the builder addresses them.
enum class ArquivoVolume { Mestre, Item, Destinatario };

// What a sample volume is made of. Texts are Windows-1252; the defaults give a normal exit volume of the
// newest generation.
struct ParametrosVolume
{
    std::string Referencia = "1701";     // AAMM; picks the generation and the name format
    std::string Uf = "SP";               // the volume's and the customers' UF (one of the 27 states)
    std::string Serie = "001";           // up to three characters, blank-padded on the right
    std::string Modelo = "22";           // "01", "06", "21", "22" or "28"
    std::string Cnpj = "11222333000181"; // taxpayer and issuer, 14 digits
    std::string Status = "N";
    std::string Volume = "001"; // three characters: "001" exit, "E01" entry
    std::int64_t Documentos = 3;
    int ItensPorDocumento = 2;       // 0 to 990
    std::int64_t PrimeiroNumero = 1; // the first document number; the others follow it
    std::string DataEmissao;         // AAAAMMDD; empty: the first day of the reference month
};

struct NomesVolume
{
    std::string Mestre, Item, Destinatario;
};

// The outcome of writing a volume: the three names (without folder) or, on failure, why.
struct VolumeGravado
{
    std::string Erro;
    NomesVolume Nomes;

    bool Ok() const { return Erro.empty(); }
};

// A small volume held in memory (for tests), or why it could not be built.
struct ConteudoVolume
{
    std::string Erro;
    std::string Mestre, Item, Destinatario;

    bool Ok() const { return Erro.empty(); }
};

// Builds sample volumes that pass every record check of their generation: each record is laid out field by
// field from the layout tables, the document values are the sums of the items, and the document code and
// the record codes are computed. Tests make faulty volumes by changing fields before the codes are computed
// (so only the changed rule fires), by changing raw bytes afterwards (so a code or a record end breaks), and
// by appending raw lines. Every item carries classification 0801 with CFOP 0000, the one pair that every
// model, UF and reference accepts; its value is all "outros" (no ICMS), as that group requires.
//
// Records are produced one document at a time, so a volume of any size is written in constant memory.
class GeradorVolume
{
public:
    explicit GeradorVolume(ParametrosVolume parametros);

    const ParametrosVolume& Parametros() const { return parametros_; }
    GeracaoLayout Geracao() const { return geracao_; }
    // Empty when the parameters can make a volume; otherwise what is wrong with them.
    std::string ErroParametros() const;
    // The three file names: 15 characters up to reference 1612, 33 from 1701 on.
    NomesVolume Nomes() const;

    // Replaces field `campo` of record `indice` (0-based) of a file before the codes are computed. A shorter
    // text is blank-padded on the right. Refused (false) for a field the generation does not have or a text
    // longer than the field. Changing the document code or a record code keeps the given text; changing an
    // item value changes the document's sums accordingly, as the validator would add it up.
    bool DefineCampo(ArquivoVolume arquivo, std::int64_t indice, int campo, std::string_view texto);
    // Overwrites bytes of a finished record from 1-based position `posicao` (the record grows if needed).
    void CorrompeBytes(ArquivoVolume arquivo, std::int64_t indice, int posicao, std::string_view bytes);
    // Writes `bytes` instead of the finished record (any length, with or without CR LF).
    void SubstituiRegistro(ArquivoVolume arquivo, std::int64_t indice, std::string bytes);
    // Appends raw bytes after the last record of a file, in the order given.
    void AcrescentaLinha(ArquivoVolume arquivo, std::string bytes);
    // Gives document `documento` (0-based) another number of items than ItensPorDocumento.
    void DefineItensDocumento(std::int64_t documento, int itens);

    // Writes the three files into the folder (created when missing), streaming.
    VolumeGravado Grava(const std::filesystem::path& pasta) const;
    // The three files' bytes, for volumes small enough to hold.
    ConteudoVolume Conteudo() const;

    class Saida; // where the records go

private:
    using Chave = std::pair<int, std::int64_t>; // file, record index

    std::string Gera(Saida& saida) const;
    int ItensDoDocumento(std::int64_t documento) const;
    void AplicaCampos(ArquivoVolume arquivo, std::int64_t indice, std::string& registro) const;
    bool CampoDefinido(ArquivoVolume arquivo, std::int64_t indice, int campo) const;
    void Finaliza(ArquivoVolume arquivo, std::int64_t indice, std::string& registro) const;

    ParametrosVolume parametros_;
    GeracaoLayout geracao_;
    std::map<Chave, std::vector<std::pair<int, std::string>>> campos_;
    std::map<Chave, std::vector<std::pair<int, std::string>>> bytes_;
    std::map<Chave, std::string> substitutos_;
    std::vector<std::string> extras_[3];
    std::map<std::int64_t, int> itensPorDocumento_;
};

} // namespace tessarin
