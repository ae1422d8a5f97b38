#include "host_erp/document_rows.h"

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"

namespace tvx::host_erp {

RowSet emptyRowsOf(sql::Connection& db, const QString& table) {
    return db.Query(QStringLiteral("SELECT * FROM %1 WHERE ID = 0").arg(table));
}

RowSet newRow(sql::Connection& db, const QString& table) {
    RowSet rs = emptyRowsOf(db, table);
    rs->AddNew();
    return rs;
}

void setColumns(ado::Recordset& row, std::initializer_list<std::pair<const char*, Variant>> values) {
    for (const auto& [column, value] : values) row.setValue(QLatin1String(column), value);
}

qint64 writeNewRow(sql::Connection& db, ado::Recordset& row) {
    db.WriteBack(row);
    return qint64(CDbl(row.value(QStringLiteral("ID"))));
}

RowSet rowsOf(sql::Connection& db, const QString& table, const QString& where, const QString& orderBy) {
    QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2").arg(table, where);
    if (!orderBy.isEmpty()) sql += QStringLiteral(" ORDER BY ") + orderBy;
    return db.Query(sql);
}

RowSet rowById(sql::Connection& db, const QString& table, qint64 id) {
    return rowsOf(db, table, QStringLiteral("ID = %1").arg(id));
}

qint64 firstId(sql::Connection& db, const QString& table, const QString& where) {
    const RowSet rs = db.Query(QStringLiteral("SELECT ID FROM %1 WHERE %2 ORDER BY ID").arg(table, where));
    return rs->RecordCount() > 0 ? qint64(CDbl(rs->value(0))) : 0;
}

qint64 insertWithLines(sql::Connection& db, const QString& headers, const QString& lines,
                       const std::function<void(ado::Recordset&)>& header, std::size_t lineCount,
                       const std::function<void(ado::Recordset&, qint64, std::size_t)>& line) {
    RowSet head = newRow(db, headers);
    header(*head);
    const qint64 id = writeNewRow(db, *head);
    RowSet rows = emptyRowsOf(db, lines);
    for (std::size_t i = 0; i < lineCount; ++i) {
        rows->AddNew();
        line(*rows, id, i);
    }
    db.WriteBack(*rows);
    return id;
}

void deleteWithLines(sql::Connection& db, const QString& headers, const QString& lines, qint64 id) {
    db.Execute(QStringLiteral("DELETE FROM %1 WHERE IDCAB = %2").arg(lines).arg(id));
    db.Execute(QStringLiteral("DELETE FROM %1 WHERE ID = %2").arg(headers).arg(id));
}

void readMembers(const ado::Recordset& row, std::span<const MemberColumn> map, Members& members) {
    for (const MemberColumn& m : map) {
        const Variant v = row.value(QLatin1String(m.column));
        members.store(QLatin1String(m.member), v.isNull() ? Variant() : toMemberKind(v, m.kind));
    }
}

void forEachLine(sql::Connection& db, const QString& lines, qint64 id,
                 const std::function<void(const ado::Recordset&)>& read) {
    const RowSet rows = rowsOf(db, lines, QStringLiteral("IDCAB = %1").arg(id), QStringLiteral("NUMLINHA"));
    for (; !rows->Eof(); rows->MoveNext()) read(*rows);
}

}  // namespace tvx::host_erp
