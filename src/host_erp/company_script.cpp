#include "host_erp/company_script.h"

#include "platform/automation/automation_error.h"
#include "platform/sql/connection.h"
#include "platform/sql/sql_lexer.h"
#include "platform/sql/sql_script.h"

#include <QRegularExpression>

namespace tvx::host_erp {

namespace {

// Enough of a statement's first line for the user to find it in the file.
QString firstLineOf(const sql::ScriptStatement& s) {
    constexpr qsizetype kShown = 100;
    const QString line = s.text.mid(s.offset).section(u'\n', 0, 0).trimmed();
    return line.size() > kShown ? line.left(kShown) + QStringLiteral("…") : line;
}

// A server reads statements one after the other without separators; SQLite
// needs ';' or a GO line. When SQLite stopped at a word that begins a line of
// the statement (not its first), that line most likely starts a statement of
// its own: the script line it stands on, or 0.
int unseparatedLine(const QString& message, const sql::ScriptStatement& s) {
    static const QRegularExpression nearWord(QStringLiteral("^near \"([^\"]+)\": syntax error"));
    const QRegularExpressionMatch m = nearWord.match(message);
    if (!m.hasMatch()) return 0;
    const sql::TokenList t(s.text);
    bool lineStart = false;
    int line = s.line - int(s.text.left(s.offset).count(u'\n'));
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i].begin > s.offset && lineStart && t.isWord(i, m.captured(1))) return line;
        if (t.isSignificant(i)) lineStart = false;
        if (t[i].kind == sql::TokenKind::Space && t.textOf(i).contains(u'\n')) lineStart = true;
        line += int(t.textOf(i).count(u'\n'));
    }
    return 0;
}

// The database's message, with the line that seems to lack a separator.
QString withSeparatorHint(const QString& message, const sql::ScriptStatement& s) {
    const int line = unseparatedLine(message, s);
    if (line == 0) return message;
    return message + QStringLiteral(
                         ". Na base de dados embebida cada instrução termina em ';' ou numa linha só com GO, e a "
                         "linha %1 parece começar outra sem esse separador")
                         .arg(line);
}

AutomationError failedStatement(const AutomationError& error, std::size_t position, const sql::ScriptStatement& s) {
    return AutomationError(error.number(),
                           QStringLiteral("A instrução %1 do script (linha %2: %3) falhou e nada foi alterado: %4")
                               .arg(position)
                               .arg(s.line)
                               .arg(firstLineOf(s), withSeparatorHint(error.description(), s)),
                           error.source());
}

}  // namespace

qint64 executeScript(sql::Connection& db, const QString& script) {
    if (!db.sqliteHandle()) return db.Execute(script);
    const std::vector<sql::ScriptStatement> statements = sql::scriptStatements(script);
    // One statement (the add-in's own) keeps the database's message, and only
    // gains the separator's hint.
    if (statements.size() < 2) {
        try {
            return db.Execute(script);
        } catch (...) {
            const AutomationError error = currentError();
            if (statements.empty()) throw error;
            throw AutomationError(error.number(), withSeparatorHint(error.description(), statements.front()),
                                  error.source());
        }
    }
    // Inside a transaction of the host's own, that one decides.
    const bool own = !db.inTransaction();
    if (own) db.BeginTrans();
    qint64 changed = 0;
    for (std::size_t i = 0; i < statements.size(); ++i) {
        try {
            changed += db.Execute(statements[i].text);
        } catch (...) {
            const AutomationError error = currentError();
            if (own) tryIgnoringError([&] { db.RollbackTrans(); });
            throw failedStatement(error, i + 1, statements[i]);
        }
    }
    if (own) db.CommitTrans();
    return changed;
}

}  // namespace tvx::host_erp
