#pragma once
// A data grid that keeps what it is told: appearance, bound record set,
// columns; exports are recorded and handed to `exporter` when one is set
// (tests of the spreadsheet files set it to the shared grid export).
#include "platform/ui/data_grid.h"

#include <functional>
#include <map>
#include <vector>

namespace tvx::testing {

struct GridExportCall {
    QString fileName;
    int format = 0;
    int options = 0;
};

class FakeDataGrid : public ui::DataGrid {
public:
    void SetGroupByBoxText(const QString& text) override { groupByBoxText = text; }
    void SetEnterKeyBehavior(int behaviour) override { enterKeyBehavior = behaviour; }
    void SetTabKeyBehavior(int behaviour) override { tabKeyBehavior = behaviour; }
    void SetStyle(const QString& name, const ui::GridStyle& style) override { styles[name] = style; }

    void SetDataSource(std::shared_ptr<ado::Recordset> rs) override;
    int ColumnCount() const override { return int(columns.size()); }
    ui::GridColumn Column(int index) const override { return columns.at(std::size_t(index)); }
    void SetColumn(int index, const ui::GridColumn& column) override { columns.at(std::size_t(index)) = column; }
    void Export(const QString& fileName, int format, int options) override;
    void SetRowMarks(const QString& key, const std::vector<ui::GridRowMarkRule>& rules) override {
        rowMarkKey = key;
        rowMarks = rules;
    }

    // The column keyed `key`, or nullptr.
    const ui::GridColumn* column(const QString& key) const;

    QString groupByBoxText;
    int enterKeyBehavior = 0;
    int tabKeyBehavior = 0;
    std::map<QString, ui::GridStyle> styles;
    std::shared_ptr<ado::Recordset> dataSource;
    int bindings = 0;
    std::vector<ui::GridColumn> columns;
    std::vector<GridExportCall> exports;
    QString rowMarkKey;
    std::vector<ui::GridRowMarkRule> rowMarks;
    std::function<void(const QString& fileName, const std::vector<ui::GridColumn>& columns, ado::Recordset* rs)>
        exporter;
};

}  // namespace tvx::testing
