#pragma once
// The T-SQL the add-in sends to the company database, run on SQLite.
//
// A script is split at ';' and at GO lines; each statement is translated:
// - the N prefix of N'...' literals is dropped;
// - SELECT [DISTINCT] TOP (n) / TOP n becomes ... LIMIT n at the end of that
//   select (TOP ... PERCENT and WITH TIES stay, and fail);
// - the existence test "SELECT ... FROM sys.objects WHERE object_id =
//   OBJECT_ID(N'[dbo].[name]') [AND type IN (N'U')]" is answered from
//   sqlite_master (one row when the table, or view for 'V', exists; names
//   compared without regard to case, as the server does);
// - CREATE TABLE: bracketed types lose their brackets ([nvarchar](3) ->
//   nvarchar(3)), (max) sizes are dropped, text columns compare without
//   regard to case (COLLATE NOCASE, as under the server's usual collation)
//   and sized ones get a length check (the server refuses longer texts), IDENTITY(s,i) becomes INTEGER
//   PRIMARY KEY AUTOINCREMENT (a primary key constraint on that column alone
//   is then dropped, one on other columns becomes UNIQUE), CLUSTERED /
//   NONCLUSTERED, WITH (...) index options and ON [filegroup] are dropped.
// Everything else passes unchanged, so SQLite reports it with its own message.
#include "platform/sql/sql_dialect.h"

#include <QString>

namespace tvx::host_erp {

class TsqlDialect : public sql::SqlDialect {
public:
    QString translate(const QString& sql) const override;
};

// One statement (no separators), translated.
QString translateTsqlStatement(const QString& statement);

}  // namespace tvx::host_erp
