#pragma once
// Splitting a script into its statements.
#include <QString>
#include <QStringList>

namespace tvx::sql {

// The statements of `script`, in order: separated by ';' and by batch lines
// holding only GO (any case), never inside literals, comments or quoted names.
// Statements made only of blanks and comments are dropped; the others keep
// their text (without the separator).
QStringList splitStatements(const QString& script);

}  // namespace tvx::sql
