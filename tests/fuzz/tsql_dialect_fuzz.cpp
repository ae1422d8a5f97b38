// The T-SQL dialect (the company database's SQL run on SQLite) over any text.
// Property: splitting the script and rewriting each statement never splits
// or changes a string literal: each comes through whole (TOP's count may move
// to the end of its select, so not always in order; a CREATE TABLE may drop
// one with the options holding it); only the existence test, which is
// answered by a query of our own, is left out.
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
        TVX_FUZZ_CHECK(!statement.isEmpty(), "no statement is empty", script);
        const QString out = host_erp::translateTsqlStatement(statement);
        fuzz::checkTokens(out);
        const TokenList tokens(statement);
        const qsizetype first = tokens.nextSignificant(-1);
        const bool createTable =
            tokens.isWord(first, u"CREATE") && tokens.isWord(tokens.nextSignificant(first), u"TABLE");
        if (!host_erp::tsql::existenceTestQuery(tokens))
            fuzz::checkLiteralsKept(statement, out, createTable ? fuzz::Kept::SomeDropped : fuzz::Kept::AnyOrder);
        translated << out;
    }
    TVX_FUZZ_CHECK(host_erp::TsqlDialect().translate(script) == translated.join(QStringLiteral(";\n")),
                   "a script is its statements, each translated", script);
    // The separators never cut a literal: the statements hold the script's literals.
    QStringList inStatements;
    for (const QString& statement : statements) inStatements += fuzz::literalsOf(statement);
    TVX_FUZZ_CHECK(inStatements == fuzz::literalsOf(script), "splitting a script keeps every literal whole", script);
    return 0;
}
