// The SQLite side of a Connection: every text goes through the dialect first.
#include "platform/ado/recordset.h"
#include "platform/sql/connection_backend.h"
#include "platform/sql/qt_connection.h"
#include "platform/sql/sql_dialect.h"
#include "platform/sql/sqlite_statements.h"
#include "platform/sql/sqlite_write_back.h"

namespace tvx::sql {

namespace {

class SqliteBackend : public ConnectionBackend {
public:
    SqliteBackend(std::unique_ptr<QtConnection> qt, std::shared_ptr<const SqlDialect> dialect)
        : qt_(std::move(qt)), dialect_(std::move(dialect)), db_(qt_->sqliteHandle()) {
        dialect_->prepareHandle(db_);
    }

    qint64 execute(const QString& sql) override { return executeAll(db_, dialect_->translate(sql)); }
    std::shared_ptr<ado::Recordset> query(const QString& sql) override {
        return queryAll(db_, dialect_->translate(sql));
    }
    void writeBack(ado::Recordset& rs) override { sql::writeBack(db_, rs); }
    // IMMEDIATE takes the write lock at once, so two writers never deadlock
    // upgrading their read locks.
    void begin() override { executeAll(db_, QStringLiteral("BEGIN IMMEDIATE")); }
    void commit() override { executeAll(db_, QStringLiteral("COMMIT")); }
    void rollback() override { executeAll(db_, QStringLiteral("ROLLBACK")); }
    sqlite3* sqliteHandle() const override { return db_; }

private:
    std::unique_ptr<QtConnection> qt_;
    std::shared_ptr<const SqlDialect> dialect_;
    sqlite3* db_;
};

}  // namespace

std::unique_ptr<ConnectionBackend> sqliteBackend(const QString& path, std::shared_ptr<const SqlDialect> dialect,
                                                 int busyTimeoutMs) {
    if (!dialect) dialect = std::make_shared<NativeDialect>();
    return std::make_unique<SqliteBackend>(QtConnection::openSqlite(path, OpenMode::ExistingOnly, busyTimeoutMs),
                                           std::move(dialect));
}

}  // namespace tvx::sql
