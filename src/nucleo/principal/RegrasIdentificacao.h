#pragma once

#include "principal/Identificacao.h"

#include <string>
#include <string_view>

namespace tessarin {

// What the window does after a field is left: nothing, or show `Mensagem` (Windows-1252) as an error and
// give the focus back to `Foco`.
struct ResultadoChecagem
{
    bool Aprovado = true;
    std::string Mensagem;
    CampoIdentificacao Foco = CampoIdentificacao::RazaoSocial;
};

// The evaluation of the whole identification. `Valida` switches the validate and save commands; a
// non-empty `Mensagem` is the SP state-registration error, shown on every evaluation with the focus on
// `Foco` (the Inscrição Estadual).
struct ResultadoVerificacao
{
    bool Valida = false;
    std::string Mensagem;
    CampoIdentificacao Foco = CampoIdentificacao::IE;
};

// The check the window runs when the user leaves one field, given that field's current text. The UF field
// has no check of its own and always passes. The window runs `VerificaIdentificacao` afterwards whatever
// the answer.
ResultadoChecagem ChecaSaidaCampo(CampoIdentificacao campo, std::string_view texto);

// The enabling rule for validating a volume and saving the identification.
ResultadoVerificacao VerificaIdentificacao(const Identificacao& identificacao);

// The hint of the validate tool button after an evaluation.
std::string DicaValidar(bool identificacaoValida);

// Shown instead of the save dialog when the identification is not valid.
std::string MensagemSalvarIncompleta();

} // namespace tessarin
