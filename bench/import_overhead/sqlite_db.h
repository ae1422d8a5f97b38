#pragma once
// Plain SQLite for the replay: a connection, its prepared statements and
// copies of stored values, with errors raised as std::runtime_error.
#include <QString>
#include <memory>
#include <string>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

namespace tvx::bench {

struct ValueFree {
    void operator()(sqlite3_value* v) const;
};
// A value read from a row, kept after the statement moves on.
using StoredValue = std::unique_ptr<sqlite3_value, ValueFree>;
QString textOf(const StoredValue& value);

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1.
    Statement& bind(int index, const QString& text);
    Statement& bind(int index, qint64 number);
    Statement& bind(int index, const StoredValue& value);
    // Steps once: true when a row came.
    bool step();
    // Steps to the end, then makes the statement ready for its next use.
    void run();
    void reset();
    int columns() const;
    qint64 integer(int column) const;
    QString text(int column) const;
    StoredValue value(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

class SqliteDb {
public:
    // Opens an existing file read-write.
    explicit SqliteDb(const QString& path);
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    void exec(const std::string& sql);
    std::unique_ptr<Statement> prepare(const std::string& sql) const;
    // Rows the last statement changed.
    int changes() const;
    qint64 lastInsertId() const;
    // The first column of the first row, as a number.
    qint64 number(const std::string& sql) const;

private:
    sqlite3* db_ = nullptr;
};

}  // namespace tvx::bench
