#include "ui_qt/form_dialog.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace tvx::ui_qt {

FormDialog::FormDialog(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint) {}

void FormDialog::setCancelButton(QAbstractButton* button) { cancelButton_ = button; }

void FormDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            if (cancelButton_ && cancelButton_->isEnabled()) cancelButton_->click();
            return;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace tvx::ui_qt
