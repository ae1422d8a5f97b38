#pragma once
// Splitting a script into its statements.
#include <QString>
#include <QStringList>
#include <vector>

namespace tvx::sql {

// One statement of a script: its text (without the separator), where in that
// text its first word or symbol is (after any blanks and comments), and the
// line of the script, counted from 1, on which that word or symbol stands.
struct ScriptStatement {
    QString text;
    qsizetype offset = 0;
    int line = 1;
};

// The statements of `script`, in order: separated by ';' and by batch lines
// holding only GO (any case), never inside literals, comments or quoted names.
// Statements made only of blanks and comments are dropped; the others keep
// their text (without the separator).
std::vector<ScriptStatement> scriptStatements(const QString& script);
QStringList splitStatements(const QString& script);

}  // namespace tvx::sql
