#include "support/membros.h"

#include "platform/automation/automation_error.h"

namespace tvx::testing {

Variant Membros::get(const char* membro) const {
    const auto found = valores_.find(QString::fromUtf8(membro));
    return found == valores_.end() ? Variant() : found->second;
}

void Membros::set(const char* membro, const Variant& v) {
    const QString nome = QString::fromUtf8(membro);
    if (recusados_ && recusados_->contains(nome)) {
        log(nome + QStringLiteral(" refused"));
        throw AutomationError(380, QStringLiteral("Invalid property value"), nome_);
    }
    log(nome + u'=' + debugText(v));
    valores_[nome] = v;
}

}  // namespace tvx::testing
