#include "ui_qt/qt_data_grid.h"

#include "platform/automation/automation_error.h"
#include "platform/ui/grid_export.h"
#include "ui_qt/data_grid_widget.h"
#include "ui_qt/group_by_bar.h"
#include "ui_qt/recordset_table_model.h"

namespace tvx::ui_qt {

QtDataGrid::QtDataGrid(DataGridWidget* widget) : widget_(widget) {}

QtDataGrid::~QtDataGrid() {
    if (widget_ && !widget_->parent()) delete widget_.data();
}

DataGridWidget& QtDataGrid::grid() const {
    if (!widget_) err::raise(err::ObjectNotSet, QStringLiteral("DataGrid"));
    return *widget_;
}

void QtDataGrid::SetGroupByBoxText(const QString& text) { grid().groupByBar()->setText(text); }
void QtDataGrid::SetEnterKeyBehavior(int behaviour) { grid().setEnterKeyBehavior(behaviour); }
void QtDataGrid::SetTabKeyBehavior(int behaviour) { grid().setTabKeyBehavior(behaviour); }
void QtDataGrid::SetStyle(const QString& name, const ui::GridStyle& style) { grid().setGridStyle(name, style); }
void QtDataGrid::SetDataSource(std::shared_ptr<ado::Recordset> rs) { grid().setRecordset(std::move(rs)); }
int QtDataGrid::ColumnCount() const { return grid().tableModel()->columnCount(); }

ui::GridColumn QtDataGrid::Column(int index) const { return grid().tableModel()->columns().at(std::size_t(index)); }

void QtDataGrid::SetColumn(int index, const ui::GridColumn& column) { grid().setColumn(index, column); }

void QtDataGrid::Export(const QString& fileName, int, int) {
    const RecordsetTableModel& table = *grid().tableModel();
    exportGrid(fileName, table.columns(), table.recordset().get());
}

void QtDataGrid::SetRowMarks(const QString& key, const std::vector<ui::GridRowMarkRule>& rules) {
    grid().setRowMarks(key, rules);
}

DataGridWidget* QtDataGrid::widget() const { return widget_; }

}  // namespace tvx::ui_qt
