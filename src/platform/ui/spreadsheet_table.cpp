#include "platform/ui/spreadsheet_table.h"

#include "platform/automation/conversions.h"

namespace tvx {

CellKind cellKind(const Variant& value) {
    switch (value.type()) {
        case VarType::Empty:
        case VarType::Null:
        case VarType::Object:
            return CellKind::Blank;
        case VarType::Integer:
        case VarType::Long:
        case VarType::Double:
        case VarType::Currency:
            return CellKind::Number;
        case VarType::Boolean:
            return CellKind::Boolean;
        case VarType::Date:
            return CellKind::Date;
        case VarType::String:
            return CellKind::Text;
    }
    return CellKind::Blank;
}

double cellNumber(const Variant& value) { return CDbl(value); }

void writeSpreadsheet(const QString& path, const SpreadsheetTable& table) {
    if (path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        writeXlsxWorkbook(path, table);
    else
        writeXmlSpreadsheet(path, table);
}

}  // namespace tvx
