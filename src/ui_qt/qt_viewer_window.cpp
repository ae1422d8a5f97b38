#include "ui_qt/qt_viewer_window.h"

#include "ui_qt/data_grid_widget.h"
#include "ui_qt/dialog_parent.h"
#include "ui_qt/form_dialog.h"
#include "ui_qt/form_layout.h"
#include "ui_qt/qt_data_grid.h"
#include "ui_qt/qt_form_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tvx::ui_qt {

namespace {

QString rowsShownText(int shown, int total) {
    if (shown == total) return total == 1 ? QStringLiteral("1 linha") : QStringLiteral("%1 linhas").arg(total);
    return QStringLiteral("%1 de %2 linhas").arg(shown).arg(total);
}

// The grid below a filter box and the count of the rows shown.
QWidget* filteredGrid(DataGridWidget* grid, QWidget* parent) {
    auto* body = new QWidget(parent);
    auto* filter = new QLineEdit(body);
    filter->setObjectName(QStringLiteral("txtFiltro"));
    filter->setPlaceholderText(QStringLiteral("Filtrar por Estado ou Descrição"));
    filter->setClearButtonEnabled(true);
    auto* label = new QLabel(QStringLiteral("&Filtrar:"), body);
    label->setBuddy(filter);
    auto* count = new QLabel(rowsShownText(0, 0), body);
    count->setObjectName(QStringLiteral("lblLinhas"));
    QObject::connect(filter, &QLineEdit::textChanged, grid, &DataGridWidget::setFilterText);
    QObject::connect(grid, &DataGridWidget::rowsShownChanged, count,
                     [count](int shown, int total) { count->setText(rowsShownText(shown, total)); });

    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(filter, 1);
    top->addSpacing(12);
    top->addWidget(count);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(grid, 1);
    return body;
}

}  // namespace

ui::ViewerWindow newQtViewerWindow(QWidget* parent) {
    auto* dialog = new FormDialog(parent ? parent : dialogParent());
    dialog->setObjectName(QStringLiteral("FrmViewDiagnosticos"));
    auto* grid = new DataGridWidget(dialog);
    grid->setObjectName(QStringLiteral("grdDiag"));

    layOutForm(*dialog, filteredGrid(grid, dialog), {QStringLiteral("CmdAbrir"), QStringLiteral("CmdGravarComo")},
               {QStringLiteral("cmdSair")});
    dialog->setMinimumSize(520, 300);
    dialog->resize(860, 540);

    ui::ViewerWindow viewer;
    viewer.grid = std::make_unique<QtDataGrid>(grid);
    viewer.window = std::make_unique<QtFormWindow>(dialog);
    return viewer;
}

}  // namespace tvx::ui_qt
