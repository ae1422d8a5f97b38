#include "ui_qt/form_layout.h"

#include "ui_qt/command_button.h"
#include "ui_qt/form_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tvx::ui_qt {

void layOutForm(FormDialog& dialog, QWidget* body, std::initializer_list<QString> leftButtons,
                std::initializer_list<QString> rightButtons) {
    auto* buttons = new QHBoxLayout;
    for (const QString& control : leftButtons) buttons->addWidget(commandButton(control, &dialog));
    buttons->addStretch(1);
    QPushButton* last = nullptr;
    for (const QString& control : rightButtons) buttons->addWidget(last = commandButton(control, &dialog));
    if (last) dialog.setCancelButton(last);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(body, 1);
    layout->addLayout(buttons);
}

}  // namespace tvx::ui_qt
