#include "platform/sql/postgres_statement_effects.h"

#include "platform/sql/sql_lexer.h"

namespace tvx::sql {

StatementEffects serverStatementEffects(const QString& sql) {
    const TokenList t(sql);
    const qsizetype first = t.nextSignificant(-1);
    StatementEffects effects;
    for (qsizetype i = first; i < t.size(); i = t.nextSignificant(i)) {
        if (t.isSymbol(i, u';') && t.nextSignificant(i) < t.size()) effects.everything = true;  // another statement
        if (t.isWord(i, u"INTO") && t.isWord(first, u"SELECT")) effects.everything = true;
    }
    if (effects.everything || first == t.size() || t.isWord(first, u"SELECT")) return effects;
    qsizetype name = t.size();
    if (t.isWord(first, u"UPDATE")) name = t.nextSignificant(first);
    if (t.isWord(first, u"INSERT") && t.isWord(t.nextSignificant(first), u"INTO"))
        name = t.nextSignificant(t.nextSignificant(first));
    if (name >= t.size() || t.isSymbol(t.nextSignificant(name), u'.')) {
        effects.everything = true;  // not a plain table name (another schema's is not followed)
        return effects;
    }
    effects.tables.push_back(unquoteName(t.textOf(name)).toUpper());
    return effects;
}

}  // namespace tvx::sql
