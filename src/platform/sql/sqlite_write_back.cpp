#include "platform/sql/sqlite_write_back.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/sql_error.h"
#include "platform/sql/sqlite_statements.h"
#include "platform/sql/sqlite_values.h"

#include <QStringList>
#include <set>
#include <sqlite3.h>

namespace tvx::sql {

namespace {

using ado::FieldInfo;
using ado::Recordset;

QString quoted(const QString& name) { return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"'; }

struct Target {
    QString table;
    std::vector<int> columns;  // fields of the table
    std::vector<int> keys;     // its primary key fields
};

Target targetOf(const std::vector<FieldInfo>& fields) {
    std::set<QString> tables;
    for (const auto& f : fields)
        if (!f.baseTable.isEmpty()) tables.insert(f.baseTable);
    if (tables.size() != 1)
        throw AutomationError(err::Unspecified,
                              QStringLiteral("Insufficient base table information for updating or refreshing."),
                              QStringLiteral("Connection"));
    Target t{*tables.begin(), {}, {}};
    for (int c = 0; c < int(fields.size()); ++c) {
        if (fields[std::size_t(c)].baseTable != t.table) continue;
        t.columns.push_back(c);
        if (fields[std::size_t(c)].isKeyColumn()) t.keys.push_back(c);
    }
    return t;
}

class WriteBack {
public:
    WriteBack(sqlite3* db, Recordset& rs) : db_(db), rs_(rs), fields_(rs.Fields().infos()), target_(targetOf(fields_)) {}

    void run() {
        for (const auto& change : rs_.pendingChanges()) {
            switch (change.status) {
                case ado::RowStatus::Added: insert(change); break;
                case ado::RowStatus::Modified: update(change); break;
                case ado::RowStatus::Deleted: remove(change); break;
                default: break;
            }
        }
    }
    // Puts back the values read into added rows (after a failure).
    void undoStoredValues() {
        for (auto it = stored_.rbegin(); it != stored_.rend(); ++it) rs_.setStoredValue(it->row, it->column, it->before);
    }

private:
    struct Stored {
        ado::RowId row;
        int column;
        Variant before;
    };

    const FieldInfo& field(int c) const { return fields_[std::size_t(c)]; }

    void bind(sqlite3_stmt* stmt, int& index, int column, const Variant& v) const {
        bindValue(stmt, ++index, v, field(column).type);
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
        QStringList names, marks;
        for (int c : columns) names << quoted(field(c).baseColumn), marks << QStringLiteral("?");
        const QString sql = columns.empty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(target_.table))
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(quoted(target_.table), names.join(u", "), marks.join(u", "));
        Statement stmt = prepare(db_, sql);
        int index = 0;
        for (int c : columns) bind(stmt.get(), index, c, change.values[std::size_t(c)]);
        stepOnce(stmt.get(), false);
        readBack(change, sqlite3_last_insert_rowid(db_));
    }

    // The stored row as the database now holds it: numbers and defaults included.
    void readBack(const Recordset::PendingChange& change, sqlite3_int64 rowid) {
        QStringList names;
        for (int c : target_.columns) names << quoted(field(c).baseColumn);
        Statement stmt = prepare(db_, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                          .arg(names.join(u", "), quoted(target_.table)));
        sqlite3_bind_int64(stmt.get(), 1, rowid);
        if (sqlite3_step(stmt.get()) != SQLITE_ROW) return;  // a table without rowid: nothing to read back
        for (int i = 0; i < int(target_.columns.size()); ++i) {
            const int c = target_.columns[std::size_t(i)];
            const Variant value = readCell(stmt.get(), i, ado::valueKindOf(field(c).type));
            const Variant before = change.values[std::size_t(c)];
            if (value == before) continue;
            stored_.push_back({change.row, c, before});
            rs_.setStoredValue(change.row, c, value);
        }
    }

    void update(const Recordset::PendingChange& change) {
        const auto original = change.original.empty() ? change.values : change.original;
        std::vector<int> changed;
        for (int c : target_.columns)
            if (!(change.values[std::size_t(c)] == original[std::size_t(c)])) changed.push_back(c);
        if (changed.empty()) return;
        QStringList sets;
        for (int c : changed) sets << quoted(field(c).baseColumn) + QStringLiteral(" = ?");
        Statement stmt = prepare(db_, QStringLiteral("UPDATE %1 SET %2").arg(quoted(target_.table), sets.join(u", ")) +
                                          keyCondition());
        int index = 0;
        for (int c : changed) bind(stmt.get(), index, c, change.values[std::size_t(c)]);
        bindKeys(stmt.get(), index, original);
        stepOnce(stmt.get(), true);
    }

    void remove(const Recordset::PendingChange& change) {
        const auto original = change.original.empty() ? change.values : change.original;
        Statement stmt = prepare(db_, QStringLiteral("DELETE FROM %1").arg(quoted(target_.table)) + keyCondition());
        int index = 0;
        bindKeys(stmt.get(), index, original);
        stepOnce(stmt.get(), true);
    }

    sqlite3* db_;
    Recordset& rs_;
    const std::vector<FieldInfo>& fields_;
    Target target_;
    std::vector<Stored> stored_;
};

void exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) raiseSqliteError(db);
}

}  // namespace

void writeBack(sqlite3* db, Recordset& rs) {
    if (rs.pendingChanges().empty()) return;
    WriteBack work(db, rs);
    exec(db, "SAVEPOINT telvarix_write_back");
    try {
        work.run();
        exec(db, "RELEASE telvarix_write_back");
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK TO telvarix_write_back; RELEASE telvarix_write_back", nullptr, nullptr, nullptr);
        work.undoStoredValues();
        throw;
    }
    rs.acceptChanges();
}

}  // namespace tvx::sql
