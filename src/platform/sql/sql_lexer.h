#pragma once
// A lexer for SQL texts of the dialects we translate (T-SQL, Access, SQLite).
// It only separates what must be left alone (string literals, comments, quoted
// names) from words, numbers and symbols, so that rewrites never touch the
// inside of a literal. Concatenating the tokens gives the text back exactly.
#include <QString>
#include <QStringView>
#include <vector>

namespace tvx::sql {

enum class TokenKind {
    Space,         // blanks, tabs, line breaks
    LineComment,   // -- up to (not including) the line break
    BlockComment,  // /* ... */
    String,        // '...' with '' inside
    QuotedName,    // [...] with ]] inside, "..." or `...`
    Word,          // keyword or plain name (letters, digits, _ @ # $)
    Number,
    Symbol,  // any other single character
};

struct Token {
    TokenKind kind;
    qsizetype begin;
    qsizetype end;
};

// The tokens of a text, with the look-ups the rewrites need. An unterminated
// literal, comment or quoted name runs to the end of the text.
class TokenList {
public:
    explicit TokenList(QString text);

    const QString& text() const { return text_; }
    qsizetype size() const { return qsizetype(tokens_.size()); }
    const Token& operator[](qsizetype i) const { return tokens_[std::size_t(i)]; }
    QStringView textOf(qsizetype i) const;

    bool isSignificant(qsizetype i) const;
    // Word `i` equals `word` without regard to case (false outside the list).
    bool isWord(qsizetype i, QStringView word) const;
    bool isSymbol(qsizetype i, QChar c) const;
    // The first significant token after / before `i`: size() / -1 when none.
    qsizetype nextSignificant(qsizetype i) const;
    qsizetype prevSignificant(qsizetype i) const;
    // The ')' closing the '(' at `open`; size() when it is never closed.
    qsizetype matchingParen(qsizetype open) const;
    // Token `i` is a literal, quoted name or block comment left open (it runs
    // to the end of the text): nothing may be added after it.
    bool isUnterminated(qsizetype i) const;

private:
    QString text_;
    std::vector<Token> tokens_;
};

// The name inside a quoted name token's text ([a]]b] -> a]b, "x" -> x);
// other texts come back unchanged.
QString unquoteName(QStringView token);
// The value of a string literal token's text ('it''s' -> it's).
QString unquoteString(QStringView token);

// Edits of a text by position, applied all at once. Replaced ranges must not
// overlap; insertions at one position keep their order.
class TextEdits {
public:
    void replace(qsizetype begin, qsizetype end, QString with);
    void remove(qsizetype begin, qsizetype end) { replace(begin, end, {}); }
    void insert(qsizetype at, QString text) { replace(at, at, std::move(text)); }
    bool isEmpty() const { return edits_.empty(); }
    QString applyTo(const QString& text) const;

private:
    struct Edit {
        qsizetype begin;
        qsizetype end;
        QString with;
    };
    std::vector<Edit> edits_;
};

}  // namespace tvx::sql
