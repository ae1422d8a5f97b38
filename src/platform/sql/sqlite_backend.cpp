// The SQLite side of a Connection: every text goes through the dialect first.
#include "platform/ado/recordset.h"
#include "platform/sql/connection_backend.h"
#include "platform/sql/dialect_translations.h"
#include "platform/sql/qt_connection.h"
#include "platform/sql/sql_dialect.h"
#include "platform/sql/sql_error.h"
#include "platform/sql/sqlite_statements.h"
#include "platform/sql/sqlite_write_back.h"

#include <sqlite3.h>
#include <array>

namespace tvx::sql {

namespace {

using Translations = DialectTranslations;

class SqliteBackend : public ConnectionBackend {
public:
    SqliteBackend(std::unique_ptr<QtConnection> qt, std::shared_ptr<const SqlDialect> dialect)
        : qt_(std::move(qt)), translations_(std::move(dialect)), runner_(qt_->sqliteHandle()) {
        translations_.dialect().prepareHandle(runner_.db());
    }

    qint64 execute(const QString& sql, std::span<const Variant> parameters) override {
        return runner_.execute(translations_.of(sql), parameters);
    }
    std::shared_ptr<ado::Recordset> query(const QString& sql, std::span<const Variant> parameters) override {
        return runner_.query(translations_.of(sql), parameters);
    }
    // At synchronous = NORMAL for this commit alone (the level cannot change
    // inside a transaction): in WAL mode its frames are appended to the log
    // without a sync, and the next commit that syncs the log covers them.
    qint64 executeDeferred(const QString& sql, std::span<const Variant> parameters) override {
        const int level = pragmaNumber(synchronousLevel_, "PRAGMA synchronous");
        if (level <= SynchronousNormal) return execute(sql, parameters);
        setSynchronous(SynchronousNormal);
        qint64 changed = 0;
        try {
            changed = execute(sql, parameters);
        } catch (...) {
            setSynchronous(level);
            throw;
        }
        setSynchronous(level);
        return changed;
    }
    void writeBack(ado::Recordset& rs) override { sql::writeBack(runner_, rs); }
    // IMMEDIATE takes the write lock at once, so two writers never deadlock
    // upgrading their read locks.
    void begin() override { runner_.execute(QStringLiteral("BEGIN IMMEDIATE")); }
    void commit() override { runner_.execute(QStringLiteral("COMMIT")); }
    void rollback() override { runner_.execute(QStringLiteral("ROLLBACK")); }
    // data_version counts the commits of other connections only; this
    // connection's own writes are counted by the runner.
    quint64 ownWrites(const QString& table) const override {
        return table.isEmpty() ? runner_.writes().all() : runner_.writes().of(table);
    }
    qint64 othersCommits() override { return pragmaNumber(dataVersion_, "PRAGMA data_version"); }
    sqlite3* sqliteHandle() const override { return runner_.db(); }

private:
    static constexpr int SynchronousNormal = 1;

    // The number a pragma answers, through `kept` (prepared on first use):
    // pragmas are neither translated nor counted as writes.
    qint64 pragmaNumber(Statement& kept, const char* pragma) {
        if (!kept) kept = prepare(runner_.db(), QLatin1String(pragma));
        const int rc = sqlite3_step(kept.get());
        const qint64 number = rc == SQLITE_ROW ? sqlite3_column_int64(kept.get(), 0) : 0;
        sqlite3_reset(kept.get());
        if (rc != SQLITE_ROW) raiseSqliteError(runner_.db());
        return number;
    }
    // Prepared once per level (OFF, NORMAL, FULL, EXTRA): set twice per document.
    void setSynchronous(int level) {
        Statement& kept = synchronousSet_.at(std::size_t(level));
        if (!kept) kept = prepare(runner_.db(), QStringLiteral("PRAGMA synchronous = %1").arg(level));
        const int rc = sqlite3_step(kept.get());
        sqlite3_reset(kept.get());
        if (rc != SQLITE_DONE && rc != SQLITE_ROW) raiseSqliteError(runner_.db());
    }

    // Declared first, so it closes after the kept statements are finalized.
    std::unique_ptr<QtConnection> qt_;
    Translations translations_;
    SqliteRunner runner_;
    Statement dataVersion_;  // these finalized before the runner's statements and the handle
    Statement synchronousLevel_;
    std::array<Statement, 4> synchronousSet_;
};

}  // namespace

std::unique_ptr<ConnectionBackend> sqliteBackend(const QString& path, std::shared_ptr<const SqlDialect> dialect,
                                                 int busyTimeoutMs) {
    if (!dialect) dialect = std::make_shared<NativeDialect>();
    return std::make_unique<SqliteBackend>(QtConnection::openSqlite(path, OpenMode::ExistingOnly, busyTimeoutMs),
                                           std::move(dialect));
}

}  // namespace tvx::sql
