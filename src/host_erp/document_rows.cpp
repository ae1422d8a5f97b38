#include "host_erp/document_rows.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"

#include <algorithm>

namespace tvx::host_erp {

namespace {

// An ID as a bound value: a Long while it fits, as the platform holds numbers.
Variant idValue(qint64 id) {
    return id >= INT32_MIN && id <= INT32_MAX ? Variant(std::int32_t(id)) : Variant(double(id));
}

SqlCondition idIs(const char* column, qint64 id) {
    return {QLatin1String(column) + QStringLiteral(" = ?"), {idValue(id)}};
}

}  // namespace

RowSet emptyRowsOf(sql::Connection& db, const QString& table) {
    return db.Query(QStringLiteral("SELECT * FROM %1 WHERE ID = 0").arg(table));
}

RowSet newRow(sql::Connection& db, const QString& table) {
    RowSet rs = emptyRowsOf(db, table);
    rs->AddNew();
    return rs;
}

void setColumns(ado::Recordset& row, std::initializer_list<std::pair<const char*, Variant>> values) {
    const auto& fields = row.Fields().infos();
    for (const auto& [column, value] : values) {
        // The host names its columns as the schema spells them: look for that first.
        const QLatin1String name(column);
        const auto exact =
            std::find_if(fields.begin(), fields.end(), [&](const ado::FieldInfo& f) { return f.name == name; });
        if (exact != fields.end())
            row.setValue(int(exact - fields.begin()), value);
        else
            row.setValue(QString(name), value);
    }
}

qint64 writeNewRow(sql::Connection& db, ado::Recordset& row) {
    db.WriteBack(row);
    return idOf(row);
}

qint64 idOf(const ado::Recordset& row) { return qint64(CDbl(row.value(QStringLiteral("ID")))); }

RowSet rowsOf(sql::Connection& db, const QString& table, const SqlCondition& where, const QString& orderBy) {
    QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2").arg(table, where.text);
    if (!orderBy.isEmpty()) sql += QStringLiteral(" ORDER BY ") + orderBy;
    return db.Query(sql, where.values);
}

RowSet rowById(sql::Connection& db, const QString& table, qint64 id) { return rowsOf(db, table, idIs("ID", id)); }

qint64 firstId(sql::Connection& db, const QString& table, const SqlCondition& where) {
    const RowSet rs =
        db.Query(QStringLiteral("SELECT ID FROM %1 WHERE %2 ORDER BY ID").arg(table, where.text), where.values);
    return rs->RecordCount() > 0 ? qint64(CDbl(rs->value(0))) : 0;
}

void NewLine::set(std::initializer_list<std::pair<const char*, Variant>> values) {
    for (const auto& [column, value] : values) {
        if (value.isEmpty() || value.isNull()) continue;
        if (value.type() == VarType::Date || value.isObject()) err::raise(err::TypeMismatch);
        columns_.push_back(column);
        values_.push_back(value);
    }
}

namespace {

// Rows written by one INSERT at most: few statements per document, and far
// below the database's limit on bound values.
constexpr std::size_t kRowsPerInsert = 32;

QString insertText(const QString& table, const std::vector<const char*>& columns, std::size_t rows) {
    if (columns.empty()) return QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table);
    QString names, marks = QStringLiteral("(");
    for (const char* column : columns) {
        if (!names.isEmpty()) names += QStringLiteral(", "), marks += QStringLiteral(", ");
        names += QLatin1String(column);
        marks += u'?';
    }
    marks += u')';
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, names);
    for (std::size_t r = 0; r < rows; ++r) sql += (r ? QStringLiteral(", ") : QString()) + marks;
    return sql;
}

// Inserts `rows`, all with the same columns, a few statements for all.
void insertAlike(sql::Connection& db, const QString& table, std::span<const NewLine> rows) {
    const auto& columns = rows.front().columns();
    if (columns.empty()) {
        for (std::size_t r = 0; r < rows.size(); ++r) db.Execute(insertText(table, columns, 1));
        return;
    }
    for (std::size_t first = 0; first < rows.size(); first += kRowsPerInsert) {
        const std::size_t count = std::min(kRowsPerInsert, rows.size() - first);
        std::vector<Variant> values;
        values.reserve(count * columns.size());
        for (const NewLine& row : rows.subspan(first, count))
            values.insert(values.end(), row.values().begin(), row.values().end());
        db.Execute(insertText(table, columns, count), values);
    }
}

}  // namespace

RowSet insertWithLines(sql::Connection& db, const QString& headers, const QString& lines,
                       const std::function<void(ado::Recordset&)>& header, std::size_t lineCount,
                       const std::function<void(NewLine&, qint64, std::size_t)>& line) {
    RowSet head = newRow(db, headers);
    header(*head);
    const qint64 id = writeNewRow(db, *head);
    std::vector<NewLine> rows(lineCount);
    for (std::size_t i = 0; i < lineCount; ++i) line(rows[i], id, i);
    // Consecutive lines with the same columns go together, in line order.
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t end = first + 1;
        while (end < rows.size() && rows[end].columns() == rows[first].columns()) ++end;
        insertAlike(db, lines, std::span<const NewLine>(rows).subspan(first, end - first));
        first = end;
    }
    return head;
}

void deleteWithLines(sql::Connection& db, const QString& headers, const QString& lines, qint64 id) {
    db.Execute(QStringLiteral("DELETE FROM %1 WHERE IDCAB = ?").arg(lines), {idValue(id)});
    db.Execute(QStringLiteral("DELETE FROM %1 WHERE ID = ?").arg(headers), {idValue(id)});
}

namespace {

// A member <-> column map with the columns found in a record set's fields
// once, for reading its rows.
class MemberReader {
public:
    MemberReader(const ado::Recordset& rs, std::span<const MemberColumn> map) : map_(map) {
        for (const MemberColumn& m : map)
            members_.emplace_back(QLatin1String(m.member), rs.Fields().indexOf(QString(QLatin1String(m.column))));
    }

    void read(const ado::Recordset& row, Members& members) const {
        for (std::size_t i = 0; i < members_.size(); ++i) {
            const auto& [member, column] = members_[i];
            // A column the record set lacks fails as reading it by name does.
            const Variant v = column < 0 ? row.value(QLatin1String(map_[i].column)) : row.value(column);
            members.store(member, v.isNull() ? Variant() : toMemberKind(v, map_[i].kind));
        }
    }

private:
    std::span<const MemberColumn> map_;
    std::vector<std::pair<QString, int>> members_;  // member name, column index
};

}  // namespace

void readMembers(const ado::Recordset& row, std::span<const MemberColumn> map, Members& members) {
    MemberReader(row, map).read(row, members);
}

void readEachLine(sql::Connection& db, const QString& lines, qint64 id, std::span<const MemberColumn> map,
                  const std::function<Members&()>& next) {
    const RowSet rows = rowsOf(db, lines, idIs("IDCAB", id), QStringLiteral("NUMLINHA"));
    const MemberReader reader(*rows, map);
    for (; !rows->Eof(); rows->MoveNext()) reader.read(*rows, next());
}

}  // namespace tvx::host_erp
