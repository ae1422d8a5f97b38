#include "platform/sql/access_collate.h"

#include "platform/sql/access_text_compare.h"

#include <initializer_list>

namespace tvx::sql {

namespace {

const QString Collate = QStringLiteral(" COLLATE ") + QLatin1String(AccessTextCollation);

bool isAnyWord(const TokenList& t, qsizetype i, std::initializer_list<const char16_t*> words) {
    for (const char16_t* w : words)
        if (t.isWord(i, w)) return true;
    return false;
}

// One sign of = == <> != < <= > >= (the lexer gives each character its own token).
bool isComparisonSign(const TokenList& t, qsizetype i) {
    return t.isSymbol(i, u'=') || t.isSymbol(i, u'<') || t.isSymbol(i, u'>') || t.isSymbol(i, u'!');
}

bool isStringAt(const TokenList& t, qsizetype i) { return i >= 0 && i < t.size() && t[i].kind == TokenKind::String; }

// A COLLATE after token `i`, unless that token runs to the end of the text
// (a literal or quoted name left open): written there it would land inside it.
void collateAfter(const TokenList& t, qsizetype i, TextEdits& edits) {
    if (!t.isUnterminated(i)) edits.insert(t[i].end, Collate);
}

bool isComparedLiteral(const TokenList& t, qsizetype i) {
    return isStringAt(t, i) && !t.isWord(t.nextSignificant(i), u"COLLATE") &&
           (isComparisonSign(t, t.prevSignificant(i)) || isComparisonSign(t, t.nextSignificant(i)));
}

// A string literal among the items of the list that opens at `open`.
bool listHoldsString(const TokenList& t, qsizetype open) {
    int depth = 0;
    const qsizetype close = t.matchingParen(open);
    for (qsizetype k = open + 1; k < close; ++k) {
        if (t.isSymbol(k, u'(')) ++depth;
        if (t.isSymbol(k, u')')) --depth;
        if (depth == 0 && isStringAt(t, k)) return true;
    }
    return false;
}

// IN ('a', …) and BETWEEN 'a' AND …: the left operand's collation decides the
// whole test. The operand's last token, or -1 when `i` is no such test.
qsizetype textSetOperand(const TokenList& t, qsizetype i) {
    const qsizetype next = t.nextSignificant(i);
    const bool inList = t.isWord(i, u"IN") && t.isSymbol(next, u'(') && listHoldsString(t, next);
    if (!inList && !(t.isWord(i, u"BETWEEN") && isStringAt(t, next))) return -1;
    qsizetype last = t.prevSignificant(i);
    if (t.isWord(last, u"NOT")) last = t.prevSignificant(last);
    const bool collated = t.isWord(t.prevSignificant(last), u"COLLATE");
    return last >= 0 && !collated ? last : -1;
}

// The terms of the ORDER BY whose BY is at `by`, each up to its ASC / DESC /
// NULLS, a comma, or the end of the clause.
void collateOrderTerms(const TokenList& t, qsizetype by, TextEdits& edits) {
    qsizetype last = -1;
    bool collated = false, inTerm = true;
    int depth = 0;
    // A term whose parenthesis is never closed gets none: a COLLATE there
    // would stand inside it, where the next rewrite would not see it.
    const auto endTerm = [&] {
        if (last >= 0 && !collated && depth == 0 && !isComparedLiteral(t, last)) collateAfter(t, last, edits);
        last = -1;
        collated = false;
    };
    for (qsizetype k = t.nextSignificant(by); k < t.size(); k = t.nextSignificant(k)) {
        if (depth == 0) {
            if (t.isSymbol(k, u')') || t.isSymbol(k, u';') ||
                isAnyWord(t, k, {u"LIMIT", u"OFFSET", u"ROWS", u"RANGE", u"GROUPS"}))
                break;
            if (t.isSymbol(k, u',') || isAnyWord(t, k, {u"ASC", u"DESC", u"NULLS"})) {
                endTerm();
                inTerm = t.isSymbol(k, u',');
                continue;
            }
            if (t.isWord(k, u"COLLATE")) collated = true;
        }
        if (t.isSymbol(k, u'(')) ++depth;
        if (t.isSymbol(k, u')')) --depth;
        if (inTerm) last = k;
    }
    endTerm();
}

}  // namespace

void collateTextComparisons(const TokenList& t, TextEdits& edits) {
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (isComparedLiteral(t, i))
            collateAfter(t, i, edits);
        else if (const qsizetype operand = textSetOperand(t, i); operand >= 0)
            collateAfter(t, operand, edits);
        else if (t.isWord(i, u"ORDER") && t.isWord(t.nextSignificant(i), u"BY"))
            collateOrderTerms(t, t.nextSignificant(i), edits);
    }
}

}  // namespace tvx::sql
