#pragma once
// Names in SQL text between double quotes, as SQLite and PostgreSQL read them.
#include <QString>

namespace tvx::sql {

// `name` as a quoted identifier: "..." with its double quotes doubled.
QString quotedIdentifier(const QString& name);

}  // namespace tvx::sql
