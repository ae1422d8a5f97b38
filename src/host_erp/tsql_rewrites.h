#pragma once
// The rewrites of the T-SQL dialect, one per construct (see tsql_dialect.h).
#include "platform/sql/sql_lexer.h"

#include <QString>
#include <optional>

namespace tvx::host_erp::tsql {

// N'...' -> '...'.
void dropStringPrefixes(const sql::TokenList& t, sql::TextEdits& edits);
// SELECT TOP (n) ... -> SELECT ... LIMIT n.
void translateTop(const sql::TokenList& t, sql::TextEdits& edits);
// CREATE TABLE with the server's types, identity and storage options.
void translateCreateTable(const sql::TokenList& t, sql::TextEdits& edits);
// The SQLite query answering the sys.objects existence test, when `t` is one.
std::optional<QString> existenceTestQuery(const sql::TokenList& t);

// Removes word `i` and the blanks after it.
void removeWord(const sql::TokenList& t, qsizetype i, sql::TextEdits& edits);

}  // namespace tvx::host_erp::tsql
