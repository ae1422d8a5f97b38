#pragma once
// Creates a SQLite file for connection tests and runs SQL on it directly.
#include <sqlite3.h>
#include <QString>

namespace tvx::sql::testing {

// Creates (or opens) `path` and runs `sql` on it; "" on success, else SQLite's message.
inline QString runOnFile(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    const QString text = rc == SQLITE_OK ? QString() : QString::fromUtf8(message);
    sqlite3_free(message);
    sqlite3_close(db);
    return text;
}

}  // namespace tvx::sql::testing
