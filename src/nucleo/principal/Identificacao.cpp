#include "principal/Identificacao.h"

namespace tessarin {

Identificacao IdentificacaoInicial()
{
    Identificacao inicial;
    inicial.CNPJ = "  .   .   /    -  ";
    inicial.CEP = "     -   ";
    inicial.UF = "AC";
    inicial.Telefone = "  -         ";
    return inicial;
}

const std::string& TextoDoCampo(const Identificacao& identificacao, CampoIdentificacao campo)
{
    switch (campo) {
    case CampoIdentificacao::RazaoSocial:
        return identificacao.RazaoSocial;
    case CampoIdentificacao::IE:
        return identificacao.IE;
    case CampoIdentificacao::CNPJ:
        return identificacao.CNPJ;
    case CampoIdentificacao::Endereco:
        return identificacao.Endereco;
    case CampoIdentificacao::Bairro:
        return identificacao.Bairro;
    case CampoIdentificacao::Municipio:
        return identificacao.Municipio;
    case CampoIdentificacao::CEP:
        return identificacao.CEP;
    case CampoIdentificacao::UF:
        return identificacao.UF;
    case CampoIdentificacao::Nome:
        return identificacao.Nome;
    case CampoIdentificacao::Cargo:
        return identificacao.Cargo;
    case CampoIdentificacao::Telefone:
        return identificacao.Telefone;
    case CampoIdentificacao::Email:
        break;
    }
    return identificacao.Email;
}

std::string& TextoDoCampo(Identificacao& identificacao, CampoIdentificacao campo)
{
    return const_cast<std::string&>(TextoDoCampo(static_cast<const Identificacao&>(identificacao), campo));
}

} // namespace tessarin
