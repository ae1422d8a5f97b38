#pragma once
// The receipt an interrupted transfer import left in flight: looked for in
// the host by the customer, date and amount of the transfer, among the
// receipts stored after the in-flight record was written and named by no
// transfer's mark yet. Found, it gets its accounting entry when it lacks one,
// the transfer gets its reference where it has none, and the log says so;
// not found, the transfer stays pending for the run.
#include "runs/documento_pendente.h"

#include <cstdint>

namespace tvx {

class DalComandos;
class DiagnosticoLog;
class SessaoApi;
class SourceWrites;

// The last receipt row of the host (0 for none): receipts stored later are
// the ones an in-flight record written now may stand for.
std::int64_t pUltimoReciboGet(DalComandos& comandos);

// Settles `p` against the host and the source. `sTipos` are the receipt types
// the run makes (RECTIPODOCUM, RPCTIPODOCUM). Errors pass to the caller.
void pReciboPendenteRecuperar(SessaoApi& api, DalComandos& comandos, const DocumentoPendente& p,
                              const QStringList& sTipos, SourceWrites& origem, DiagnosticoLog& diagnostico);

}  // namespace tvx
