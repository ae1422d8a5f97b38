#pragma once
// The Access (Jet) SQL of the agency's queries, run on SQLite.
//
// Lexical rewrites, outside literals, comments and other quoted names:
// - LEFT( and RIGHT( become [LEFT]( and [RIGHT]( (LEFT is a join keyword to
//   SQLite; LEFT JOIN and LEFT OUTER JOIN stay as they are);
// - a bracketed Table.Column, [Transferencias.ID], becomes [Transferencias].[ID];
// - text comparisons and ORDER BY terms get a collation that ignores case, as
//   Access compares text (access_collate.h).
// The handle gets the LEFT and RIGHT functions: the first / last n characters
// (UTF-16 units, as the platform's strings count them), the whole text when n
// exceeds its length, NULL when either argument is NULL, an error for n < 0;
// and the collation and a LIKE that ignore case (access_text_compare.h).
#include "platform/sql/sql_dialect.h"

namespace tvx::sql {

class AccessDialect : public SqlDialect {
public:
    QString translate(const QString& sql) const override;
    void prepareHandle(sqlite3* db) const override;
};

QString accessToSqlite(const QString& sql);
// Registers LEFT and RIGHT on `db`; raises an AutomationError when SQLite refuses.
void registerAccessFunctions(sqlite3* db);

}  // namespace tvx::sql
