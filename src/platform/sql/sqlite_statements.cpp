#include "platform/sql/sqlite_statements.h"

#include "platform/ado/recordset.h"
#include "platform/sql/sql_error.h"
#include "platform/sql/sqlite_recordset.h"

#include <sqlite3.h>

namespace tvx::sql {

StatementCursor::StatementCursor(sqlite3* db, const QString& sql)
    : db_(db), text_(sql.toUtf8()), tail_(text_.constData()) {}

StatementCursor::~StatementCursor() { sqlite3_finalize(stmt_); }

bool StatementCursor::next() {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    const char* end = text_.constData() + text_.size();
    while (tail_ < end) {
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(db_, tail_, int(end - tail_), &stmt_, &tail) != SQLITE_OK) raiseSqliteError(db_);
        tail_ = tail;
        if (stmt_) return true;  // blanks and comments prepare to nothing
    }
    return false;
}

void StatementCursor::runToEnd() {
    int rc;
    while ((rc = sqlite3_step(stmt_)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) raiseSqliteError(db_);
}

void StatementDeleter::operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }

Statement prepare(sqlite3* db, const QString& sql) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK) raiseSqliteError(db);
    return Statement(stmt);
}

qint64 executeAll(sqlite3* db, const QString& sql) {
    StatementCursor cursor(db, sql);
    qint64 changed = 0;
    while (cursor.next()) {
        const qint64 before = sqlite3_total_changes64(db);
        cursor.runToEnd();
        changed += sqlite3_total_changes64(db) - before;
    }
    return changed;
}

std::shared_ptr<ado::Recordset> queryAll(sqlite3* db, const QString& sql) {
    auto rs = std::make_shared<ado::Recordset>();
    StatementCursor cursor(db, sql);
    bool read = false;
    while (cursor.next()) {
        if (!read && sqlite3_column_count(cursor.statement()) > 0) {
            readRecordset(db, cursor.statement(), *rs);
            read = true;
        } else {
            cursor.runToEnd();
        }
    }
    return rs;
}

}  // namespace tvx::sql
