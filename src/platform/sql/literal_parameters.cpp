#include "platform/sql/literal_parameters.h"

#include "platform/sql/sql_lexer.h"

#include <sqlite3.h>
#include <algorithm>

namespace tvx::sql {

namespace {

bool isAsciiDigits(QStringView text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// A text the lifting leaves alone: parameters of its own (SQLite's ?, :a,
// @a, $a), more than one statement, or a token left open.
bool refused(const TokenList& tokens) {
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens.isUnterminated(i)) return true;
        const QStringView t = tokens.textOf(i);
        switch (tokens[i].kind) {
            case TokenKind::Symbol:
                if (t == u"?" || t == u":" || t == u"$") return true;
                if (t == u";" && tokens.nextSignificant(i) < tokens.size()) return true;
                break;
            case TokenKind::Word:
                if (t.startsWith(u'@') || t.startsWith(u'$')) return true;
                break;
            default:
                break;
        }
    }
    return false;
}

// The literal at `i` follows a comparison or assignment sign, and (a number)
// ends where its token ends: "0x1F" is a number and a word to the lexer.
bool liftable(const TokenList& tokens, qsizetype i) {
    const qsizetype before = tokens.prevSignificant(i);
    if (before < 0 ||
        !(tokens.isSymbol(before, u'=') || tokens.isSymbol(before, u'<') || tokens.isSymbol(before, u'>')))
        return false;
    if (tokens[i].kind == TokenKind::String) return true;
    if (tokens[i].kind != TokenKind::Number || !isAsciiDigits(tokens.textOf(i))) return false;
    return i + 1 >= tokens.size() || tokens[i + 1].kind == TokenKind::Space || tokens[i + 1].kind == TokenKind::Symbol;
}

// What can be told without splitting the text into tokens: most texts a
// connection runs are BEGIN, COMMIT, pragmas or texts without a value in
// them, and those are left as they are at once. A literal needs a quote or
// a digit somewhere.
bool mayLift(const QString& sql) {
    const QStringView head = QStringView(sql).trimmed();
    const auto startsWith = [&](QStringView word) {
        return head.startsWith(word, Qt::CaseInsensitive) &&
               (head.size() == word.size() || head[word.size()].isSpace());
    };
    if (!startsWith(u"SELECT") && !startsWith(u"UPDATE") && !startsWith(u"DELETE")) return false;
    return std::any_of(sql.begin(), sql.end(), [](QChar c) { return c == u'\'' || (c >= u'0' && c <= u'9'); });
}

}  // namespace

std::optional<LiftedLiterals> liftLiterals(const QString& sql) {
    if (!mayLift(sql)) return std::nullopt;
    const TokenList tokens(sql);
    const qsizetype first = tokens.nextSignificant(-1);
    const bool update = tokens.isWord(first, u"UPDATE");
    if (!update && !tokens.isWord(first, u"SELECT") && !tokens.isWord(first, u"DELETE")) return std::nullopt;
    if (refused(tokens)) return std::nullopt;
    qsizetype from = first;
    while (from < tokens.size() && !tokens.isWord(from, update ? u"SET" : u"WHERE")) ++from;

    LiftedLiterals lifted;
    TextEdits edits;
    for (qsizetype i = from + 1; i < tokens.size(); ++i) {
        if (!liftable(tokens, i)) continue;
        if (tokens[i].kind == TokenKind::String) {
            lifted.values.emplace_back(unquoteString(tokens.textOf(i)).toUtf8());
        } else {
            bool fits = false;
            const qint64 n = tokens.textOf(i).toLongLong(&fits);
            if (!fits) continue;  // beyond 64 bits SQLite reads a real: left as written
            lifted.values.emplace_back(n);
        }
        edits.replace(tokens[i].begin, tokens[i].end, QStringLiteral("?"));
    }
    if (lifted.values.empty()) return std::nullopt;
    lifted.text = edits.applyTo(sql);
    return lifted;
}

bool bindLifted(sqlite3_stmt* stmt, const LiftedLiterals& lifted) {
    if (sqlite3_bind_parameter_count(stmt) != int(lifted.values.size())) return false;
    int at = 1;
    for (const auto& value : lifted.values) {
        int rc = SQLITE_OK;
        if (const auto* n = std::get_if<qint64>(&value)) {
            rc = sqlite3_bind_int64(stmt, at, *n);
        } else {
            const QByteArray& text = std::get<QByteArray>(value);
            rc = sqlite3_bind_text(stmt, at, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK) return false;
        ++at;
    }
    return true;
}

}  // namespace tvx::sql
