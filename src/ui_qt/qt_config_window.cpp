#include "ui_qt/qt_config_window.h"

#include "ui_qt/command_button.h"
#include "ui_qt/dialog_parent.h"
#include "ui_qt/form_dialog.h"
#include "ui_qt/property_grid_widget.h"
#include "ui_qt/qt_common_dialog.h"
#include "ui_qt/qt_form_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tvx::ui_qt {

ui::ConfigWindow newQtConfigWindow(ui::MessageBox& messages, QWidget* parent) {
    ui::ConfigWindow config;
    config.grid = std::make_unique<ui::PropertyGrid>();
    config.dialog = std::make_unique<QtCommonDialog>(messages);

    auto* dialog = new FormDialog(parent ? parent : dialogParent());
    dialog->setObjectName(QStringLiteral("FrmConfiguracao"));
    auto* grid = new PropertyGridWidget(*config.grid, dialog);
    grid->setObjectName(QStringLiteral("wndPropertyGrid"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(commandButton(QStringLiteral("cmdConf"), dialog));
    buttons->addWidget(commandButton(QStringLiteral("cmdCancel"), dialog));
    auto* sair = commandButton(QStringLiteral("cmdSair"), dialog);
    buttons->addWidget(sair);
    dialog->setCancelButton(sair);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(grid, 1);
    layout->addLayout(buttons);
    dialog->setMinimumSize(420, 360);
    dialog->resize(600, 720);  // every item of the editor in view at once

    config.window = std::make_unique<QtFormWindow>(dialog);
    return config;
}

}  // namespace tvx::ui_qt
