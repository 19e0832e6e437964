#pragma once

#include <string>

namespace tessarin {

// The twelve identification fields of the main window, in the order the window, the control file and the
// identification file list them.
enum class CampoIdentificacao {
    RazaoSocial,
    IE,
    CNPJ,
    Endereco,
    Bairro,
    Municipio,
    CEP,
    UF,
    Nome,
    Cargo,
    Telefone,
    Email,
};

// The taxpayer's identification: each member is the current text of one field, Windows-1252, exactly as the
// field holds it. The masked fields (CNPJ, CEP, telefone) keep their punctuation and a blank for every
// position not typed, because that text is what goes into the control file and the identification file.
struct Identificacao
{
    std::string RazaoSocial;
    std::string IE;
    std::string CNPJ;
    std::string Endereco;
    std::string Bairro;
    std::string Municipio;
    std::string CEP;
    std::string UF;
    std::string Nome;
    std::string Cargo;
    std::string Telefone;
    std::string Email;

    bool operator==(const Identificacao&) const = default;
};

// The window's fields when it opens: empty edits, the masks showing only their punctuation, UF "AC".
Identificacao IdentificacaoInicial();

// The member that holds a field's text.
std::string& TextoDoCampo(Identificacao& identificacao, CampoIdentificacao campo);
const std::string& TextoDoCampo(const Identificacao& identificacao, CampoIdentificacao campo);

} // namespace tessarin
