#pragma once

#include "relato/ComponentesVolume.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tessarin {

// A volume's identity lives in its file names: 15 characters up to reference 1612, 33 from 1701 on (CNPJ,
// model and sequence added). Every text here is Windows-1252; messages keep the CR LF the user sees.

// Upper case of Windows-1252 text, accented letters included, one byte for one byte.
std::string MaiusculasWin1252(std::string_view texto);

struct ResultadoNomeMestre
{
    bool Ok = false;
    // When rejected: the text of the error box, either the one fault that stopped the check or every
    // finding gathered, each ending in CR LF.
    std::string Mensagem;
    // Filled only when the name is accepted, so a rejected choice leaves nothing of any volume behind.
    ComponentesVolume Componentes;
};

// Checks the chosen Mestre file name (upper-cased by the caller; blanks at both ends are ignored) and cuts it
// into the volume's components. `cnpjContribuinte` is the identification's CNPJ, separators allowed.
ResultadoNomeMestre ValidarNomeMestre(std::string_view nome, std::string_view cnpjContribuinte);

// Checks any volume or control file name, taken exactly as given, against the expected type letter
// ("M", "I", "D" or "C"). Returns "RET_OK" or the findings.
std::string ValidarNomeArquivo(std::string_view nome, std::string_view tipoEsperado);

// What the validation window does after the user picked a Mestre file.
struct VolumeEscolhido
{
    bool Ok = false;
    // When not Ok: the text of the error box; the volume is not chosen and validation stays disabled.
    std::string Mensagem;
    ComponentesVolume Componentes;
    // Upper-cased names as shown and as the run's messages quote them; the Item and Destinatario names are
    // set as soon as they can be derived, so a missing file can be named.
    std::string NomeMestre;
    std::string NomeItem;
    std::string NomeDestinatario;
    // The files as found on disk, in the Mestre file's folder.
    std::filesystem::path CaminhoMestre;
    std::filesystem::path CaminhoItem;
    std::filesystem::path CaminhoDestinatario;
    std::string Titulo;
};

// The volume choice: validates the chosen file's name both ways, derives the Item and Destinatario names and
// looks for them beside it. On a case-sensitive file system the files may carry lower-case (or mixed-case)
// names: a derived name is looked for as given and then in the letter case of the chosen file's own name.
VolumeEscolhido EscolheVolume(const std::filesystem::path& caminhoMestre, std::string_view cnpjContribuinte);

} // namespace tessarin
