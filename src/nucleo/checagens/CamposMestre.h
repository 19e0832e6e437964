#pragma once

#include "dados/GeracaoLayout.h"

#include <string_view>

namespace tessarin {

// One Mestre record cut into its fields: raw slices of the record, nothing trimmed or converted. A field the
// generation lacks (or that a short record does not reach) is empty. Cutting takes fixed offsets resolved
// once per generation from the layout tables, so it costs a few dozen loads per record.
struct CamposMestre
{
    std::string_view CnpjCpf, InscricaoEstadual, RazaoSocial, Uf, ClasseConsumo, TipoUtilizacao, GrupoTensao,
        CodigoConsumidor, DataEmissao, Modelo, Serie, Numero, AutenticacaoDocumento, ValorTotal, BaseIcms, ValorIcms,
        Isentas, Outros, Situacao, ReferenciaApuracao, ReferenciaItem, Terminal;
    // Reserved blanks: field 23 of v_01 and v_02, field 35 of v_03.
    std::string_view Brancos;
    // Only in v_03.
    std::string_view TipoInformacao, TipoCliente, Subclasse, TerminalPrincipal, CnpjEmitente, Fatura, ValorFatura,
        DataLeituraAnterior, DataLeituraAtual, ReservadoBrancos, ReservadoZeros, InformacoesAdicionais;
};

CamposMestre CortaCamposMestre(std::string_view registro, GeracaoLayout geracao);

// Small tests over raw field slices shared by the Mestre checks; none allocates.
namespace texto_campo {

// Empty after trimming blanks at both ends.
bool EmBranco(std::string_view campo);
std::string_view Apara(std::string_view campo);
std::string_view AparaDireita(std::string_view campo);
// The field without "/", ".", "-" and blanks: nothing left, or only zeros.
bool DespidoSoZeros(std::string_view campo);
// The same stripped text: not empty and only digits.
bool DespidoSoAlgarismos(std::string_view campo);
// Equality and substring search with ASCII letters upper-cased on the field's side only (the other side
// is given in upper case).
bool IgualMaiusculas(std::string_view campo, std::string_view maiusculas);
bool ContemMaiusculas(std::string_view campo, std::string_view maiusculas);
char Maiuscula(char c);

} // namespace texto_campo

} // namespace tessarin
