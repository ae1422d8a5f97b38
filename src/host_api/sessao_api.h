#pragma once
// The host's automation session: logon, the shared company connection, and
// the factories of the document objects (each call a new, empty object).
#include "host_api/dal_ligacao.h"
#include "host_api/doc_contabilistico.h"

#include <QString>
#include <memory>

namespace tvx {

class SessaoApi : public AutomationObject {
public:
    // Logs on with the "Api Vesk" values of the settings file; False when the
    // host refuses them.
    virtual bool Iniciar(const QString& sFicheiro) = 0;
    // The open company connection the session works over (set after Iniciar).
    virtual void Ligacao(std::shared_ptr<tvx::DalLigacao> oLigacao) = 0;
    virtual std::shared_ptr<tvx::DalLigacao> Ligacao() const = 0;
    virtual bool Terminar() = 0;

    virtual std::shared_ptr<tvx::DocComercial> DocComercial() = 0;
    virtual std::shared_ptr<tvx::LinhaDocComercial> LinhaDocComercial() = 0;
    virtual std::shared_ptr<tvx::DocFinanceiro> DocFinanceiro() = 0;
    virtual std::shared_ptr<tvx::LinhaDocFinanceiro> LinhaDocFinanceiro() = 0;
    virtual std::shared_ptr<tvx::DocContabilistico> DocContabilistico() = 0;
};

}  // namespace tvx
