#pragma once
// The one spreadsheet export of a data grid, shared by every grid adapter:
// the grid's visible columns in order, their captions as headings, then the
// rows of the bound record set.
#include "platform/ui/data_grid.h"
#include "platform/ui/spreadsheet_table.h"

#include <functional>
#include <vector>

namespace tvx::ado {
class Recordset;
}

namespace tvx {

// The grid's visible columns; `row` is called with the values of each row
// in turn, none of them kept (a log of a million rows is walked, not
// copied). `rs` may be null or closed (no row); its current row is the same
// afterwards.
std::vector<SpreadsheetColumn> gridRows(const std::vector<ui::GridColumn>& columns, ado::Recordset* rs,
                                        const std::function<void(const std::vector<Variant>&)>& row);
// The table the grid shows, every row copied.
SpreadsheetTable gridSpreadsheetTable(const std::vector<ui::GridColumn>& columns, ado::Recordset* rs);
// Writes that table to `path` (see writeSpreadsheet for the file forms).
void exportGrid(const QString& path, const std::vector<ui::GridColumn>& columns, ado::Recordset* rs);

}  // namespace tvx
