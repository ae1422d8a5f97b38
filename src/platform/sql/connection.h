#pragma once
// A database connection as the add-in and the host use them.
//
// Opened from an OLE DB style connection string:
// - "Provider=Microsoft.ACE.OLEDB.12.0;Data Source='file';..." (or the Jet
//   provider): that SQLite file, with the Access dialect;
// - "Provider=SQLite;Data Source=file": a SQLite file in SQLite's own SQL;
// - "Driver={...};...": an ODBC connection, the text given to the driver as it is;
// or from a SQLite path and the dialect its callers write in.
// A SQLite file must exist: a failed open never creates or changes a file.
// Errors are AutomationErrors carrying the database's own message (number
// -2147217900 for SQL the database refuses); each open connection has its own
// QtSql connection, removed when it closes.
#include <QString>
#include <memory>

struct sqlite3;

namespace tvx::ado {
class Recordset;
}

namespace tvx::sql {

class ConnectionBackend;
class SqlDialect;

struct ConnectionOptions {
    // How long a statement waits for another connection's lock before it fails with "database is locked".
    int busyTimeoutMs = 5000;
};

class Connection {
public:
    static std::unique_ptr<Connection> open(const QString& connectionString, const ConnectionOptions& options = {});
    static std::unique_ptr<Connection> openSqlite(const QString& path, std::shared_ptr<const SqlDialect> dialect,
                                                  const ConnectionOptions& options = {});
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Closes (an open transaction is rolled back); using a closed connection raises 3704.
    void Close();
    bool isOpen() const { return backend_ != nullptr; }

    // Runs a statement or a script; the rows it inserted, changed or deleted.
    qint64 Execute(const QString& sql);
    // Runs a query: the rows of its first result, fully read, on the first
    // row; a closed record set when the text yields no rows.
    std::shared_ptr<ado::Recordset> Query(const QString& sql);
    // Writes the record set's pending changes back (see sqlite_write_back.h).
    void WriteBack(ado::Recordset& rs);

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool inTransaction() const { return inTransaction_; }

    // The SQLite handle (nullptr over ODBC or when closed).
    sqlite3* sqliteHandle() const;

private:
    explicit Connection(std::unique_ptr<ConnectionBackend> backend);
    ConnectionBackend& backend() const;

    std::unique_ptr<ConnectionBackend> backend_;
    bool inTransaction_ = false;
};

}  // namespace tvx::sql
