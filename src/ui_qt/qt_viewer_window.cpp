#include "ui_qt/qt_viewer_window.h"

#include "ui_qt/command_button.h"
#include "ui_qt/data_grid_widget.h"
#include "ui_qt/dialog_parent.h"
#include "ui_qt/form_dialog.h"
#include "ui_qt/qt_data_grid.h"
#include "ui_qt/qt_form_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tvx::ui_qt {

ui::ViewerWindow newQtViewerWindow(QWidget* parent) {
    auto* dialog = new FormDialog(parent ? parent : dialogParent());
    dialog->setObjectName(QStringLiteral("FrmViewDiagnosticos"));
    auto* grid = new DataGridWidget(dialog);
    grid->setObjectName(QStringLiteral("grdDiag"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(commandButton(QStringLiteral("CmdAbrir"), dialog));
    buttons->addWidget(commandButton(QStringLiteral("CmdGravarComo"), dialog));
    buttons->addStretch(1);
    auto* sair = commandButton(QStringLiteral("cmdSair"), dialog);
    buttons->addWidget(sair);
    dialog->setCancelButton(sair);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(grid, 1);
    layout->addLayout(buttons);
    dialog->setMinimumSize(520, 300);
    dialog->resize(860, 540);

    ui::ViewerWindow viewer;
    viewer.grid = std::make_unique<QtDataGrid>(grid);
    viewer.window = std::make_unique<QtFormWindow>(dialog);
    return viewer;
}

}  // namespace tvx::ui_qt
