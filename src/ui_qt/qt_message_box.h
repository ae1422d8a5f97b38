#pragma once
// Message boxes on the desktop: the style word's buttons (in the platform's
// order, with Portuguese texts), icon and default button. Escape and the
// close box answer as the platform does: Cancel where there is one, OK for
// a lone OK button, and nothing at all (the box stays) otherwise.
#include "platform/ui/message_box.h"

#include <memory>

class QMessageBox;
class QWidget;

namespace tvx::ui_qt {

// The box MsgBox shows, ready to be shown; `parent` null: over the active window.
std::unique_ptr<QMessageBox> newMessageBox(const QString& prompt, int style, const QString& title,
                                           QWidget* parent = nullptr);
// The answer (a ui::MsgBoxResult) of the button the user pressed on `box`.
int messageBoxAnswer(const QMessageBox& box, int style);

class QtMessageBox : public ui::MessageBox {
public:
    int MsgBox(const QString& prompt, int style = ui::vbOKOnly, const QString& title = {}) override;
};

}  // namespace tvx::ui_qt
