// The server's catalogue test "does this table exist", answered from sqlite_master or pg_class.
#include "host_erp/tsql_rewrites.h"
#include "platform/sql/sql_quote.h"

#include <QStringList>
#include <vector>

namespace tvx::host_erp::tsql {

using sql::TokenKind;
using sql::TokenList;

namespace {

// Walks the significant tokens of a statement.
class Cursor {
public:
    explicit Cursor(const TokenList& t) : t_(t), at_(t.nextSignificant(-1)) {}

    bool atEnd() const { return at_ >= t_.size(); }
    bool word(QStringView w) { return take(t_.isWord(at_, w)); }
    bool symbol(QChar c) { return take(t_.isSymbol(at_, c)); }
    // A plain or quoted name equal to `name` without regard to case.
    bool name(QStringView n) {
        const bool ok = !atEnd() && (t_[at_].kind == TokenKind::Word || t_[at_].kind == TokenKind::QuotedName) &&
                        sql::unquoteName(t_.textOf(at_)).compare(n, Qt::CaseInsensitive) == 0;
        return take(ok);
    }
    // A string literal, with or without the N prefix.
    std::optional<QString> string() {
        if (!atEnd() && t_[at_].kind == TokenKind::Word && t_.textOf(at_).size() == 1 && t_.isWord(at_, u"N") &&
            at_ + 1 < t_.size() && t_[at_ + 1].kind == TokenKind::String)
            ++at_;
        if (atEnd() || t_[at_].kind != TokenKind::String) return std::nullopt;
        QString value = sql::unquoteString(t_.textOf(at_));
        at_ = t_.nextSignificant(at_);
        return value;
    }
    // Skips to the first `w` outside parentheses; false when there is none.
    bool skipTo(QStringView w) {
        int depth = 0;
        for (; !atEnd(); at_ = t_.nextSignificant(at_)) {
            if (depth == 0 && t_.isWord(at_, w)) return true;
            if (t_.isSymbol(at_, u'(')) ++depth;
            if (t_.isSymbol(at_, u')')) --depth;
        }
        return false;
    }
    // One or more literals separated by commas, up to ')'.
    std::optional<QStringList> stringList() {
        QStringList values;
        do {
            auto v = string();
            if (!v) return std::nullopt;
            values << *v;
        } while (symbol(u','));
        return symbol(u')') ? std::optional(values) : std::nullopt;
    }

private:
    bool take(bool ok) {
        if (ok) at_ = t_.nextSignificant(at_);
        return ok;
    }
    const TokenList& t_;
    qsizetype at_;
};

// The object's own name from '[dbo].[name]', 'dbo.name' or 'name'.
QString objectName(const QString& qualified) {
    const TokenList t(qualified);
    QString last;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (t[i].kind == TokenKind::Word || t[i].kind == TokenKind::QuotedName) last = sql::unquoteName(t.textOf(i));
    return last;
}

// The type filter after OBJECT_ID(...): absent, "AND type IN (...)" or "AND type = ...".
std::optional<QStringList> typeFilter(Cursor& c) {
    if (c.atEnd()) return QStringList{QStringLiteral("U"), QStringLiteral("V")};
    if (!c.word(u"AND") || !c.name(u"type")) return std::nullopt;
    if (c.symbol(u'=')) {
        auto v = c.string();
        return v ? std::optional(QStringList{*v}) : std::nullopt;
    }
    if (c.word(u"IN") && c.symbol(u'(')) return c.stringList();
    return std::nullopt;
}

QString sqliteTypes(const QStringList& serverTypes) {
    QStringList types;
    for (const QString& type : serverTypes) {
        if (type.trimmed().compare(u"U", Qt::CaseInsensitive) == 0) types << QStringLiteral("'table'");
        if (type.trimmed().compare(u"V", Qt::CaseInsensitive) == 0) types << QStringLiteral("'view'");
    }
    return types.isEmpty() ? QStringLiteral("NULL") : types.join(u", ");
}

QString postgresKinds(const QStringList& serverTypes) {
    QStringList kinds;
    for (const QString& type : serverTypes) {
        if (type.trimmed().compare(u"U", Qt::CaseInsensitive) == 0) kinds << QStringLiteral("'r', 'p'");
        if (type.trimmed().compare(u"V", Qt::CaseInsensitive) == 0) kinds << QStringLiteral("'v'");
    }
    return kinds.isEmpty() ? QStringLiteral("NULL") : kinds.join(u", ");
}

}  // namespace

std::optional<QString> existenceTestQuery(const TokenList& t, Target target) {
    Cursor c(t);
    if (!c.word(u"SELECT") || !c.skipTo(u"FROM") || !c.word(u"FROM")) return std::nullopt;
    if (!c.name(u"sys") || !c.symbol(u'.') || !c.name(u"objects") || !c.word(u"WHERE")) return std::nullopt;
    if (!c.name(u"object_id") || !c.symbol(u'=') || !c.word(u"OBJECT_ID") || !c.symbol(u'(')) return std::nullopt;
    const auto object = c.string();
    // A name holding a NUL is no table's: left to the connection, which refuses it.
    if (!object || object->contains(QChar(u'\0'))) return std::nullopt;
    if (c.symbol(u',') && !c.string()) return std::nullopt;  // OBJECT_ID's optional type argument
    if (!c.symbol(u')')) return std::nullopt;
    const auto types = typeFilter(c);
    if (!types || (c.symbol(u';'), !c.atEnd())) return std::nullopt;
    if (target == Target::Postgres)
        return QStringLiteral(
                   "SELECT c.relname AS name, c.oid AS object_id, CASE c.relkind WHEN 'v' THEN 'V' ELSE 'U' END AS "
                   "type FROM pg_class c WHERE c.relkind IN (%1) AND lower(c.relname) = lower(%2) AND "
                   "pg_table_is_visible(c.oid)")
            .arg(postgresKinds(*types), sql::sqlQuoted(objectName(*object)));
    return QStringLiteral(
               "SELECT name AS name, rowid AS object_id, CASE type WHEN 'table' THEN 'U' ELSE 'V' END AS type "
               "FROM sqlite_master WHERE type IN (%1) AND name = %2 COLLATE NOCASE")
        .arg(sqliteTypes(*types), sql::sqlQuoted(objectName(*object)));
}

}  // namespace tvx::host_erp::tsql
