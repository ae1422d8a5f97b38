#pragma once
// What the two SQL dialect targets check of the lexer and of a rewrite.
#include "fuzz_check.h"
#include "platform/sql/sql_lexer.h"

#include <QStringList>

namespace tvx::sql::fuzz {

using tvx::fuzz::check;

// The lexer's own promise: tokens follow each other, none is empty, and
// together they give the text back exactly.
inline void checkTokens(const QString& text) {
    const TokenList t(text);
    qsizetype at = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        check(t[i].begin == at && t[i].end > t[i].begin, "tokens follow each other and are never empty", text);
        at = t[i].end;
    }
    check(at == text.size(), "the tokens cover the whole text", text);
}

// The texts of the string literals of `text` (quotes included), in order.
inline QStringList literalsOf(const QString& text) {
    const TokenList t(text);
    QStringList literals;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (t[i].kind == TokenKind::String) literals << t.textOf(i).toString();
    return literals;
}

// A rewrite never splits, joins, changes or hides a literal: the output holds
// exactly the input's literals, each whole (in order unless `anyOrder`).
inline void checkLiteralsKept(const QString& input, const QString& output, bool anyOrder) {
    QStringList before = literalsOf(input);
    QStringList after = literalsOf(output);
    if (anyOrder) {
        before.sort();
        after.sort();
    }
    check(before == after, "a rewrite keeps every literal whole",
          input + QStringLiteral("\n--- became ---\n") + output);
}

}  // namespace tvx::sql::fuzz
