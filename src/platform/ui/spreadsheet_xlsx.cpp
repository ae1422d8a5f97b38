// Office Open XML workbooks through libxlsxwriter.
#include "platform/ui/spreadsheet_table.h"

#include "platform/ui/file_replace.h"

#include <xlsxwriter.h>

#include <QByteArray>

namespace tvx {

namespace {

constexpr int TwipsPerPixel = 15;
constexpr qsizetype MaxCellText = 32767;  // the most a cell holds

[[noreturn]] void raiseWriteFailure(const QString& path, const QString& reason) { throw fileWriteError(path, reason); }

struct Formats {
    lxw_format* heading = nullptr;
    lxw_format* date = nullptr;
};

Formats addFormats(lxw_workbook* book) {
    Formats f;
    f.heading = workbook_add_format(book);
    format_set_bold(f.heading);
    f.date = workbook_add_format(book);
    format_set_num_format(f.date, "dd-mm-yyyy hh:mm:ss");
    return f;
}

lxw_error writeCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const Variant& value, const Formats& f) {
    switch (cellKind(value)) {
        case CellKind::Blank:
            return LXW_NO_ERROR;
        case CellKind::Number:
            return worksheet_write_number(sheet, row, col, cellNumber(value), nullptr);
        case CellKind::Boolean:
            return worksheet_write_boolean(sheet, row, col, value.asBool() ? 1 : 0, nullptr);
        // Dates go in as their day count under a date format, as spreadsheets keep them.
        case CellKind::Date:
            return worksheet_write_number(sheet, row, col, value.asDate().value, f.date);
        case CellKind::Text: {
            const QByteArray text = value.asString().left(MaxCellText).toUtf8();
            return worksheet_write_string(sheet, row, col, text.constData(), nullptr);
        }
    }
    return LXW_NO_ERROR;
}

}  // namespace

void writeXlsxWorkbook(const QString& path, const SpreadsheetTable& table) {
    const QByteArray fileName = path.toLocal8Bit();
    lxw_workbook* book = workbook_new(fileName.constData());
    if (!book) raiseWriteFailure(path, QStringLiteral("out of memory"));
    const Formats formats = addFormats(book);
    lxw_worksheet* sheet = workbook_add_worksheet(book, table.sheetName.toUtf8().constData());

    lxw_error failure = sheet ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED;
    const auto keep = [&failure](lxw_error e) {
        if (failure == LXW_NO_ERROR) failure = e;
    };
    for (std::size_t c = 0; sheet && c < table.columns.size(); ++c) {
        const auto col = lxw_col_t(c);
        const auto& column = table.columns[c];
        keep(worksheet_write_string(sheet, 0, col, column.caption.left(MaxCellText).toUtf8().constData(),
                                    formats.heading));
        if (column.widthTwips > 0)
            keep(worksheet_set_column_pixels(sheet, col, col, column.widthTwips / TwipsPerPixel, nullptr));
    }
    for (std::size_t r = 0; sheet && r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        for (std::size_t c = 0; c < row.size() && c < table.columns.size(); ++c)
            keep(writeCell(sheet, lxw_row_t(r + 1), lxw_col_t(c), row[c], formats));
    }
    if (sheet) worksheet_freeze_panes(sheet, 1, 0);

    const lxw_error closed = workbook_close(book);  // writes the file and frees the workbook
    keep(closed);
    if (failure != LXW_NO_ERROR) raiseWriteFailure(path, QString::fromUtf8(lxw_strerror(failure)));
}

}  // namespace tvx
