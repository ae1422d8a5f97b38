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

SpreadsheetTable gridSpreadsheetTable(const std::vector<ui::GridColumn>& columns, ado::Recordset* rs) {
    SpreadsheetTable table;
    std::vector<int> fieldIndex;
    for (const auto& column : columns) {
        if (column.hidden) continue;
        table.columns.push_back({column.caption, column.width});
        fieldIndex.push_back(rs ? rs->Fields().indexOf(column.key) : -1);
    }
    if (!rs || rs->State() != ado::adStateOpen || rs->RecordCount() <= 0) return table;

    CursorKeeper keeper(*rs);
    table.rows.reserve(std::size_t(rs->RecordCount()));
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        std::vector<Variant> row;
        row.reserve(fieldIndex.size());
        for (const int index : fieldIndex) row.push_back(index < 0 ? Variant() : rs->value(index));
        table.rows.push_back(std::move(row));
    }
    return table;
}

void exportGrid(const QString& path, const std::vector<ui::GridColumn>& columns, ado::Recordset* rs) {
    writeSpreadsheet(path, gridSpreadsheetTable(columns, rs));
}

}  // namespace tvx
