#include "support/fake_sessao_api.h"

#include "support/fake_dal_ligacao.h"

namespace tvx::testing {

bool FakeSessaoApi::Iniciar(const QString& f) {
    log(QStringLiteral("Iniciar(") + f + u')');
    failIf(host.iniciarError);
    return host.iniciarAnswer;
}

void FakeSessaoApi::Ligacao(std::shared_ptr<DalLigacao> l) {
    const auto* fake = dynamic_cast<FakeDalLigacao*>(l.get());
    log(QStringLiteral("Ligacao(DalLigacao#%1)").arg(fake ? fake->id : 0));
    ligacao_ = std::move(l);
}

bool FakeSessaoApi::Terminar() {
    log(QStringLiteral("Terminar"));
    failIf(host.terminarError);
    return true;
}

}  // namespace tvx::testing
