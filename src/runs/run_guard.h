#pragma once
// What a run asks of its locks from start to end (run_locks.h is the real
// one): take them or be refused, the in-flight record left by an interrupted
// run of its kind, the record of the document about to be stored, signs of
// life, and the release.
#include "runs/documento_pendente.h"

#include <QString>

namespace tvx::ui {
class MessageBox;
}

namespace tvx {

class RunGuard {
public:
    virtual ~RunGuard() = default;
    // Takes the locks of the company and of the agency source `sAgencia` ("" for
    // none). False when refused: the user has been told why under `sTitulo`.
    virtual bool adquirir(const QString& sEmpresa, const QString& sAgencia, ui::MessageBox& messages,
                          const QString& sTitulo) = 0;
    virtual const DocumentoPendente& anterior() const = 0;
    // Replaces the in-flight record (a durable write); raises when the lock was lost.
    virtual void registar(const DocumentoPendente& documento) = 0;
    // The recorded document is settled: nothing to recover should the run stop now.
    virtual void resolvido() = 0;
    virtual void batimento() = 0;
    virtual void libertar() = 0;
};

}  // namespace tvx
