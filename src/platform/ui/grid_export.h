#pragma once
// The one spreadsheet export of a data grid, shared by every grid adapter:
// the grid's visible columns in order, their captions as headings, then the
// rows of the bound record set.
#include "platform/ui/data_grid.h"
#include "platform/ui/spreadsheet_table.h"

#include <vector>

namespace tvx::ado {
class Recordset;
}

namespace tvx {

// The table the grid shows. `rs` may be null or closed (headings only); its
// current row is the same afterwards.
SpreadsheetTable gridSpreadsheetTable(const std::vector<ui::GridColumn>& columns, ado::Recordset* rs);
// Writes that table to `path` (see writeSpreadsheet for the file forms).
void exportGrid(const QString& path, const std::vector<ui::GridColumn>& columns, ado::Recordset* rs);

}  // namespace tvx
