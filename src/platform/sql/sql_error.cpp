#include "platform/sql/sql_error.h"

#include "platform/automation/automation_error.h"

#include <sqlite3.h>
#include <QFileInfo>
#include <QStringList>

namespace tvx::sql {

void raiseSqlError(const QString& message, const QString& source) {
    throw AutomationError(err::ProviderCommandError, message, source);
}

namespace {

// SQLite's "attempt to write a readonly database" names no file. With a
// write-ahead log it is most often not the database that is read-only but its
// -wal or -shm file, left by a process of another user: say which file, and
// what to do.
QString readOnlyDetail(sqlite3* db) {
    const char* name = sqlite3_db_filename(db, "main");
    if (!name || !*name) return {};
    const QString path = QString::fromUtf8(name);
    QStringList blocked;
    for (const QString& file : {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")}) {
        const QFileInfo info(file);
        if (info.exists() && !info.isWritable()) blocked << file;
    }
    if (blocked.isEmpty()) {
        if (!QFileInfo(QFileInfo(path).absolutePath()).isWritable())
            return QStringLiteral(
                       " (the folder of %1 cannot be written by this user, who must be able to create "
                       "its -wal and -shm files there)")
                .arg(path);
        return QStringLiteral(" (%1)").arg(path);
    }
    // Never advise deleting the -wal: it may hold committed writes. The -shm
    // is only an index of it, rebuilt when missing.
    return QStringLiteral(
               " (not writable by this user, as a program of another user left them: %1; give this user write "
               "permission on them; a -shm file may also be deleted while no program has the database open)")
        .arg(blocked.join(QStringLiteral(", ")));
}

}  // namespace

QString sqliteMessage(sqlite3* db) {
    QString message = QString::fromUtf8(sqlite3_errmsg(db));
    if ((sqlite3_extended_errcode(db) & 0xFF) == SQLITE_READONLY) message += readOnlyDetail(db);
    return message;
}

void raiseSqliteError(sqlite3* db) { raiseSqlError(sqliteMessage(db), kSqliteSource); }

void requireSqliteOk(int rc) {
    if (rc != SQLITE_OK) throw AutomationError(err::Unspecified, QString::fromUtf8(sqlite3_errstr(rc)), kSqliteSource);
}

void raiseRowNotFound() { err::raise(err::RowNotFound, QStringLiteral("Connection")); }

void raiseMissingKey() {
    throw AutomationError(err::Unspecified,
                          QStringLiteral("Insufficient key column information for updating or refreshing."),
                          QStringLiteral("Connection"));
}

}  // namespace tvx::sql
