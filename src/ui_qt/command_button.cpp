#include "ui_qt/command_button.h"

#include <QPushButton>

namespace tvx::ui_qt {

QPushButton* commandButton(const QString& control, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(control);
    button->setAutoDefault(false);
    button->setMinimumWidth(button->fontMetrics().averageCharWidth() * 14 + 32);
    return button;
}

}  // namespace tvx::ui_qt
