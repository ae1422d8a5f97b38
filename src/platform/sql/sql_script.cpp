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

std::vector<ScriptStatement> scriptStatements(const QString& script) {
    const TokenList t(script);
    std::vector<ScriptStatement> statements;
    qsizetype start = 0;
    bool significant = false;
    int line = 1;  // the line token i starts on
    int firstLine = 1;
    qsizetype firstBegin = 0;
    auto flush = [&](qsizetype end) {
        if (significant) statements.push_back({script.mid(start, end - start), firstBegin - start, firstLine});
        significant = false;
    };
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t.isSymbol(i, u';') || isBatchSeparator(t, i)) {
            flush(t[i].begin);
            start = t[i].end;
        } else if (!significant && t.isSignificant(i)) {
            significant = true;
            firstLine = line;
            firstBegin = t[i].begin;
        }
        line += int(t.textOf(i).count(u'\n'));
    }
    flush(script.size());
    return statements;
}

QStringList splitStatements(const QString& script) {
    QStringList texts;
    for (ScriptStatement& s : scriptStatements(script)) texts << std::move(s.text);
    return texts;
}

}  // namespace tvx::sql
