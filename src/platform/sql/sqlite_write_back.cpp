#include "platform/sql/sqlite_write_back.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/sql_error.h"
#include "platform/sql/sql_identifier.h"
#include "platform/sql/sqlite_statements.h"
#include "platform/sql/sqlite_values.h"
#include "platform/sql/stored_values.h"
#include "platform/sql/write_back_target.h"

#include <sqlite3.h>
#include <QStringList>

namespace tvx::sql {

namespace {

using ado::FieldInfo;
using ado::Recordset;

void appendQuoted(QString& out, const QString& name) {
    out += u'"';
    out += name.contains(u'"') ? QString(name).replace(u'"', QStringLiteral("\"\"")) : name;
    out += u'"';
}

QString quoted(const QString& name) { return quotedIdentifier(name); }

using Target = WriteBackTarget;

class WriteBack {
public:
    WriteBack(SqliteRunner& runner, Recordset& rs)
        : runner_(runner),
          db_(runner.db()),
          rs_(rs),
          fields_(rs.Fields().infos()),
          target_(writeBackTargetOf(fields_)) {}

    void run() {
        for (const auto& change : rs_.pendingChanges()) {
            switch (change.status) {
                case ado::RowStatus::Added:
                    insert(change);
                    break;
                case ado::RowStatus::Modified:
                    update(change);
                    break;
                case ado::RowStatus::Deleted:
                    remove(change);
                    break;
                default:
                    break;
            }
        }
    }
    // Puts back the values read into added rows (after a failure).
    void undoStoredValues() { stored_.undo(rs_); }

private:
    const FieldInfo& field(int c) const { return fields_[std::size_t(c)]; }

    void bind(sqlite3_stmt* stmt, int& index, int column, const Variant& v) const {
        bindValue(stmt, ++index, v, field(column).type);
    }

    // "c1", "c2", ... of the fields.
    QString nameList(const std::vector<int>& columns) const {
        QString names;
        names.reserve(qsizetype(columns.size()) * 16);
        for (int c : columns) {
            if (!names.isEmpty()) names += QStringLiteral(", ");
            appendQuoted(names, field(c).baseColumn);
        }
        return names;
    }

    // " WHERE k1 = ? AND ..." over the key fields, bound from `values` after `index`.
    QString keyCondition() const {
        if (target_.keys.empty()) raiseMissingKey();
        QStringList parts;
        for (int k : target_.keys) parts << quoted(field(k).baseColumn) + QStringLiteral(" = ?");
        return QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
    }
    void bindKeys(sqlite3_stmt* stmt, int& index, std::span<const Variant> values) const {
        for (int k : target_.keys) bind(stmt, index, k, values[std::size_t(k)]);
    }

    void stepOnce(sqlite3_stmt* stmt, bool mustChangeOneRow) const {
        if (sqlite3_step(stmt) != SQLITE_DONE) raiseSqliteError(db_);
        if (mustChangeOneRow && sqlite3_changes(db_) != 1) raiseRowNotFound();
    }

    void insert(const Recordset::PendingChange& change) {
        std::vector<int> columns;
        for (int c : target_.columns)
            if (!field(c).autoIncrement && !change.values[std::size_t(c)].isEmpty() &&
                !change.values[std::size_t(c)].isNull())
                columns.push_back(c);
        if (insertSql_.isEmpty() || columns != insertColumns_) {  // rows added alike share their text
            insertColumns_ = columns;
            insertSql_ = columns.empty()
                             ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(target_.table))
                             : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(quoted(target_.table), nameList(columns),
                                        QStringList(qsizetype(columns.size()), QStringLiteral("?")).join(u", "));
        }
        const auto stmt = runner_.prepare(insertSql_);
        int index = 0;
        for (int c : columns) bind(stmt.get(), index, c, change.values[std::size_t(c)]);
        stepOnce(stmt.get(), false);
        readBack(change, sqlite3_last_insert_rowid(db_));
    }

    // The stored row as the database now holds it: numbers and defaults included.
    void readBack(const Recordset::PendingChange& change, sqlite3_int64 rowid) {
        if (readBackSql_.isEmpty())
            readBackSql_ = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                               .arg(nameList(target_.columns), quoted(target_.table));
        const auto stmt = runner_.prepare(readBackSql_);
        sqlite3_bind_int64(stmt.get(), 1, rowid);
        if (sqlite3_step(stmt.get()) != SQLITE_ROW) return;  // a table without rowid: nothing to read back
        for (int i = 0; i < int(target_.columns.size()); ++i) {
            const int c = target_.columns[std::size_t(i)];
            const Variant value = readCell(stmt.get(), i, ado::valueKindOf(field(c).type));
            const Variant before = change.values[std::size_t(c)];
            if (value == before) continue;
            stored_.note(change.row, c, before);
            rs_.setStoredValue(change.row, c, value);
        }
    }

    void update(const Recordset::PendingChange& change) {
        const auto original = change.lookup();
        std::vector<int> changed;
        for (int c : target_.columns)
            if (!(change.values[std::size_t(c)] == original[std::size_t(c)])) changed.push_back(c);
        if (changed.empty()) return;
        QStringList sets;
        for (int c : changed) sets << quoted(field(c).baseColumn) + QStringLiteral(" = ?");
        const auto stmt = runner_.prepare(
            QStringLiteral("UPDATE %1 SET %2").arg(quoted(target_.table), sets.join(u", ")) + keyCondition());
        int index = 0;
        for (int c : changed) bind(stmt.get(), index, c, change.values[std::size_t(c)]);
        bindKeys(stmt.get(), index, original);
        stepOnce(stmt.get(), true);
    }

    void remove(const Recordset::PendingChange& change) {
        const auto original = change.lookup();
        const auto stmt = runner_.prepare(QStringLiteral("DELETE FROM %1").arg(quoted(target_.table)) + keyCondition());
        int index = 0;
        bindKeys(stmt.get(), index, original);
        stepOnce(stmt.get(), true);
    }

    SqliteRunner& runner_;
    sqlite3* db_;
    Recordset& rs_;
    const std::vector<FieldInfo>& fields_;
    Target target_;
    StoredValues stored_;
    std::vector<int> insertColumns_;
    QString insertSql_;
    QString readBackSql_;
};

}  // namespace

void writeBack(SqliteRunner& runner, Recordset& rs) {
    if (rs.pendingChanges().empty()) return;
    WriteBack work(runner, rs);
    runner.execute(QStringLiteral("SAVEPOINT telvarix_write_back"));
    try {
        work.run();
        runner.execute(QStringLiteral("RELEASE telvarix_write_back"));
    } catch (...) {
        sqlite3_exec(runner.db(), "ROLLBACK TO telvarix_write_back; RELEASE telvarix_write_back", nullptr, nullptr,
                     nullptr);
        runner.countEverything();
        work.undoStoredValues();
        throw;
    }
    rs.acceptChanges();
}

}  // namespace tvx::sql
