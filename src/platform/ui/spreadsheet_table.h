#pragma once
// A table ready to be written as a spreadsheet: column captions and widths,
// then rows of values. Numbers stay numbers, dates stay dates.
#include "platform/automation/variant.h"

#include <QString>
#include <vector>

namespace tvx {

struct SpreadsheetColumn {
    QString caption;
    int widthTwips = 0;  // 0: the writer's default width
};

struct SpreadsheetTable {
    QString sheetName = QStringLiteral("Folha1");
    std::vector<SpreadsheetColumn> columns;
    std::vector<std::vector<Variant>> rows;  // one value per column
};

// How a value is written in a cell.
enum class CellKind { Blank, Number, Boolean, Date, Text };
CellKind cellKind(const Variant& value);
double cellNumber(const Variant& value);  // for Number cells

// Writes `table` to `path`, replacing any file there. A name ending in
// ".xlsx" (any case) gets an Office Open XML workbook; any other name the
// XML spreadsheet form that spreadsheet programs open as a workbook, which
// suits the ".XLS" names the add-in offers. Failures raise error 75 with the
// reason in the description.
void writeSpreadsheet(const QString& path, const SpreadsheetTable& table);

// The two writers behind writeSpreadsheet.
void writeXlsxWorkbook(const QString& path, const SpreadsheetTable& table);
void writeXmlSpreadsheet(const QString& path, const SpreadsheetTable& table);

}  // namespace tvx
