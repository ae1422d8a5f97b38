#include "host_erp/company_script.h"

#include "platform/automation/automation_error.h"
#include "platform/sql/connection.h"
#include "platform/sql/sql_script.h"

namespace tvx::host_erp {

namespace {

// Enough of a statement's first line for the user to find it in the file.
QString firstLineOf(const sql::ScriptStatement& s) {
    constexpr qsizetype kShown = 100;
    const QString line = s.text.mid(s.offset).section(u'\n', 0, 0).trimmed();
    return line.size() > kShown ? line.left(kShown) + QStringLiteral("…") : line;
}

AutomationError failedStatement(const AutomationError& error, std::size_t position, const sql::ScriptStatement& s) {
    return AutomationError(error.number(),
                           QStringLiteral("A instrução %1 do script (linha %2: %3) falhou e nada foi alterado: %4")
                               .arg(position)
                               .arg(s.line)
                               .arg(firstLineOf(s), error.description()),
                           error.source());
}

}  // namespace

qint64 executeScript(sql::Connection& db, const QString& script) {
    if (!db.sqliteHandle()) return db.Execute(script);
    const std::vector<sql::ScriptStatement> statements = sql::scriptStatements(script);
    // One statement (the add-in's own) keeps the database's message as it is.
    if (statements.size() < 2) return db.Execute(script);
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
