#pragma once
// The database behind a Connection: SQLite or PostgreSQL through a dialect, or ODBC.
#include "platform/sql/connection.h"

#include <QString>
#include <memory>
#include <span>

struct sqlite3;

namespace tvx::ado {
class Recordset;
}

namespace tvx::sql {

class SqlDialect;

class ConnectionBackend {
public:
    virtual ~ConnectionBackend() = default;
    // `parameters` are bound, in order, to the `?` marks of a one-statement text.
    virtual qint64 execute(const QString& sql, std::span<const Variant> parameters) = 0;
    virtual std::shared_ptr<ado::Recordset> query(const QString& sql, std::span<const Variant> parameters) = 0;
    // One statement in a commit of its own that does not wait for the disk
    // (see Connection::ExecuteDeferred); outside any transaction. Where the
    // backend cannot tell the commit to wait less, an ordinary execute.
    virtual qint64 executeDeferred(const QString& sql, std::span<const Variant> parameters) {
        return execute(sql, parameters);
    }
    virtual void writeBack(ado::Recordset& rs) = 0;
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    // Writes through this connection to `table` (to any table when empty).
    virtual quint64 ownWrites(const QString& table) const = 0;
    virtual qint64 othersCommits() = 0;
    virtual sqlite3* sqliteHandle() const { return nullptr; }
    virtual bool isServer() const { return false; }
};

std::unique_ptr<ConnectionBackend> sqliteBackend(const QString& path, std::shared_ptr<const SqlDialect> dialect,
                                                 int busyTimeoutMs);
std::unique_ptr<ConnectionBackend> odbcBackend(const QString& connectionString);
std::unique_ptr<ConnectionBackend> postgresBackend(const ServerLogin& login, std::shared_ptr<const SqlDialect> dialect,
                                                   const ConnectionOptions& options);

}  // namespace tvx::sql
