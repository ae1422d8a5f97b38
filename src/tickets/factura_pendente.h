#pragma once
// The invoice an interrupted ticket import left in flight: looked for in the
// host by what the import itself wrote into it (its type, customer, billing
// reference and one "Bilhete Nº" line per ticket). Found, its tickets get
// its provisional marker where they have none yet, and the log says so;
// not found, they were never invoiced and stay pending for the run.
#include "runs/documento_pendente.h"

namespace tvx {

class DalComandos;
class DiagnosticoLog;
class SourceWrites;
struct IdentidadeFactura;

// The invoice stored for `p`, if any: true and its identity in `factura`.
bool pFacturaPendenteProcurar(DalComandos& comandos, const DocumentoPendente& p, IdentidadeFactura& factura,
                              bool& bEmPreparacao);

// Settles `p` against the host and the source: writes the markers and one
// "AVISO" row per ticket marked now. Errors pass to the caller.
void pFacturaPendenteRecuperar(DalComandos& comandos, const DocumentoPendente& p, SourceWrites& origem,
                               DiagnosticoLog& diagnostico);

}  // namespace tvx
