#pragma once

#include <cstdint>
#include <string_view>

namespace tessarin {

struct ContextoValidacao;

// One finding, as pipelines receive it (the JSON result). Texts are Windows-1252.
struct AchadoOcorrencia
{
    int Codigo = 0;
    char Tipo = 'E';           // 'E' error, 'A' warning
    std::string_view Arquivo;  // "M", "I", "D", or what the log line names ("M,I,D", "MxI"...)
    std::int64_t Registro = 0; // record number counted from 1; 0 when the finding has none
    std::string_view Campo;    // two characters, or blanks
    std::string_view Posicoes; // "  1 a  14", or blanks
    std::string_view Conteudo;
    std::string_view Documento;
};

// Hears every finding of a run, in the order found, whether listed on screen or not.
class PortaAchados
{
public:
    virtual ~PortaAchados() = default;
    virtual void Achado(const AchadoOcorrencia& achado) = 0;
};

// The one way a record check reports: counts the code, lists heading and location line while the list is
// on (with the 1000-occurrence limit of each kind), writes the log line, and returns `contador` + 1. An
// unknown code changes nothing and returns `contador`.
std::int32_t RegistrarOcorrencia(ContextoValidacao& ctx, int codigo, std::int32_t indiceRegistro,
                                 std::string_view conteudo, std::int32_t contador, std::string_view documento);

// RegistrarOcorrencia with the counter of the code's kind taken from and stored back into the context.
void Registra(ContextoValidacao& ctx, int codigo, std::int32_t indiceRegistro, std::string_view conteudo,
              std::string_view documento);
// The same with the current document number.
void Registra(ContextoValidacao& ctx, int codigo, std::int32_t indiceRegistro, std::string_view conteudo);

// The three lines that close the on-screen list when a kind reaches 1000 occurrences.
void AcrescentaLinhasDeLimite(ContextoValidacao& ctx);

// An occurrence the run writes itself (volume, document totals, file totals): always an error. Counts it,
// lists heading, location line and " " (unless `soComExibir` and the list is off), logs `linhaLog`.
void RegistraDireta(ContextoValidacao& ctx, int codigo, std::string_view cabecalho, std::string_view localizacao,
                    std::string_view linhaLog, bool soComExibir, const AchadoOcorrencia& achado);

} // namespace tessarin
