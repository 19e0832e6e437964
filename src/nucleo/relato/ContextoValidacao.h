#pragma once

#include "dados/CatalogoOcorrencias.h"
#include "dados/GeracaoLayout.h"
#include "registros/VereditoCodigo.h"
#include "relato/ArquivoLog.h"
#include "relato/ComponentesVolume.h"
#include "relato/EstadoDestinatario.h"
#include "relato/EstadoItem.h"
#include "relato/EstadoMestre.h"
#include "relato/Portas.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessarin {

class PortaAchados;

// The state of one validation run. Reset at the start of every run (the volume's components stay as the
// volume choice left them) and read after it by the closing summary, the window and the control file.
struct ContextoValidacao
{
    // --- Run control ---
    std::int32_t QuantidadeErros = 0;
    std::int32_t QuantidadeAdvertencias = 0;
    std::array<std::int32_t, CatalogoOcorrencias::QuantidadeLinhas> ContagemPorCodigo{};
    bool ExibirNaTela = true;
    bool GravarLog = false;
    ArquivoLog Log;
    bool ValidacaoInterrompida = false;
    bool FalhaDeVolume = false;
    Instante HoraInicio, HoraFim;

    // The run's own copy of the catalogue, its generation-dependent rows rewritten for the volume.
    CatalogoOcorrencias Catalogo;

    // Where occurrence lines go (the window's list), and who else hears of each finding (JSON); both may be
    // null in tests of a single check.
    PortaJanela* Janela = nullptr;
    PortaAchados* Achados = nullptr;
    // Today's date and the time of day, for rules that depend on the computer's date.
    Relogio* Tempo = nullptr;

    // --- Volume (set by the volume choice, read-only during the run) ---
    ComponentesVolume Volume;
    std::string NomeMestre, NomeItem, NomeDestinatario; // bare names
    std::string Pasta;                                  // folder of the three files

    // --- Generation and file facts ---
    GeracaoLayout Geracao = GeracaoLayout::V01;
    int TamanhoMestre = 256, TamanhoItem = 256, TamanhoDestinatario = 256;
    std::int64_t BytesMestre = 0, BytesItem = 0, BytesDestinatario = 0;
    std::int64_t LinhasMestre = 0, LinhasItem = 0, LinhasDestinatario = 0;
    std::int64_t RegistrosMestre = 0, RegistrosItem = 0, RegistrosDestinatario = 0;
    std::string PrimeiraNF, DataPrimeiraNF, SeriePrimeiraNF, ModeloVolume;
    std::int32_t ValorPrimeiraNF = 0;
    std::string UltimaNF, DataUltimaNF, ModeloUltimaNF, SerieUltimaNF;
    std::string PrimeiroItemNF, DataPrimeiroItem, UltimoItemNF, DataUltimoItem;

    // --- Record loop ---
    std::int32_t IndiceMestre = 0;
    std::string DocumentoAtual; // positions 95-103 of the current Mestre record
    std::int32_t CursorItem = 0;
    std::int32_t ProximoItemEsperado = 0;
    std::int64_t ItensValidados = 0;
    // Authentication codes already judged for the records at hand (see VereditosRegistro).
    VereditosRegistro Vereditos;

    // --- Totals and counters kept by the checks ---
    std::array<double, 5> TotaisMestre{}; // Valor Total, BC ICMS, ICMS, Isentas ou NT, Outros
    std::array<double, 7> TotaisItem{};   // the same five, then Descontos, Acréscimos
    std::int32_t DivergenciasRegistroMestre = 0;
    std::int32_t DivergenciasDocumento = 0;
    std::int32_t DivergenciasRegistroItem = 0;
    std::int32_t DivergenciasRegistroDestinatario = 0;
    // State of each check family, each in its own header so the families grow apart.
    EstadoMestre Mestre;
    EstadoItem Item;
    EstadoDestinatario Destinatario;

    // The current Mestre record (whole, CR LF included) while its document is validated: the Item and
    // Destinatario checks compare their copies of its fields. A view into the Mestre reader's block, valid
    // until the next Mestre record is read.
    std::string_view RegistroMestre;

    // Back to the start values of a run; the volume's components and names are kept.
    void Reinicia();
};

} // namespace tessarin
