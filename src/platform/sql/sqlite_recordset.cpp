#include "platform/sql/sqlite_recordset.h"

#include "platform/ado/recordset.h"
#include "platform/sql/sql_error.h"
#include "platform/sql/sqlite_statements.h"
#include "platform/sql/sqlite_values.h"
#include "platform/sql/statement_cache.h"

#include <sqlite3.h>
#include <QRegularExpression>
#include <map>

namespace tvx::sql {

namespace {

QString utf8(const char* s) { return s ? QString::fromUtf8(s) : QString(); }

// The column's own name, unless the query named it otherwise.
QString fieldName(const QString& reported, const QString& origin) {
    if (origin.isEmpty() || reported.compare(origin, Qt::CaseInsensitive) == 0)
        return origin.isEmpty() ? reported : origin;
    static const QRegularExpression numbered(QStringLiteral("^(.*):\\d+$"));
    const auto m = numbered.match(reported);
    if (m.hasMatch() && m.captured(1).compare(origin, Qt::CaseInsensitive) == 0) return origin;
    return reported;
}

// An INTEGER column that is its table's whole primary key is the rowid: the database numbers it.
bool isRowidAlias(sqlite3* db, const QString& table, const char* declared) {
    if (!declared || qstricmp(declared, "INTEGER") != 0) return false;
    Statement stmt = prepare(db, QStringLiteral("SELECT count(*) FROM pragma_table_info(?1) WHERE pk > 0"));
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(stmt.get(), 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    return sqlite3_step(stmt.get()) == SQLITE_ROW && sqlite3_column_int(stmt.get(), 0) == 1;
}

void describeOrigin(sqlite3* db, sqlite3_stmt* stmt, int i, ado::FieldInfo& f) {
    const char* declared = nullptr;
    const char* collation = nullptr;
    int notNull = 0, primaryKey = 0, autoIncrement = 0;
    const QByteArray table = f.baseTable.toUtf8(), column = f.baseColumn.toUtf8();
    if (sqlite3_table_column_metadata(db, sqlite3_column_database_name(stmt, i), table.constData(), column.constData(),
                                      &declared, &collation, &notNull, &primaryKey, &autoIncrement) != SQLITE_OK)
        raiseSqliteError(db);
    f.attributes |= ado::adFldUpdatable;
    if (!notNull) f.attributes |= ado::adFldIsNullable | ado::adFldMayBeNull;
    if (primaryKey) f.attributes |= ado::adFldKeyColumn;
    f.autoIncrement = autoIncrement || (primaryKey && isRowidAlias(db, f.baseTable, declared));
}

// Columns whose name two tables share are named "Table.Column".
void qualifySharedNames(std::vector<ado::FieldInfo>& fields) {
    std::map<QString, int> counts;
    for (const auto& f : fields) ++counts[f.name.toLower()];
    for (auto& f : fields)
        if (counts[f.name.toLower()] > 1 && !f.baseTable.isEmpty()) f.name = f.baseTable + u'.' + f.baseColumn;
}

// A column without a declared type takes the type of its values.
void settleTypeByValues(ado::FieldInfo& f, std::vector<Variant>& cells, std::size_t column, std::size_t columns) {
    bool anyText = false, anyDouble = false;
    for (std::size_t at = column; at < cells.size(); at += columns) {
        anyText = anyText || cells[at].type() == VarType::String;
        anyDouble = anyDouble || cells[at].type() == VarType::Double;
    }
    f.type = anyText ? ado::adVarWChar : anyDouble ? ado::adDouble : ado::adInteger;
    f.definedSize = anyText ? 0 : ado::fixedSizeOf(f.type);
    if (!anyText && !anyDouble) {
        bool allNull = true;
        for (std::size_t at = column; at < cells.size() && allNull; at += columns) allNull = cells[at].isNull();
        if (allNull) f.type = ado::adVarWChar, f.definedSize = 0;
    }
    for (std::size_t at = column; at < cells.size(); at += columns) {
        Variant& v = cells[at];
        if (anyText && v.type() == VarType::Long) v = Variant(QString::number(v.asLong()));
        if (anyText && v.type() == VarType::Double) v = Variant(QString::number(v.asDouble(), 'g', 15));
        if (!anyText && anyDouble && v.type() == VarType::Long) v = Variant(double(v.asLong()));
    }
}

}  // namespace

std::vector<ado::FieldInfo> describeColumns(sqlite3* db, sqlite3_stmt* stmt) {
    std::vector<ado::FieldInfo> fields(std::size_t(sqlite3_column_count(stmt)));
    for (int i = 0; i < int(fields.size()); ++i) {
        ado::FieldInfo& f = fields[std::size_t(i)];
        f.baseTable = utf8(sqlite3_column_table_name(stmt, i));
        f.baseColumn = utf8(sqlite3_column_origin_name(stmt, i));
        f.name = fieldName(utf8(sqlite3_column_name(stmt, i)), f.baseColumn);
        const auto type = columnTypeOf(utf8(sqlite3_column_decltype(stmt, i)));
        f.type = type ? type->type : ado::adEmpty;  // settled by the values when unknown
        f.definedSize = type ? type->definedSize : 0;
        if (ado::fixedSizeOf(f.type) > 0) f.attributes |= ado::adFldFixed;
        if (f.type == ado::adLongVarWChar) f.attributes |= ado::adFldLong;
        if (f.baseColumn.isEmpty())
            f.attributes |= ado::adFldIsNullable | ado::adFldMayBeNull | ado::adFldUnknownUpdatable;
        else
            describeOrigin(db, stmt, i, f);
    }
    qualifySharedNames(fields);
    return fields;
}

namespace {

// The fields of `stmt`, which has been stepped once: a step prepares a kept
// statement anew after a schema change, so its description is current then.
std::vector<ado::FieldInfo> fieldsOf(sqlite3* db, sqlite3_stmt* stmt, KeptDescription* kept) {
    if (!kept) return describeColumns(db, stmt);
    const int reprepares = StatementCache::reprepares(stmt);
    if (kept->reprepares != reprepares) {
        kept->fields = describeColumns(db, stmt);
        kept->reprepares = reprepares;
    }
    return kept->fields;
}

}  // namespace

void readRecordset(sqlite3* db, sqlite3_stmt* stmt, ado::Recordset& rs, KeptDescription* kept) {
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) raiseSqliteError(db);
    std::vector<ado::FieldInfo> fields = fieldsOf(db, stmt, kept);
    const std::size_t columns = fields.size();
    std::vector<ado::ValueKind> kinds;
    for (const auto& f : fields) kinds.push_back(ado::valueKindOf(f.type));
    std::vector<Variant> cells;
    for (; rc == SQLITE_ROW; rc = sqlite3_step(stmt))
        for (std::size_t c = 0; c < columns; ++c)
            cells.push_back(fields[c].type == ado::adEmpty ? readRaw(stmt, int(c)) : readCell(stmt, int(c), kinds[c]));
    if (rc != SQLITE_DONE) raiseSqliteError(db);
    for (std::size_t c = 0; c < columns; ++c)
        if (fields[c].type == ado::adEmpty) settleTypeByValues(fields[c], cells, c, columns);
    rs.openRows(std::move(fields), std::move(cells), utf8(sqlite3_sql(stmt)));
}

}  // namespace tvx::sql
