#include "platform/ui/grid_export.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"

namespace tvx {

namespace {

// Restores the record set's current row when the export is done.
class CursorKeeper {
public:
    explicit CursorKeeper(ado::Recordset& rs) : rs_(rs), position_(rs.AbsolutePosition()) {}
    ~CursorKeeper() {
        tryIgnoringError([this] {
            if (position_ > 0) {
                rs_.setAbsolutePosition(position_);
            } else if (position_ == ado::adPosEOF) {
                rs_.MoveLast();
                rs_.MoveNext();
            } else if (position_ == ado::adPosBOF) {
                rs_.MoveFirst();
                rs_.MovePrevious();
            }
        });
    }
    CursorKeeper(const CursorKeeper&) = delete;
    CursorKeeper& operator=(const CursorKeeper&) = delete;

private:
    ado::Recordset& rs_;
    int position_;
};

}  // namespace

std::vector<SpreadsheetColumn> gridRows(const std::vector<ui::GridColumn>& columns, ado::Recordset* rs,
                                        const std::function<void(const std::vector<Variant>&)>& row) {
    std::vector<SpreadsheetColumn> visible;
    std::vector<int> fieldIndex;
    for (const auto& column : columns) {
        if (column.hidden) continue;
        visible.push_back({column.caption, column.width});
        fieldIndex.push_back(rs ? rs->Fields().indexOf(column.key) : -1);
    }
    if (!rs || rs->State() != ado::adStateOpen || rs->RecordCount() <= 0) return visible;

    CursorKeeper keeper(*rs);
    std::vector<Variant> values(fieldIndex.size());
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        for (std::size_t i = 0; i < fieldIndex.size(); ++i)
            values[i] = fieldIndex[i] < 0 ? Variant() : rs->value(fieldIndex[i]);
        row(values);
    }
    return visible;
}

SpreadsheetTable gridSpreadsheetTable(const std::vector<ui::GridColumn>& columns, ado::Recordset* rs) {
    SpreadsheetTable table;
    if (rs && rs->State() == ado::adStateOpen && rs->RecordCount() > 0)
        table.rows.reserve(std::size_t(rs->RecordCount()));
    table.columns = gridRows(columns, rs, [&](const std::vector<Variant>& row) { table.rows.push_back(row); });
    return table;
}

void exportGrid(const QString& path, const std::vector<ui::GridColumn>& columns, ado::Recordset* rs) {
    writeSpreadsheet(path, gridSpreadsheetTable(columns, rs));
}

}  // namespace tvx
