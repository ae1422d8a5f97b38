#pragma once
// The one way a caught error reaches the user: a message box with a text of
// the caller's own followed by the error's description.
#include "platform/automation/automation_error.h"
#include "platform/ui/message_box.h"

#include <QString>

namespace tvx::ui {

// `prefix` + the description, in a box of `style` titled `title` (the
// error's own source when `title` is empty). Returns the button answered.
int showError(MessageBox& box, const AutomationError& error, const QString& prefix, int style,
              const QString& title = {});

}  // namespace tvx::ui
