#pragma once
// Errors of the SQL layer: the database's own message, with the provider's
// "errors in command" number, so callers show what the database said.
#include <QString>

struct sqlite3;

namespace tvx::sql {

inline const QString kSqliteSource = QStringLiteral("SQLite");
inline const QString kOdbcSource = QStringLiteral("ODBC");
inline const QString kPostgresSource = QStringLiteral("PostgreSQL");

[[noreturn]] void raiseSqlError(const QString& message, const QString& source);
// SQLite's message for the last failure on `db`; a write refused as
// read-only also names the file that cannot be written (the database, its
// -wal or -shm, or its folder) and what to do.
QString sqliteMessage(sqlite3* db);
[[noreturn]] void raiseSqliteError(sqlite3* db);
// Raises SQLite's description of `rc` unless it is SQLITE_OK (setting up a
// handle: registering functions and collations).
void requireSqliteOk(int rc);
// A write-back that found no row to change, or no way to find one.
[[noreturn]] void raiseRowNotFound();
[[noreturn]] void raiseMissingKey();

}  // namespace tvx::sql
