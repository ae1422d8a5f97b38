#include "addin/entry_point.h"
#include "platform/ui/error_box.h"

namespace tvx::addin {

void showEntryError(ui::MessageBox& messages, const QString& title, const AutomationError& error) {
    ui::showError(messages, error, QStringLiteral("Erro "), ui::vbExclamation, title);
}

}  // namespace tvx::addin
