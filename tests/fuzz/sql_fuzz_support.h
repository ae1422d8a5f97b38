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
        TVX_FUZZ_CHECK(t[i].begin == at && t[i].end > t[i].begin, "tokens follow each other and are never empty", text);
        at = t[i].end;
    }
    TVX_FUZZ_CHECK(at == text.size(), "the tokens cover the whole text", text);
}

// The texts of the string literals of `text` (quotes included), in order.
inline QStringList literalsOf(const QString& text) {
    const TokenList t(text);
    QStringList literals;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (t[i].kind == TokenKind::String) literals << t.textOf(i).toString();
    return literals;
}

enum class Kept { InOrder, AnyOrder, SomeDropped };

// A rewrite never splits, joins or changes a literal: the output's literals
// are the input's, each whole; in order, in any order (a moved TOP count), or
// some of them dropped with the construct holding them (a CREATE TABLE's
// IDENTITY arguments or index options), but never one the input did not have.
inline void checkLiteralsKept(const QString& input, const QString& output, Kept kept) {
    QStringList before = literalsOf(input);
    QStringList after = literalsOf(output);
    if (kept != Kept::InOrder) {
        before.sort();
        after.sort();
    }
    bool holds = before == after;
    if (kept == Kept::SomeDropped) {
        holds = true;
        for (const QString& literal : after) holds = holds && before.removeOne(literal);
    }
    TVX_FUZZ_CHECK(holds, "a rewrite keeps every literal whole", input + QStringLiteral("\n--- became ---\n") + output);
}

}  // namespace tvx::sql::fuzz
