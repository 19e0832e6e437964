#pragma once

#include "dados/Texto1252.h"
#include "principal/Identificacao.h"

namespace tessarin::teste {

// A complete and valid identification of an SP taxpayer (its IE passes the SP check digits).
inline Identificacao IdentificacaoCompleta()
{
    Identificacao id;
    id.RazaoSocial = ParaWin1252("Companhia Elétrica São João");
    id.IE = "110.042.490.114";
    id.CNPJ = "11.222.333/0001-81";
    id.Endereco = "Rua das Flores, 100";
    id.Bairro = "Centro";
    id.Municipio = ParaWin1252("São Paulo");
    id.CEP = "01310-100";
    id.UF = "SP";
    id.Nome = "Maria Souza";
    id.Cargo = "Diretora";
    id.Telefone = "11-987654321";
    id.Email = "maria@empresa.com.br";
    return id;
}

} // namespace tessarin::teste
