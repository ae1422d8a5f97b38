#include "platform/sql/sql_lexer.h"

#include <algorithm>

namespace tvx::sql {

namespace {

bool isWordStart(QChar c) { return c.isLetter() || c == u'_' || c == u'@' || c == u'#'; }

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$'; }

// End of a quoted run that starts at `pos` with `open` and ends with `close`;
// a doubled `close` inside stands for itself.
qsizetype quotedEnd(QStringView s, qsizetype pos, QChar close) {
    qsizetype i = pos + 1;
    while (i < s.size()) {
        if (s[i] == close) {
            if (i + 1 < s.size() && s[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return s.size();
}

// Whether a quoted run's text (as quotedEnd delimits it) ends with its closing character.
bool closedRun(QStringView run, QChar close) {
    for (qsizetype i = 1; i < run.size(); ++i) {
        if (run[i] != close) continue;
        if (i + 1 < run.size() && run[i + 1] == close) {
            ++i;
            continue;
        }
        return i + 1 == run.size();
    }
    return false;
}

qsizetype numberEnd(QStringView s, qsizetype i) {
    while (i < s.size() && (s[i].isDigit() || s[i] == u'.')) ++i;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) ++j;
        if (j < s.size() && s[j].isDigit()) {
            i = j;
            while (i < s.size() && s[i].isDigit()) ++i;
        }
    }
    return i;
}

Token nextToken(QStringView s, qsizetype i) {
    const QChar c = s[i];
    const QChar next = i + 1 < s.size() ? s[i + 1] : QChar();
    if (c.isSpace()) {
        qsizetype j = i;
        while (j < s.size() && s[j].isSpace()) ++j;
        return {TokenKind::Space, i, j};
    }
    if (c == u'-' && next == u'-') {
        qsizetype j = i;
        while (j < s.size() && s[j] != u'\n' && s[j] != u'\r') ++j;
        return {TokenKind::LineComment, i, j};
    }
    if (c == u'/' && next == u'*') {
        const qsizetype close = s.indexOf(u"*/", i + 2);
        return {TokenKind::BlockComment, i, close < 0 ? s.size() : close + 2};
    }
    if (c == u'\'') return {TokenKind::String, i, quotedEnd(s, i, u'\'')};
    if (c == u'[') return {TokenKind::QuotedName, i, quotedEnd(s, i, u']')};
    if (c == u'"' || c == u'`') return {TokenKind::QuotedName, i, quotedEnd(s, i, c)};
    if (c.isDigit() || (c == u'.' && next.isDigit())) return {TokenKind::Number, i, numberEnd(s, i)};
    if (isWordStart(c)) {
        qsizetype j = i + 1;
        while (j < s.size() && isWordChar(s[j])) ++j;
        return {TokenKind::Word, i, j};
    }
    return {TokenKind::Symbol, i, i + 1};
}

QString unquoteRun(QStringView token, QChar close) {
    QString inner = token.mid(1).toString();
    if (inner.endsWith(close)) inner.chop(1);
    inner.replace(QString(2, close), QString(close));
    return inner;
}

}  // namespace

TokenList::TokenList(QString text) : text_(std::move(text)) {
    const QStringView s(text_);
    for (qsizetype i = 0; i < s.size();) {
        tokens_.push_back(nextToken(s, i));
        i = tokens_.back().end;
    }
}

QStringView TokenList::textOf(qsizetype i) const {
    const Token& t = (*this)[i];
    return QStringView(text_).mid(t.begin, t.end - t.begin);
}

bool TokenList::isSignificant(qsizetype i) const {
    const TokenKind k = (*this)[i].kind;
    return k != TokenKind::Space && k != TokenKind::LineComment && k != TokenKind::BlockComment;
}

bool TokenList::isWord(qsizetype i, QStringView word) const {
    return i >= 0 && i < size() && (*this)[i].kind == TokenKind::Word &&
           textOf(i).compare(word, Qt::CaseInsensitive) == 0;
}

bool TokenList::isSymbol(qsizetype i, QChar c) const {
    return i >= 0 && i < size() && (*this)[i].kind == TokenKind::Symbol && text_[(*this)[i].begin] == c;
}

qsizetype TokenList::nextSignificant(qsizetype i) const {
    for (++i; i < size(); ++i)
        if (isSignificant(i)) return i;
    return size();
}

qsizetype TokenList::prevSignificant(qsizetype i) const {
    for (--i; i >= 0; --i)
        if (isSignificant(i)) return i;
    return -1;
}

qsizetype TokenList::matchingParen(qsizetype open) const {
    int depth = 0;
    for (qsizetype i = open; i < size(); ++i) {
        if (isSymbol(i, u'(')) ++depth;
        if (isSymbol(i, u')') && --depth == 0) return i;
    }
    return size();
}

bool TokenList::isUnterminated(qsizetype i) const {
    const QStringView s = textOf(i);
    switch ((*this)[i].kind) {
        case TokenKind::BlockComment:
            return s.size() < 4 || !s.endsWith(u"*/");
        case TokenKind::String:
        case TokenKind::QuotedName:
            return !closedRun(s, s[0] == u'[' ? QChar(u']') : s[0]);
        default:
            return false;
    }
}

QString unquoteName(QStringView token) {
    if (token.startsWith(u'[')) return unquoteRun(token, u']');
    if (token.startsWith(u'"') || token.startsWith(u'`')) return unquoteRun(token, token[0]);
    return token.toString();
}

QString unquoteString(QStringView token) {
    return token.startsWith(u'\'') ? unquoteRun(token, u'\'') : token.toString();
}

void TextEdits::replace(qsizetype begin, qsizetype end, QString with) {
    edits_.push_back({begin, end, std::move(with)});
}

QString TextEdits::applyTo(const QString& text) const {
    std::vector<Edit> sorted = edits_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
    QString out;
    out.reserve(text.size() + 32);
    qsizetype at = 0;
    for (const Edit& e : sorted) {
        out += QStringView(text).mid(at, std::max<qsizetype>(0, e.begin - at));
        out += e.with;
        at = std::max(at, e.end);
    }
    out += QStringView(text).mid(at);
    return out;
}

}  // namespace tvx::sql
