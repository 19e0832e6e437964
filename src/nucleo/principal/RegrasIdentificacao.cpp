#include "principal/RegrasIdentificacao.h"

#include "dados/Texto1252.h"
#include "registros/ValidadoresCampo.h"

#include <array>

namespace tessarin {

namespace {

// Message texts, converted once from the UTF-8 of this source to the Windows-1252 of the window.
struct Textos
{
    std::array<std::string, 12> Saida; // indexed by CampoIdentificacao
    std::string EmailInvalido = ParaWin1252("E-mail inválido...");
    std::string IeSp = ParaWin1252("A IE informada é inválida para SP...");
    std::string SalvarIncompleta = ParaWin1252("Os campos de identificação devem ser preenchidos...");
    std::string DicaValida = ParaWin1252("Validar arquivo de 2º via eletrônica");
    std::string DicaInvalida =
        ParaWin1252("Validar arquivo de 2º via eletrônica - Necessário informar os dados do Contribuinte para "
                    "habilitar o botão");

    Textos()
    {
        auto define = [this](CampoIdentificacao campo, const char* utf8) {
            Saida[static_cast<std::size_t>(campo)] = ParaWin1252(utf8);
        };
        define(CampoIdentificacao::RazaoSocial, "A razão social deve ter mais de 3 caracteres...");
        define(CampoIdentificacao::IE, "A Inscrição Estadual deve ter mais de 5 algarismos...");
        define(CampoIdentificacao::CNPJ, "O CNPJ informado é inválido...");
        define(CampoIdentificacao::Endereco, "O Endereço deve ter mais de 3 caracteres...");
        define(CampoIdentificacao::Bairro, "O Bairro deve ter mais de 3 caracteres...");
        define(CampoIdentificacao::Municipio, "O Municipio deve ter mais de 3 caracteres...");
        define(CampoIdentificacao::CEP, "O CEP deve ter 8 posições...");
        define(CampoIdentificacao::Nome, "O Nome deve ter mais de 3 caracteres...");
        define(CampoIdentificacao::Cargo, "O Cargo deve ter mais de 3 caracteres...");
        define(CampoIdentificacao::Telefone, "O Telefone deve ser preenchido corretamente...");
        define(CampoIdentificacao::Email, "O E-mail deve ter mais de 3 caracteres...");
    }
};

const Textos& TextosRegras()
{
    static const Textos textos;
    return textos;
}

// Length without the blanks at both ends; blanks inside count.
std::size_t TamanhoAparado(std::string_view texto)
{
    const auto inicio = texto.find_first_not_of(' ');
    if (inicio == std::string_view::npos) {
        return 0;
    }
    return texto.find_last_not_of(' ') - inicio + 1;
}

// The CEP's eight digit positions (1-5 and 7-9), skipping the hyphen at 6. A shorter text gives fewer.
std::size_t TamanhoCep(std::string_view cep)
{
    std::string posicoes(cep.substr(0, 5));
    if (cep.size() > 6) {
        posicoes += cep.substr(6, 3);
    }
    return TamanhoAparado(posicoes);
}

bool AprovaCampo(CampoIdentificacao campo, std::string_view texto)
{
    switch (campo) {
    case CampoIdentificacao::IE:
        return TamanhoAparado(texto) >= 6;
    case CampoIdentificacao::CNPJ:
        return CnpjValido(texto);
    case CampoIdentificacao::CEP:
        return TamanhoCep(texto) == 8;
    case CampoIdentificacao::UF:
        return true;
    case CampoIdentificacao::Telefone:
        return TelefoneIdentificacaoValido(texto);
    default:
        return TamanhoAparado(texto) >= 4;
    }
}

} // namespace

ResultadoChecagem ChecaSaidaCampo(CampoIdentificacao campo, std::string_view texto)
{
    ResultadoChecagem resultado;
    resultado.Foco = campo;
    if (!AprovaCampo(campo, texto)) {
        resultado.Aprovado = false;
        resultado.Mensagem = TextosRegras().Saida[static_cast<std::size_t>(campo)];
    } else if (campo == CampoIdentificacao::Email) {
        // Only after the length: the at sign must follow at least one character of the text as typed.
        const auto arroba = texto.find('@');
        if (arroba == std::string_view::npos || arroba == 0) {
            resultado.Aprovado = false;
            resultado.Mensagem = TextosRegras().EmailInvalido;
        }
    }
    return resultado;
}

ResultadoVerificacao VerificaIdentificacao(const Identificacao& id)
{
    // Every field's own rule except the e-mail's at sign, which only its exit check asks for.
    bool valida = true;
    for (int i = 0; i <= static_cast<int>(CampoIdentificacao::Email); ++i) {
        const auto campo = static_cast<CampoIdentificacao>(i);
        valida = valida && AprovaCampo(campo, TextoDoCampo(id, campo));
    }

    ResultadoVerificacao resultado;
    resultado.Foco = CampoIdentificacao::IE;
    if (id.UF == "SP" && !IeSpValida(id.IE)) {
        valida = false;
        resultado.Mensagem = TextosRegras().IeSp;
    }
    resultado.Valida = valida;
    return resultado;
}

std::string DicaValidar(bool identificacaoValida)
{
    return identificacaoValida ? TextosRegras().DicaValida : TextosRegras().DicaInvalida;
}

std::string MensagemSalvarIncompleta()
{
    return TextosRegras().SalvarIncompleta;
}

} // namespace tessarin
