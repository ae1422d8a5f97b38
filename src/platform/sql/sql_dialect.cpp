#include "platform/sql/sql_dialect.h"

namespace tvx::sql {

void SqlDialect::prepareHandle(sqlite3*) const {}

}  // namespace tvx::sql
