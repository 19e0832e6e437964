#include "dados/Texto1252.h"
#include "principal/RegrasIdentificacao.h"

#include "IdentificacaoCompleta.h"

#include <gtest/gtest.h>

namespace tessarin {

namespace {

using C = CampoIdentificacao;

} // namespace

TEST(IdentificacaoRegras, ChecaSaidaCampo)
{
    struct Caso
    {
        C campo;
        const char* texto;
        const char* mensagem; // UTF-8; empty when the field passes
    };
    const Caso casos[] = {
        {C::RazaoSocial, " ABC ", "A razão social deve ter mais de 3 caracteres..."},
        {C::RazaoSocial, "", "A razão social deve ter mais de 3 caracteres..."},
        {C::RazaoSocial, "ABCD", ""},
        {C::RazaoSocial, "A  D", ""}, // blanks inside count
        {C::IE, "  12345  ", "A Inscrição Estadual deve ter mais de 5 algarismos..."},
        {C::IE, "123456", ""},
        {C::CNPJ, "11.222.333/0001-81", ""},
        {C::CNPJ, "11.222.333/0001-82", "O CNPJ informado é inválido..."},
        {C::CNPJ, "  .   .   /    -  ", "O CNPJ informado é inválido..."},
        {C::Endereco, "Rua", "O Endereço deve ter mais de 3 caracteres..."},
        {C::Endereco, "Rua A", ""},
        {C::Bairro, " Sé ", "O Bairro deve ter mais de 3 caracteres..."},
        {C::Municipio, "Rio", "O Municipio deve ter mais de 3 caracteres..."},
        {C::Municipio, "Ilha", ""},
        {C::CEP, "01310-100", ""},
        {C::CEP, "01310-10 ", "O CEP deve ter 8 posições..."},
        {C::CEP, " 1310-100", "O CEP deve ter 8 posições..."},
        {C::CEP, "     -   ", "O CEP deve ter 8 posições..."},
        {C::CEP, "01310", "O CEP deve ter 8 posições..."},
        {C::UF, "", ""},
        {C::Nome, "Ana ", "O Nome deve ter mais de 3 caracteres..."},
        {C::Nome, "Joana", ""},
        {C::Cargo, "CEO", "O Cargo deve ter mais de 3 caracteres..."},
        {C::Cargo, "Dono", ""},
        {C::Telefone, "11-987654321", ""},
        {C::Telefone, "11-12345678 ", ""},
        {C::Telefone, "11-1234567  ", "O Telefone deve ser preenchido corretamente..."},
        {C::Telefone, "01-987654321", "O Telefone deve ser preenchido corretamente..."},
        {C::Telefone, "  -         ", "O Telefone deve ser preenchido corretamente..."},
        {C::Email, "a@b", "O E-mail deve ter mais de 3 caracteres..."}, // length first, whatever it holds
        {C::Email, "  @   ", "O E-mail deve ter mais de 3 caracteres..."},
        {C::Email, "@abc", "E-mail inválido..."},
        {C::Email, "abcd", "E-mail inválido..."},
        {C::Email, "a@bc", ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.texto) + " / campo " + std::to_string(static_cast<int>(caso.campo)));
        const auto resultado = ChecaSaidaCampo(caso.campo, ParaWin1252(caso.texto));
        EXPECT_EQ(resultado.Aprovado, *caso.mensagem == '\0');
        EXPECT_EQ(resultado.Mensagem, ParaWin1252(caso.mensagem));
        if (!resultado.Aprovado) {
            EXPECT_EQ(resultado.Foco, caso.campo);
        }
    }
}

TEST(IdentificacaoRegras, VerificaIdentificacaoExigeCadaCampo)
{
    const auto valida = VerificaIdentificacao(teste::IdentificacaoCompleta());
    EXPECT_TRUE(valida.Valida);
    EXPECT_TRUE(valida.Mensagem.empty());

    // One field spoiled at a time; each alone disables validating and saving.
    struct Caso
    {
        C campo;
        const char* texto;
    };
    const Caso casos[] = {
        {C::RazaoSocial, " ABC "},
        {C::IE, "12345"},
        {C::CNPJ, "11.222.333/0001-80"},
        {C::Endereco, "Av."},
        {C::Bairro, ""}, // clearing the bairro after a complete identification
        {C::Municipio, "Rio"},
        {C::CEP, "01310-10 "},
        {C::Nome, "Ana"},
        {C::Cargo, "   "},
        {C::Telefone, "01-987654321"}, // first digit "0"
        {C::Email, "a@b"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        auto id = teste::IdentificacaoCompleta();
        id.UF = "RJ"; // keeps the SP state-registration rule out of the way
        TextoDoCampo(id, caso.campo) = caso.texto;
        const auto resultado = VerificaIdentificacao(id);
        EXPECT_FALSE(resultado.Valida);
        EXPECT_TRUE(resultado.Mensagem.empty());
    }

    // The at sign is the e-mail field's own concern, not the enabling rule's.
    auto semArroba = teste::IdentificacaoCompleta();
    semArroba.Email = "maria.empresa";
    EXPECT_TRUE(VerificaIdentificacao(semArroba).Valida);

    const auto inicial = VerificaIdentificacao(IdentificacaoInicial());
    EXPECT_FALSE(inicial.Valida);
    EXPECT_TRUE(inicial.Mensagem.empty()); // UF "AC": no state-registration message at start
}

TEST(IdentificacaoRegras, InscricaoEstadualDeSp)
{
    auto id = teste::IdentificacaoCompleta();
    id.IE = "110.042.490.115"; // second check digit wrong
    const auto sp = VerificaIdentificacao(id);
    EXPECT_FALSE(sp.Valida);
    EXPECT_EQ(sp.Mensagem, ParaWin1252("A IE informada é inválida para SP..."));
    EXPECT_EQ(sp.Foco, C::IE);

    // The message comes whatever else is wrong, on every evaluation.
    id.Bairro = "";
    EXPECT_EQ(VerificaIdentificacao(id).Mensagem, sp.Mensagem);

    // Only "SP" exactly triggers the SP check digits.
    for (const char* uf : {"RJ", "sp", "SP "}) {
        SCOPED_TRACE(uf);
        auto outra = teste::IdentificacaoCompleta();
        outra.IE = "110.042.490.115";
        outra.UF = uf;
        const auto resultado = VerificaIdentificacao(outra);
        EXPECT_TRUE(resultado.Valida);
        EXPECT_TRUE(resultado.Mensagem.empty());
    }
}

TEST(IdentificacaoRegras, TextosDaJanela)
{
    EXPECT_EQ(DicaValidar(true), ParaWin1252("Validar arquivo de 2º via eletrônica"));
    EXPECT_EQ(DicaValidar(false), ParaWin1252("Validar arquivo de 2º via eletrônica - Necessário informar os dados "
                                              "do Contribuinte para habilitar o botão"));
    EXPECT_EQ(MensagemSalvarIncompleta(), "Os campos de identifica\xE7\xE3o devem ser preenchidos...");
    const auto inicial = IdentificacaoInicial();
    EXPECT_EQ(inicial.CNPJ, "  .   .   /    -  ");
    EXPECT_EQ(inicial.CEP, "     -   ");
    EXPECT_EQ(inicial.Telefone, "  -         ");
    EXPECT_EQ(inicial.UF, "AC");
}

} // namespace tessarin
