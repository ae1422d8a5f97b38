#include "platform/ui/error_box.h"

namespace tvx::ui {

int showError(MessageBox& box, const AutomationError& error, const QString& prefix, int style, const QString& title) {
    return box.MsgBox(prefix + error.description(), style, title.isEmpty() ? error.source() : title);
}

}  // namespace tvx::ui
