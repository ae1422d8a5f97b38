// The T-SQL dialect (the company database's SQL run on SQLite) over any text.
// Property: splitting the script and rewriting each statement keeps every
// string literal whole (TOP's count may move to the end of its select, so
// not always in order); only the existence test, which is answered by a
// query of our own, is left out.
#include "host_erp/tsql_dialect.h"
#include "host_erp/tsql_rewrites.h"
#include "platform/sql/sql_script.h"
#include "sql_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tvx::sql::TokenList;
    namespace host_erp = tvx::host_erp;
    namespace fuzz = tvx::sql::fuzz;
    const QString script = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList statements = tvx::sql::splitStatements(script);
    QStringList translated;
    for (const QString& statement : statements) {
        fuzz::check(!statement.isEmpty(), "no statement is empty", script);
        const QString out = host_erp::translateTsqlStatement(statement);
        fuzz::checkTokens(out);
        if (!host_erp::tsql::existenceTestQuery(TokenList(statement))) fuzz::checkLiteralsKept(statement, out, true);
        translated << out;
    }
    fuzz::check(host_erp::TsqlDialect().translate(script) == translated.join(QStringLiteral(";\n")),
                "a script is its statements, each translated", script);
    // The separators never cut a literal: the statements hold the script's literals.
    QStringList inStatements;
    for (const QString& statement : statements) inStatements += fuzz::literalsOf(statement);
    fuzz::check(inStatements == fuzz::literalsOf(script), "splitting a script keeps every literal whole", script);
    return 0;
}
