#pragma once
// A QtSql connection under a name of its own, closed and removed from QtSql's
// registry when the object goes, so that open connections never share state.
#include <QSqlDatabase>
#include <QString>
#include <memory>

struct sqlite3;

namespace tvx::sql {

enum class OpenMode {
    ExistingOnly,     // a missing file is an error; nothing is ever created
    CreateIfMissing,  // for the host's own command that creates a database
};

class QtConnection {
public:
    // A SQLite file through QSQLITE. Checks that the file is a database, so a
    // missing, unreadable or corrupt file fails here (AutomationError naming
    // the file and SQLite's reason) without creating or changing anything.
    static std::unique_ptr<QtConnection> openSqlite(const QString& path, OpenMode mode, int busyTimeoutMs);
    // An ODBC connection string ("Driver=...;..."), passed to the driver unchanged.
    static std::unique_ptr<QtConnection> openOdbc(const QString& connectionString);

    ~QtConnection();
    QtConnection(const QtConnection&) = delete;
    QtConnection& operator=(const QtConnection&) = delete;

    QSqlDatabase database() const;
    // The SQLite handle of a QSQLITE connection (nullptr for other drivers).
    sqlite3* sqliteHandle() const;
    const QString& name() const { return name_; }

private:
    explicit QtConnection(const QString& driver);
    QString name_;
};

}  // namespace tvx::sql
