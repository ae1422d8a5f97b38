#include "ui_qt/dialog_parent.h"

#include <QApplication>
#include <QWidget>

namespace tvx::ui_qt {

QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

}  // namespace tvx::ui_qt
