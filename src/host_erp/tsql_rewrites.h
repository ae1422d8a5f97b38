#pragma once
// The rewrites of the T-SQL dialect, one per construct (see tsql_dialect.h).
#include "platform/sql/sql_lexer.h"

#include <QString>
#include <optional>

namespace tvx::host_erp::tsql {

// The database the T-SQL is run on.
enum class Target { Sqlite, Postgres };

// N'...' -> '...'.
void dropStringPrefixes(const sql::TokenList& t, sql::TextEdits& edits);
// SELECT TOP (n) ... -> SELECT ... LIMIT n.
void translateTop(const sql::TokenList& t, sql::TextEdits& edits);
// CREATE TABLE with the server's types, identity and storage options. On
// PostgreSQL the statements that keep the columns' spellings (their
// comments) are added to `after`.
void translateCreateTable(const sql::TokenList& t, sql::TextEdits& edits, Target target = Target::Sqlite,
                          QString* after = nullptr);
// The query answering the sys.objects existence test, when `t` is one.
std::optional<QString> existenceTestQuery(const sql::TokenList& t, Target target = Target::Sqlite);
// PostgreSQL: [names] and "names" become lower-case quoted names (the server
// folds unquoted names to lower case, so every spelling of a name meets).
void lowerCaseNames(const sql::TokenList& t, sql::TextEdits& edits);

// Removes word `i` and the blanks after it.
void removeWord(const sql::TokenList& t, qsizetype i, sql::TextEdits& edits);

}  // namespace tvx::host_erp::tsql
