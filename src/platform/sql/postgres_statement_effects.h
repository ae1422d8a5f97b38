#pragma once
// What a statement sent to a PostgreSQL server writes, told from its text
// (the server has no authorizer to ask), so that whoever keeps something
// read from a table can tell whether it may have changed (write_effects.h):
// - a SELECT without INTO writes nothing;
// - INSERT INTO t and UPDATE t write t (the company schema has no triggers
//   and no ON UPDATE actions);
// - everything else writes every table: a DELETE (it may cascade), several
//   statements in one text, WITH, a schema change, CALL, DO, SELECT INTO.
#include "platform/sql/write_effects.h"

#include <QString>

namespace tvx::sql {

// `sql` in the server's own SQL.
StatementEffects serverStatementEffects(const QString& sql);

}  // namespace tvx::sql
