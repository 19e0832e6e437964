#include "registros/LayoutRegistro.h"

#include <array>

namespace tessarin {

namespace {

// Mestre fields 1 to 21 are the same in every generation; the generations differ from field 22 on.
#define MESTRE_COMUM                                                                                                   \
    {1, 1, 14, "CnpjCpf"}, {2, 15, 14, "InscricaoEstadual"}, {3, 29, 35, "RazaoSocial"}, {4, 64, 2, "Uf"},             \
        {5, 66, 1, "ClasseConsumo"}, {6, 67, 1, "TipoUtilizacao"}, {7, 68, 2, "GrupoTensao"},                          \
        {8, 70, 12, "CodigoConsumidor"}, {9, 82, 8, "DataEmissao"}, {10, 90, 2, "Modelo"}, {11, 92, 3, "Serie"},       \
        {12, 95, 9, "Numero"}, {13, 104, 32, "AutenticacaoDocumento"}, {14, 136, 12, "ValorTotal"},                    \
        {15, 148, 12, "BaseIcms"}, {16, 160, 12, "ValorIcms"}, {17, 172, 12, "Isentas"}, {18, 184, 12, "Outros"},      \
        {19, 196, 1, "Situacao"}, {20, 197, 4, "ReferenciaApuracao"},                                                  \
    {                                                                                                                  \
        21, 201, 9, "ReferenciaItem"                                                                                   \
    }

constexpr std::array<CampoLayout, 25> MestreV01 = {{MESTRE_COMUM,
                                                    {22, 210, 10, "Terminal"},
                                                    {23, 220, 3, "Brancos"},
                                                    {24, 223, 32, "AutenticacaoRegistro"},
                                                    {25, 255, 2, "FimRegistro"}}};
constexpr std::array<CampoLayout, 25> MestreV02 = {{MESTRE_COMUM,
                                                    {22, 210, 12, "Terminal"},
                                                    {23, 222, 5, "Brancos"},
                                                    {24, 227, 32, "AutenticacaoRegistro"},
                                                    {25, 259, 2, "FimRegistro"}}};
constexpr std::array<CampoLayout, 37> MestreV03 = {{MESTRE_COMUM,
                                                    {22, 210, 12, "Terminal"},
                                                    {23, 222, 1, "TipoInformacao"},
                                                    {24, 223, 2, "TipoCliente"},
                                                    {25, 225, 2, "Subclasse"},
                                                    {26, 227, 12, "TerminalPrincipal"},
                                                    {27, 239, 14, "CnpjEmitente"},
                                                    {28, 253, 20, "Fatura"},
                                                    {29, 273, 12, "ValorFatura"},
                                                    {30, 285, 8, "DataLeituraAnterior"},
                                                    {31, 293, 8, "DataLeituraAtual"},
                                                    {32, 301, 50, "ReservadoBrancos"},
                                                    {33, 351, 8, "ReservadoZeros"},
                                                    {34, 359, 30, "InformacoesAdicionais"},
                                                    {35, 389, 5, "Brancos"},
                                                    {36, 394, 32, "AutenticacaoRegistro"},
                                                    {37, 426, 2, "FimRegistro"}}};
#undef MESTRE_COMUM

#define ITEM_COMUM                                                                                                     \
    {1, 1, 14, "CnpjCpf"}, {2, 15, 2, "Uf"}, {3, 17, 1, "ClasseConsumo"}, {4, 18, 1, "TipoUtilizacao"},                \
        {5, 19, 2, "GrupoTensao"}, {6, 21, 8, "DataEmissao"}, {7, 29, 2, "Modelo"}, {8, 31, 3, "Serie"},               \
        {9, 34, 9, "Numero"}, {10, 43, 4, "Cfop"}, {11, 47, 3, "NumeroItem"}, {12, 50, 10, "CodigoItem"},              \
        {13, 60, 40, "Descricao"}, {14, 100, 4, "Classificacao"},                                                      \
    {                                                                                                                  \
        15, 104, 6, "Unidade"                                                                                          \
    }

constexpr std::array<CampoLayout, 30> ItemV01 = {{ITEM_COMUM,
                                                  {16, 110, 11, "QuantidadeContratada"},
                                                  {17, 121, 11, "QuantidadeFornecida"},
                                                  {18, 132, 11, "ValorTotal"},
                                                  {19, 143, 11, "Desconto"},
                                                  {20, 154, 11, "Acrescimos"},
                                                  {21, 165, 11, "BaseIcms"},
                                                  {22, 176, 11, "ValorIcms"},
                                                  {23, 187, 11, "Isentas"},
                                                  {24, 198, 11, "Outros"},
                                                  {25, 209, 4, "Aliquota"},
                                                  {26, 213, 1, "Situacao"},
                                                  {27, 214, 4, "ReferenciaApuracao"},
                                                  {28, 218, 5, "Reservado"},
                                                  {29, 223, 32, "AutenticacaoRegistro"},
                                                  {30, 255, 2, "FimRegistro"}}};
constexpr std::array<CampoLayout, 39> ItemV03 = {{ITEM_COMUM,
                                                  {16, 110, 12, "QuantidadeContratada"},
                                                  {17, 122, 12, "QuantidadeFornecida"},
                                                  {18, 134, 11, "ValorTotal"},
                                                  {19, 145, 11, "Desconto"},
                                                  {20, 156, 11, "Acrescimos"},
                                                  {21, 167, 11, "BaseIcms"},
                                                  {22, 178, 11, "ValorIcms"},
                                                  {23, 189, 11, "Isentas"},
                                                  {24, 200, 11, "Outros"},
                                                  {25, 211, 4, "Aliquota"},
                                                  {26, 215, 1, "Situacao"},
                                                  {27, 216, 4, "ReferenciaApuracao"},
                                                  {28, 220, 15, "NumeroContrato"},
                                                  {29, 235, 12, "QuantidadeFaturada"},
                                                  {30, 247, 11, "Tarifa"},
                                                  {31, 258, 6, "AliquotaPis"},
                                                  {32, 264, 11, "ValorPis"},
                                                  {33, 275, 6, "AliquotaCofins"},
                                                  {34, 281, 11, "ValorCofins"},
                                                  {35, 292, 1, "DescontoJudicial"},
                                                  {36, 293, 2, "TipoIsencao"},
                                                  {37, 295, 5, "Reservado"},
                                                  {38, 300, 32, "AutenticacaoRegistro"},
                                                  {39, 332, 2, "FimRegistro"}}};
#undef ITEM_COMUM

#define DESTINATARIO_COMUM                                                                                             \
    {1, 1, 14, "CnpjCpf"}, {2, 15, 14, "InscricaoEstadual"}, {3, 29, 35, "RazaoSocial"}, {4, 64, 45, "Logradouro"},    \
        {5, 109, 5, "Numero"}, {6, 114, 15, "Complemento"}, {7, 129, 8, "Cep"}, {8, 137, 15, "Bairro"},                \
        {9, 152, 30, "Municipio"},                                                                                     \
    {                                                                                                                  \
        10, 182, 2, "Uf"                                                                                               \
    }

constexpr std::array<CampoLayout, 17> DestinatarioV01 = {{DESTINATARIO_COMUM,
                                                          {11, 184, 10, "TelefoneContato"},
                                                          {12, 194, 12, "CodigoConsumidor"},
                                                          {13, 206, 10, "Terminal"},
                                                          {14, 216, 2, "UfHabilitacao"},
                                                          {15, 218, 5, "Reservado"},
                                                          {16, 223, 32, "AutenticacaoRegistro"},
                                                          {17, 255, 2, "FimRegistro"}}};
constexpr std::array<CampoLayout, 17> DestinatarioV02 = {{DESTINATARIO_COMUM,
                                                          {11, 184, 12, "TelefoneContato"},
                                                          {12, 196, 12, "CodigoConsumidor"},
                                                          {13, 208, 12, "Terminal"},
                                                          {14, 220, 2, "UfHabilitacao"},
                                                          {15, 222, 5, "Reservado"},
                                                          {16, 227, 32, "AutenticacaoRegistro"},
                                                          {17, 259, 2, "FimRegistro"}}};
constexpr std::array<CampoLayout, 22> DestinatarioV03 = {{DESTINATARIO_COMUM,
                                                          {11, 184, 12, "TelefoneContato"},
                                                          {12, 196, 12, "CodigoConsumidor"},
                                                          {13, 208, 12, "Terminal"},
                                                          {14, 220, 2, "UfHabilitacao"},
                                                          {15, 222, 8, "DataEmissao"},
                                                          {16, 230, 2, "Modelo"},
                                                          {17, 232, 3, "Serie"},
                                                          {18, 235, 9, "NumeroDocumento"},
                                                          {19, 244, 7, "CodigoMunicipio"},
                                                          {20, 251, 5, "Reservado"},
                                                          {21, 256, 32, "AutenticacaoRegistro"},
                                                          {22, 288, 2, "FimRegistro"}}};
#undef DESTINATARIO_COMUM

} // namespace

const CampoLayout* LayoutRegistro::Campo(int numero) const
{
    for (const CampoLayout& c : Campos) {
        if (c.Numero == numero) {
            return &c;
        }
    }
    return nullptr;
}

LayoutRegistro LayoutMestre(GeracaoLayout g)
{
    switch (g) {
    case GeracaoLayout::V01:
        return {MestreV01, 256};
    case GeracaoLayout::V02:
        return {MestreV02, 260};
    case GeracaoLayout::V03:
        break;
    }
    return {MestreV03, 427};
}

LayoutRegistro LayoutItem(GeracaoLayout g)
{
    if (g == GeracaoLayout::V03) {
        return {ItemV03, 333};
    }
    return {ItemV01, 256};
}

LayoutRegistro LayoutDestinatario(GeracaoLayout g)
{
    switch (g) {
    case GeracaoLayout::V01:
        return {DestinatarioV01, 256};
    case GeracaoLayout::V02:
        return {DestinatarioV02, 260};
    case GeracaoLayout::V03:
        break;
    }
    return {DestinatarioV03, 289};
}

} // namespace tessarin
