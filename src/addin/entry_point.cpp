#include "addin/entry_point.h"

namespace tvx::addin {

void showEntryError(ui::MessageBox& messages, const QString& title, const AutomationError& error) {
    messages.MsgBox(QStringLiteral("Erro ") + error.description(), ui::vbExclamation, title);
}

}  // namespace tvx::addin
