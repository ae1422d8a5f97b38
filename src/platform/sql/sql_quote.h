#pragma once
// The one way a value goes into SQL text between single quotes: each ' doubled;
// a text holding a NUL character is refused (error 5).
#include <QString>

namespace tvx::sql {

// `value` ready to go between single quotes.
QString sqlEscape(const QString& value);
// `value` as a string literal: '...' with its quotes doubled.
QString sqlQuoted(const QString& value);
// `value` as a Unicode string literal of T-SQL: N'...' with its quotes doubled.
QString sqlNQuoted(const QString& value);

}  // namespace tvx::sql
