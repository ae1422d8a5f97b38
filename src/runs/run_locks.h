#pragma once
// The two locks a run holds from its start to its end: the company's (which
// also keeps the run's in-flight record) and the agency source's. A run that
// cannot take both changes nothing and tells the user why, in a message box
// under the run's own error title.
#include "runs/agency_lock.h"
#include "runs/company_run_lock.h"
#include "runs/run_guard.h"

#include <QString>
#include <cstdint>

namespace tvx::ui {
class MessageBox;
}

namespace tvx {

class RunLocks : public RunGuard {
public:
    RunLocks(DalComandos& comandos, std::int32_t operacao, CompanyRunLock::Coluna coluna)
        : empresa_(comandos, operacao, coluna) {}

    // Both locks, the company's first; when one is refused, the other is
    // given back, the refusal shown and False returned.
    bool adquirir(const QString& sEmpresa, const QString& sAgencia, ui::MessageBox& messages,
                  const QString& sTitulo) override;
    const DocumentoPendente& anterior() const override { return empresa_.anterior(); }
    // The agency file is checked to be the one locked before each record:
    // no document is stored whose rows could no longer be marked.
    void registar(const DocumentoPendente& documento) override {
        agencia_.verificar();
        empresa_.registar(documento);
    }
    void resolvido() override { empresa_.resolvido(); }
    void batimento() override { empresa_.batimento(); }
    // Frees both (the company's lock clears a settled in-flight record; the
    // agency file forgets this company only when nothing is left in flight).
    void libertar() override;

private:
    CompanyRunLock empresa_;
    AgencyLock agencia_;
};

}  // namespace tvx
