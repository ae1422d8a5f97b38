// The Access dialect's rewrite (and the lexer under it) over any text.
// Properties: the tokens give the text back; the rewrite keeps every string
// literal whole and in order; rewriting its own output changes nothing more.
#include "platform/sql/access_dialect.h"
#include "sql_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvx::sql;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    fuzz::checkTokens(text);
    const QString sqlite = accessToSqlite(text);
    fuzz::checkTokens(sqlite);
    fuzz::checkLiteralsKept(text, sqlite, fuzz::Kept::InOrder);
    TVX_FUZZ_CHECK(accessToSqlite(sqlite) == sqlite, "the rewrite is done once and for all", text);
    return 0;
}
