#include "ui_qt/qt_config_window.h"

#include "ui_qt/dialog_parent.h"
#include "ui_qt/form_dialog.h"
#include "ui_qt/form_layout.h"
#include "ui_qt/property_grid_widget.h"
#include "ui_qt/qt_common_dialog.h"
#include "ui_qt/qt_form_window.h"

namespace tvx::ui_qt {

ui::ConfigWindow newQtConfigWindow(ui::MessageBox& messages, QWidget* parent, std::shared_ptr<DialogFolders> folders) {
    ui::ConfigWindow config;
    config.grid = std::make_unique<ui::PropertyGrid>();
    config.dialog = folders ? std::make_unique<QtCommonDialog>(messages, std::move(folders))
                            : std::make_unique<QtCommonDialog>(messages);

    auto* dialog = new FormDialog(parent ? parent : dialogParent());
    dialog->setObjectName(QStringLiteral("FrmConfiguracao"));
    auto* grid = new PropertyGridWidget(*config.grid, dialog);
    grid->setObjectName(QStringLiteral("wndPropertyGrid"));

    layOutForm(*dialog, grid, {}, {QStringLiteral("cmdConf"), QStringLiteral("cmdCancel"), QStringLiteral("cmdSair")});
    dialog->setMinimumSize(420, 360);
    dialog->resize(600, 720);  // every item of the editor in view at once

    config.window = std::make_unique<QtFormWindow>(dialog);
    return config;
}

}  // namespace tvx::ui_qt
