#include "platform/sql/sql_script.h"

#include "platform/sql/sql_lexer.h"

namespace tvx::sql {

namespace {

bool holdsLineBreak(const TokenList& t, qsizetype i) {
    return t[i].kind == TokenKind::Space && t.textOf(i).contains(u'\n');
}

// GO alone on its line: a line break (or the start) before it, and nothing but
// blanks or a line comment after it up to the line break (or the end).
bool isBatchSeparator(const TokenList& t, qsizetype i) {
    if (!t.isWord(i, u"GO")) return false;
    if (i > 0 && !holdsLineBreak(t, i - 1)) return false;
    qsizetype j = i + 1;
    if (j < t.size() && t[j].kind == TokenKind::Space && !holdsLineBreak(t, j)) ++j;
    return j >= t.size() || holdsLineBreak(t, j) || t[j].kind == TokenKind::LineComment;
}

}  // namespace

QStringList splitStatements(const QString& script) {
    const TokenList t(script);
    QStringList statements;
    qsizetype start = 0;
    bool significant = false;
    auto flush = [&](qsizetype end) {
        if (significant) statements << script.mid(start, end - start);
        significant = false;
    };
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t.isSymbol(i, u';') || isBatchSeparator(t, i)) {
            flush(t[i].begin);
            start = t[i].end;
        } else if (t.isSignificant(i)) {
            significant = true;
        }
    }
    flush(script.size());
    return statements;
}

}  // namespace tvx::sql
