#pragma once
// The convention of the entry points the host calls: no error goes back to
// the host; each one ends in a message box with the exclamation icon, the
// text "Erro " + description and the entry's own title, and the entry then
// returns its result as it stood.
#include "platform/automation/automation_error.h"
#include "platform/ui/message_box.h"

#include <QString>
#include <utility>

namespace tvx::addin {

void showEntryError(ui::MessageBox& messages, const QString& title, const AutomationError& error);

template <class F>
void runEntryPoint(ui::MessageBox& messages, const QString& title, F&& body) {
    try {
        std::forward<F>(body)();
    } catch (...) {
        showEntryError(messages, title, currentError());
    }
}

}  // namespace tvx::addin
