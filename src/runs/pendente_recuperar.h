#pragma once
// A run's first step after its lock: the document an interrupted run left in
// the in-flight record is looked for and its source rows marked. The rows are
// in the agency file that run read, which may no longer be BDNOME: another
// file is opened for the recovery and closed after it.
#include "agency/source_writes.h"
#include "runs/documento_pendente.h"
#include "runs/run_context.h"
#include "runs/run_guard.h"

#include <QString>
#include <functional>

namespace tvx {

// `recuperar` finds the document and writes the marks; the record is then
// resolved. Nothing is done when the record is empty.
void pPendenteRecuperar(RunContext& contexto, RunGuard& empresa, const QString& sDataSource,
                        const std::function<void(const DocumentoPendente&, SourceWrites&)>& recuperar);

}  // namespace tvx
