#include "validacao/OcorrenciaVolume.h"

#include "registros/ValidadoresCampo.h"
#include "relato/ContextoValidacao.h"
#include "relato/RegistrarOcorrencia.h"

namespace tessarin {

void RegistraOcorrenciaVolume(ContextoValidacao& ctx, int codigo, std::string_view cabecalho,
                              std::string_view localizacao, std::string_view linhaLog, std::string_view arquivo,
                              std::string_view conteudo, bool soComExibir, std::int64_t registro)
{
    AchadoOcorrencia achado;
    achado.Codigo = codigo;
    achado.Tipo = 'E';
    achado.Arquivo = arquivo;
    achado.Registro = registro;
    achado.Conteudo = conteudo;
    achado.Documento = registro == 0 ? std::string_view("S/NRO NF") : std::string_view(ctx.DocumentoAtual);
    RegistraDireta(ctx, codigo, cabecalho, localizacao, linhaLog, soComExibir, achado);
}

std::string FormataMilhar(std::int64_t valor)
{
    return valor == 0 ? std::string() : FormataQuantidadeLargura(valor, 0);
}

std::string FormataDinheiro(double centavos)
{
    std::string texto = FormataValor(centavos);
    texto.erase(0, texto.find_first_not_of(' '));
    texto += ' ';
    return texto;
}

} // namespace tessarin
