#pragma once

#include <string>

namespace tessarin {

struct ContextoValidacao;
class PortaDialogo;

// The close of a run that reached its end (or was interrupted): file totals, unreferenced items, the
// warnings that will block delivery, the log's last lines, the summaries and the closing message. The run
// calls them in this order and decides itself when the file totals apply (the loop ran, no error so far).

// Mestre file totals against the Item file's (407-411), then the totals cells and the "Ok" of each digest
// whose divergence counter stayed at zero.
void ComparaTotaisArquivos(ContextoValidacao& ctx);

// Item records no document referenced (419), judged only in a run without errors so far.
void VerificaItensNaoReferenciados(ContextoValidacao& ctx);

// The warnings that keep a volume from being delivered from 07/2012 on, with their heading; empty when
// none of them occurred. Lines end in CR LF.
std::string MontaTextoJulho2012(const ContextoValidacao& ctx);

// The log's closing lines of a run without errors, then the log is closed whatever the run found.
void FinalizaLog(ContextoValidacao& ctx, const std::string& textoJulho);

// The per-code summaries of errors and of warnings at the end of the list.
void AcrescentaResumos(ContextoValidacao& ctx, const std::string& textoJulho);

// The commands the outcome allows and the closing message. `lacoCompleto` is true when the record loop ran
// to its end or was skipped because the volume failed; false when the person stopped it.
void MostraMensagemFinal(ContextoValidacao& ctx, PortaDialogo& dialogo, const std::string& textoJulho,
                         bool lacoCompleto);

} // namespace tessarin
