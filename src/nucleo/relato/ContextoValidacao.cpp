#include "relato/ContextoValidacao.h"

namespace tessarin {

void ContextoValidacao::Reinicia()
{
    QuantidadeErros = 0;
    QuantidadeAdvertencias = 0;
    ContagemPorCodigo.fill(0);
    ExibirNaTela = true;
    GravarLog = false;
    ValidacaoInterrompida = false;
    FalhaDeVolume = false;
    HoraInicio = HoraFim = Instante{};
    Catalogo = CatalogoOcorrencias();

    Geracao = GeracaoLayout::V01;
    TamanhoMestre = TamanhoItem = TamanhoDestinatario = 256;
    BytesMestre = BytesItem = BytesDestinatario = 0;
    LinhasMestre = LinhasItem = LinhasDestinatario = 0;
    RegistrosMestre = RegistrosItem = RegistrosDestinatario = 0;
    PrimeiraNF.clear();
    DataPrimeiraNF.clear();
    SeriePrimeiraNF.clear();
    ModeloVolume.clear();
    ValorPrimeiraNF = 0;
    UltimaNF.clear();
    DataUltimaNF.clear();
    ModeloUltimaNF.clear();
    SerieUltimaNF.clear();
    PrimeiroItemNF.clear();
    DataPrimeiroItem.clear();
    UltimoItemNF.clear();
    DataUltimoItem.clear();

    IndiceMestre = 0;
    DocumentoAtual.clear();
    CursorItem = 0;
    ProximoItemEsperado = 0;
    ItensValidados = 0;
    Vereditos = VereditosRegistro{};

    TotaisMestre.fill(0.0);
    TotaisItem.fill(0.0);
    DivergenciasRegistroMestre = DivergenciasDocumento = DivergenciasRegistroItem = 0;
    DivergenciasRegistroDestinatario = 0;
    Mestre.Reinicia();
    Item.Reinicia();
    Destinatario.Reinicia();
    RegistroMestre = {};
}

} // namespace tessarin
