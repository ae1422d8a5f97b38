#include "platform/sql/sql_error.h"

#include "platform/automation/automation_error.h"

#include <sqlite3.h>

namespace tvx::sql {

void raiseSqlError(const QString& message, const QString& source) {
    throw AutomationError(err::ProviderCommandError, message, source);
}

void raiseSqliteError(sqlite3* db) { raiseSqlError(QString::fromUtf8(sqlite3_errmsg(db)), kSqliteSource); }

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
