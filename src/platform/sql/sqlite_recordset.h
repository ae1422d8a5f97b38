#pragma once
// Reading a SQLite result into a record set.
//
// Field names are the names the Access and SQL Server providers give: a
// column's own name when it comes straight from a table (SQLite may report
// "ID:1" for a column of a nested join), the alias when the query gives one,
// and "Table.Column" for columns of different tables that share a name.
// Fields that come from a table know it (base table and column), whether they
// are part of its primary key, may be null, or are numbered by the database.
#include "platform/ado/field_info.h"

#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tvx::ado {
class Recordset;
}

namespace tvx::sql {

std::vector<ado::FieldInfo> describeColumns(sqlite3* db, sqlite3_stmt* stmt);

struct KeptDescription;

// Steps `stmt` to its end and opens `rs` over every row. With `kept`, the
// fields are described once for a kept statement and taken from there while
// SQLite has not prepared it anew.
void readRecordset(sqlite3* db, sqlite3_stmt* stmt, ado::Recordset& rs, KeptDescription* kept = nullptr);

}  // namespace tvx::sql
