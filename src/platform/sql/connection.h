#pragma once
// A database connection as the add-in and the host use them.
//
// Opened from an OLE DB style connection string:
// - "Provider=Microsoft.ACE.OLEDB.12.0;Data Source='file';..." (or the Jet
//   provider): that SQLite file, with the Access dialect;
// - "Provider=SQLite;Data Source=file": a SQLite file in SQLite's own SQL;
// - "Driver={...};...": an ODBC connection, the text given to the driver as it is;
// or from a SQLite path and the dialect its callers write in, or from a
// PostgreSQL server login (openPostgres).
// A SQLite file must exist: a failed open never creates or changes a file.
// Errors are AutomationErrors carrying the database's own message (number
// -2147217900 for SQL the database refuses); each open connection has its own
// QtSql connection, removed when it closes.
#include "platform/automation/variant.h"

#include <QString>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

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
    // On a server: commits return before their log record is on disk (see postgres_backend.h).
    bool asynchronousCommit = false;
};

// A database on a PostgreSQL server: `server` a libpq URI naming the host
// ("postgresql://HOST[:PORT]", or a Unix-socket folder as
// "postgresql:///?host=/path"), `database` the database's name, `user` and
// `password` the login (both empty: the operating-system user). The password
// is handed to the server only: never printed, logged or kept in a message.
struct ServerLogin {
    QString server;
    QString database;
    QString user;
    QString password;
};

// What a connection tells of changes to its database: two stamps taken from
// it are equal only when nothing in the database changed in between (no
// commit by another connection; no write, schema change or rollback through
// this one), or, for a stamp of one table, when nothing changed that table.
struct ChangeStamp {
    quint64 own = 0;     // writes through this connection
    qint64 others = -1;  // the database's count of commits by other connections
    bool operator==(const ChangeStamp&) const = default;
};

class Connection {
public:
    static std::unique_ptr<Connection> open(const QString& connectionString, const ConnectionOptions& options = {});
    static std::unique_ptr<Connection> openSqlite(const QString& path, std::shared_ptr<const SqlDialect> dialect,
                                                  const ConnectionOptions& options = {});
    // A PostgreSQL database; every text goes through `dialect` (none: the
    // server's own SQL). A failure raises an AutomationError with the
    // server's reason.
    static std::unique_ptr<Connection> openPostgres(const ServerLogin& login, std::shared_ptr<const SqlDialect> dialect,
                                                    const ConnectionOptions& options = {});
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Closes (an open transaction is rolled back); using a closed connection raises 3704.
    void Close();
    bool isOpen() const { return backend_ != nullptr; }

    // Runs a statement or a script; the rows it inserted, changed or deleted.
    // `parameters` are bound, in order, to the `?` marks of a one-statement
    // text (numbers, texts, dates, Null); marks left without one are Null.
    qint64 Execute(const QString& sql, const std::vector<Variant>& parameters = {});
    // Runs one statement as Execute does, in a commit of its own that returns
    // before the statement is on disk: SQLite writes it at synchronous =
    // NORMAL, a server commits it with synchronous_commit off. Both keep one
    // write-ahead log written in order, so the next commit that waits for the
    // disk (of any connection to the database) makes it durable too, and a
    // power cut before that commit loses the two together. For a small
    // record that a durable write always follows. Inside a transaction the
    // transaction's commit decides, as for Execute.
    qint64 ExecuteDeferred(const QString& sql, const std::vector<Variant>& parameters = {});
    // Runs a query: the rows of its first result, fully read, on the first
    // row; a closed record set when the text yields no rows.
    std::shared_ptr<ado::Recordset> Query(const QString& sql, const std::vector<Variant>& parameters = {});
    // Writes the record set's pending changes back (see sqlite_write_back.h).
    void WriteBack(ado::Recordset& rs);

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool inTransaction() const { return inTransaction_; }

    // Over SQLite two stamps are equal when nothing changed in between (in
    // `table`, when one is named: a commit by another connection counts for
    // every table); over ODBC nothing is known, and no two stamps are equal.
    ChangeStamp changeStamp(const QString& table = {}) { return {ownWrites(table), othersCommits()}; }
    // The two halves of a stamp: this connection's writes that may have
    // touched `table` (any table when none is named), which costs nothing,
    // and the database's count of other connections' commits, which asks
    // the database.
    quint64 ownWrites(const QString& table = {}) const;
    qint64 othersCommits();

    // An object of type T kept with the open connection, made on first use:
    // what its users remember of the database (caches they check against
    // changeStamp), let go when the connection closes.
    template <class T>
    T& attached() {
        backend();
        std::shared_ptr<void>& slot = attachments_[std::type_index(typeid(T))];
        if (!slot) slot = std::make_shared<T>();
        return *static_cast<T*>(slot.get());
    }

    // The SQLite handle (nullptr over ODBC, on a server or when closed).
    sqlite3* sqliteHandle() const;
    // True when the database is on a PostgreSQL server.
    bool isServer() const;

private:
    explicit Connection(std::unique_ptr<ConnectionBackend> backend);
    ConnectionBackend& backend() const;

    std::unique_ptr<ConnectionBackend> backend_;
    std::map<std::type_index, std::shared_ptr<void>> attachments_;
    bool inTransaction_ = false;
};

}  // namespace tvx::sql
