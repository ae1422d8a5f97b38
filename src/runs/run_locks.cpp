#include "runs/run_locks.h"

#include "platform/ui/message_box.h"

namespace tvx {

bool RunLocks::adquirir(const QString& sEmpresa, const QString& sAgencia, ui::MessageBox& messages,
                        const QString& sTitulo) {
    if (!empresa_.adquirir(sEmpresa)) {
        messages.MsgBox(empresa_.recusa(), ui::vbExclamation, sTitulo);
        return false;
    }
    if (!sAgencia.isEmpty() && !agencia_.adquirir(sAgencia, sEmpresa)) {
        empresa_.libertar();
        messages.MsgBox(agencia_.recusa(), ui::vbExclamation, sTitulo);
        return false;
    }
    return true;
}

void RunLocks::libertar() {
    agencia_.libertar(empresa_.resolvidoJa());
    empresa_.libertar();
}

}  // namespace tvx
