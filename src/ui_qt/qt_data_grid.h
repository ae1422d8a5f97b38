#pragma once
// The data grid port over a DataGridWidget. Export writes the grid's visible
// columns and the record set's rows through the shared spreadsheet writer.
// Letting the object go deletes the widget unless a window holds it.
#include "platform/ui/data_grid.h"

#include <QPointer>

namespace tvx::ui_qt {

class DataGridWidget;

class QtDataGrid : public ui::DataGrid {
public:
    explicit QtDataGrid(DataGridWidget* widget);
    ~QtDataGrid() override;
    QtDataGrid(const QtDataGrid&) = delete;
    QtDataGrid& operator=(const QtDataGrid&) = delete;

    void SetGroupByBoxText(const QString& text) override;
    void SetEnterKeyBehavior(int behaviour) override;
    void SetTabKeyBehavior(int behaviour) override;
    void SetStyle(const QString& name, const ui::GridStyle& style) override;
    void SetDataSource(std::shared_ptr<ado::Recordset> rs) override;
    int ColumnCount() const override;
    ui::GridColumn Column(int index) const override;
    void SetColumn(int index, const ui::GridColumn& column) override;
    void Export(const QString& fileName, int format, int options) override;
    void SetRowMarks(const QString& key, const std::vector<ui::GridRowMarkRule>& rules) override;

    DataGridWidget* widget() const;

private:
    // The widget; error 91 once its window has deleted it.
    DataGridWidget& grid() const;

    QPointer<DataGridWidget> widget_;
};

}  // namespace tvx::ui_qt
