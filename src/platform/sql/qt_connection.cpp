#include "platform/sql/qt_connection.h"

#include "platform/automation/automation_error.h"
#include "platform/sql/sql_error.h"

#include <sqlite3.h>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <QVariant>
#include <atomic>

namespace tvx::sql {

namespace {

QString uniqueName() {
    static std::atomic<unsigned> counter{0};
    return QStringLiteral("telvarix-sql-%1").arg(++counter);
}

[[noreturn]] void raiseOpenFailure(const QString& what, const QString& reason) {
    throw AutomationError(err::Unspecified, QStringLiteral("Cannot open %1: %2").arg(what, reason),
                          QStringLiteral("Connection"));
}

// A URI that SQLite opens read-write but never creates (mode=rw).
QString existingFileUri(const QString& path) {
    return QString::fromUtf8(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded()) +
           QStringLiteral("?mode=rw");
}

}  // namespace

QtConnection::QtConnection(const QString& driver) : name_(uniqueName()) { QSqlDatabase::addDatabase(driver, name_); }

QtConnection::~QtConnection() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase QtConnection::database() const { return QSqlDatabase::database(name_, false); }

sqlite3* QtConnection::sqliteHandle() const {
    const QSqlDatabase db = database();
    if (!db.driver()) return nullptr;
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

std::unique_ptr<QtConnection> QtConnection::openSqlite(const QString& path, OpenMode mode, int busyTimeoutMs) {
    const QString what = QStringLiteral("the database file '%1'").arg(path);
    if (path.trimmed().isEmpty()) raiseOpenFailure(what, QStringLiteral("no file name was given"));
    std::unique_ptr<QtConnection> c(new QtConnection(QStringLiteral("QSQLITE")));
    QSqlDatabase db = c->database();
    if (!db.isValid()) raiseOpenFailure(what, QStringLiteral("the SQLite driver of QtSql is not available"));
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
    if (mode == OpenMode::ExistingOnly) {
        options += QStringLiteral(";QSQLITE_OPEN_URI");
        db.setDatabaseName(existingFileUri(path));
    } else {
        db.setDatabaseName(path);
    }
    db.setConnectOptions(options);
    if (!db.open()) raiseOpenFailure(what, db.lastError().databaseText());
    // SQLite reads the file lazily: read its schema now so that a file that is
    // not a database fails the open.
    sqlite3* handle = c->sqliteHandle();
    char* message = nullptr;
    if (sqlite3_exec(handle, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &message) != SQLITE_OK) {
        sqlite3_free(message);
        raiseOpenFailure(what, sqliteMessage(handle));
    }
    return c;
}

std::unique_ptr<QtConnection> QtConnection::openOdbc(const QString& connectionString) {
    std::unique_ptr<QtConnection> c(new QtConnection(QStringLiteral("QODBC")));
    QSqlDatabase db = c->database();
    if (!db.isValid())
        raiseOpenFailure(QStringLiteral("the ODBC connection"),
                         QStringLiteral("the ODBC driver of QtSql is not available"));
    db.setDatabaseName(connectionString);
    if (!db.open()) raiseOpenFailure(QStringLiteral("the ODBC connection"), db.lastError().text());
    return c;
}

}  // namespace tvx::sql
