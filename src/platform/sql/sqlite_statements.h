#pragma once
// Running SQLite texts that may hold several statements.
#include <QByteArray>
#include <QString>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace tvx::ado {
class Recordset;
}

namespace tvx::sql {

// The statements of a text, prepared one after the other.
class StatementCursor {
public:
    StatementCursor(sqlite3* db, const QString& sql);
    ~StatementCursor();
    StatementCursor(const StatementCursor&) = delete;
    StatementCursor& operator=(const StatementCursor&) = delete;

    // Prepares the next statement; false when none is left. Raises SQLite's
    // message when one does not parse.
    bool next();
    sqlite3_stmt* statement() const { return stmt_; }
    // Steps the current statement to its end, dropping any rows.
    void runToEnd();

private:
    sqlite3* db_;
    QByteArray text_;
    const char* tail_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A prepared statement finalized when it goes.
struct StatementDeleter {
    void operator()(sqlite3_stmt* stmt) const;
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;
Statement prepare(sqlite3* db, const QString& sql);

// Runs every statement; the number of rows they inserted, changed or deleted.
qint64 executeAll(sqlite3* db, const QString& sql);

// Runs every statement and returns the rows of the first one that yields
// columns, fully read and on their first row (a closed record set when none does).
std::shared_ptr<ado::Recordset> queryAll(sqlite3* db, const QString& sql);

}  // namespace tvx::sql
