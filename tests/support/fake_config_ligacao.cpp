#include "support/fake_config_ligacao.h"

namespace tvx::testing {

void FakeConfigLigacao::Carregar(const QString& f) {
    log(QStringLiteral("Carregar(") + f + u')');
    values_ = host.configValues;
}

void FakeConfigLigacao::Modo(std::int32_t v) {
    log(QStringLiteral("Modo(%1)").arg(v));
    modo_ = v;
}

void FakeConfigLigacao::Recarregar() {
    log(QStringLiteral("Recarregar"));
    values_ = host.reloadedValues;
}

}  // namespace tvx::testing
