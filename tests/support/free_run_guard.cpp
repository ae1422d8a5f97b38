#include "support/free_run_guard.h"

#include "platform/ui/message_box.h"

namespace tvx::testing {

bool FreeRunGuard::adquirir(const QString&, const QString&, ui::MessageBox& messages, const QString& sTitulo) {
    if (!e_.recusar) return true;
    messages.MsgBox(QStringLiteral("Está em curso outra operação."), ui::vbExclamation, sTitulo);
    return false;
}

}  // namespace tvx::testing
