#pragma once
// Values between SQLite and the record set: the field type a declared column
// type reads as, reading cells, binding values.
//
// Declared types (as the server or Access names them):
//   bit, boolean, yesno -> Boolean          tinyint, smallint -> Integer (16-bit)
//   int, integer, long, counter -> Long     bigint -> Long, or Double when larger
//   money, smallmoney, currency -> Currency decimal, numeric, float, real, double -> Double
//   date -> Date (stored "yyyy-mm-dd")      datetime, smalldatetime, datetime2, time -> Date
//                                           (stored "yyyy-mm-dd hh:mm:ss")
//   char/varchar/nchar/nvarchar(n) -> String of n characters; text, memo, (max) -> long String
// Other names follow SQLite's affinity rules; columns without a declared type
// (expressions) take the type their values have.
#include "platform/ado/field_info.h"
#include "platform/automation/variant.h"

#include <QStringView>
#include <optional>

struct sqlite3_stmt;
struct sqlite3_value;

namespace tvx::sql {

struct ColumnType {
    ado::DataType type;
    int definedSize;
};

std::optional<ColumnType> columnTypeOf(QStringView declared);

// Cell `column` of the current row, as a value of `kind`. A value SQLite holds
// in another storage class than the kind (a text in a number column) is kept as it is.
Variant readCell(sqlite3_stmt* stmt, int column, ado::ValueKind kind);
// Cell `column` as its storage class gives it (Long or Double, Double, String, Null).
Variant readRaw(sqlite3_stmt* stmt, int column);

// The text of a SQL function's argument (a number as SQLite writes it).
QString functionArgumentText(sqlite3_value* v);

// Binds `v` at the 1-based `index` for a column of type `type`; raises 13 for an object.
void bindValue(sqlite3_stmt* stmt, int index, const Variant& v, ado::DataType type);

}  // namespace tvx::sql
