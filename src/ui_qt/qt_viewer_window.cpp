#include "ui_qt/qt_viewer_window.h"

#include "ui_qt/data_grid_widget.h"
#include "ui_qt/dialog_parent.h"
#include "ui_qt/form_dialog.h"
#include "ui_qt/form_layout.h"
#include "ui_qt/qt_data_grid.h"
#include "ui_qt/qt_form_window.h"

namespace tvx::ui_qt {

ui::ViewerWindow newQtViewerWindow(QWidget* parent) {
    auto* dialog = new FormDialog(parent ? parent : dialogParent());
    dialog->setObjectName(QStringLiteral("FrmViewDiagnosticos"));
    auto* grid = new DataGridWidget(dialog);
    grid->setObjectName(QStringLiteral("grdDiag"));

    layOutForm(*dialog, grid, {QStringLiteral("CmdAbrir"), QStringLiteral("CmdGravarComo")},
               {QStringLiteral("cmdSair")});
    dialog->setMinimumSize(520, 300);
    dialog->resize(860, 540);

    ui::ViewerWindow viewer;
    viewer.grid = std::make_unique<QtDataGrid>(grid);
    viewer.window = std::make_unique<QtFormWindow>(dialog);
    return viewer;
}

}  // namespace tvx::ui_qt
