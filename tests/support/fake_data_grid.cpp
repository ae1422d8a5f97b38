#include "support/fake_data_grid.h"

#include "platform/ado/recordset.h"

namespace tvx::testing {

void FakeDataGrid::SetDataSource(std::shared_ptr<ado::Recordset> rs) {
    ++bindings;
    dataSource = std::move(rs);
    columns.clear();
    if (!dataSource) return;
    for (const auto& field : dataSource->Fields().infos()) {
        ui::GridColumn column;
        column.key = field.name;
        column.caption = field.name;
        columns.push_back(column);
    }
}

void FakeDataGrid::Export(const QString& fileName, int format, int options) {
    exports.push_back({fileName, format, options});
    if (exporter) exporter(fileName, columns, dataSource.get());
}

const ui::GridColumn* FakeDataGrid::column(const QString& key) const {
    for (const auto& c : columns)
        if (c.key == key) return &c;
    return nullptr;
}

}  // namespace tvx::testing
