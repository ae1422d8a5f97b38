#include "sqlite_db.h"

#include <sqlite3.h>
#include <stdexcept>

namespace tvx::bench {

namespace {

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
    throw std::runtime_error(what + ": " + sqlite3_errmsg(db));
}

}  // namespace

void ValueFree::operator()(sqlite3_value* v) const { sqlite3_value_free(v); }

QString textOf(const StoredValue& value) {
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_value_text(value.get()));
    return QString::fromUtf8(utf8, sqlite3_value_bytes(value.get()));
}

Statement::Statement(sqlite3* db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v2(db_, sql.c_str(), int(sql.size()), &stmt_, nullptr) != SQLITE_OK) fail(db_, sql);
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bind(int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        fail(db_, "bind");
    return *this;
}

Statement& Statement::bind(int index, qint64 number) {
    if (sqlite3_bind_int64(stmt_, index, number) != SQLITE_OK) fail(db_, "bind");
    return *this;
}

Statement& Statement::bind(int index, const StoredValue& value) {
    if (sqlite3_bind_value(stmt_, index, value.get()) != SQLITE_OK) fail(db_, "bind");
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) fail(db_, sqlite3_sql(stmt_));
    return false;
}

void Statement::run() {
    while (step()) {
    }
    reset();
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columns() const { return sqlite3_column_count(stmt_); }

qint64 Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

QString Statement::text(int column) const {
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(utf8, sqlite3_column_bytes(stmt_, column));
}

StoredValue Statement::value(int column) const {
    return StoredValue(sqlite3_value_dup(sqlite3_column_value(stmt_, column)));
}

SqliteDb::SqliteDb(const QString& path) {
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw std::runtime_error("cannot open " + path.toStdString() + ": " + message);
    }
}

SqliteDb::~SqliteDb() { sqlite3_close(db_); }

void SqliteDb::exec(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) fail(db_, sql);
}

std::unique_ptr<Statement> SqliteDb::prepare(const std::string& sql) const {
    return std::make_unique<Statement>(db_, sql);
}

int SqliteDb::changes() const { return sqlite3_changes(db_); }

qint64 SqliteDb::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }

qint64 SqliteDb::number(const std::string& sql) const {
    Statement s(db_, sql);
    return s.step() ? s.integer(0) : 0;
}

}  // namespace tvx::bench
