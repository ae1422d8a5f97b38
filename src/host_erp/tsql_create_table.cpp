// CREATE TABLE as the server writes it, turned into a table SQLite or PostgreSQL builds alike.
#include "host_erp/tsql_rewrites.h"
#include "platform/sql/sql_identifier.h"
#include "platform/sql/sql_quote.h"

#include <QStringList>
#include <vector>

namespace tvx::host_erp::tsql {

using sql::TokenKind;
using sql::TokenList;

namespace {

// One column definition or table constraint: tokens [begin, end), with the
// commas around it (-1 when none).
struct Element {
    qsizetype begin;
    qsizetype end;
    qsizetype commaBefore;
    qsizetype commaAfter;
};

std::vector<Element> elementsBetween(const TokenList& t, qsizetype open, qsizetype close) {
    std::vector<Element> elements;
    qsizetype start = open + 1;
    qsizetype commaBefore = -1;
    int depth = 0;
    for (qsizetype i = open + 1; i <= close; ++i) {
        if (t.isSymbol(i, u'(')) ++depth;
        if (t.isSymbol(i, u')') && i < close) --depth;
        if (i == close || (depth == 0 && t.isSymbol(i, u','))) {
            elements.push_back({start, i, commaBefore, i == close ? -1 : i});
            commaBefore = i;
            start = i + 1;
        }
    }
    return elements;
}

qsizetype firstIn(const TokenList& t, const Element& e) {
    const qsizetype i = t.nextSignificant(e.begin - 1);
    return i < e.end ? i : -1;
}

qsizetype findWord(const TokenList& t, const Element& e, QStringView word) {
    for (qsizetype i = e.begin; i < e.end; ++i)
        if (t.isWord(i, word)) return i;
    return -1;
}

bool isTableConstraint(const TokenList& t, qsizetype first) {
    for (QStringView w : {u"CONSTRAINT", u"PRIMARY", u"UNIQUE", u"CHECK", u"FOREIGN", u"INDEX"})
        if (t.isWord(first, w)) return true;
    return false;
}

bool isPlainWord(const QString& s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (!c.isLetterOrNumber() && c != u'_') return false;
    return true;
}

// The column names of the parenthesised list at `open` ([ID] Asc, X -> ID, X).
QStringList columnList(const TokenList& t, qsizetype open) {
    QStringList names;
    const qsizetype close = t.matchingParen(open);
    for (const Element& e : elementsBetween(t, open, close))
        if (qsizetype first = firstIn(t, e); first >= 0) names << sql::unquoteName(t.textOf(first)).toLower();
    return names;
}

// ON [filegroup], TEXTIMAGE_ON [filegroup] and WITH (options) between `from` and `to`.
void dropStorageOptions(const TokenList& t, qsizetype from, qsizetype to, sql::TextEdits& edits) {
    for (qsizetype i = from; i < to; ++i) {
        const qsizetype next = t.nextSignificant(i);
        if ((t.isWord(i, u"ON") || t.isWord(i, u"TEXTIMAGE_ON")) && next < to &&
            (t[next].kind == TokenKind::QuotedName || (t[next].kind == TokenKind::Word && !t.isWord(next, u"DELETE") &&
                                                       !t.isWord(next, u"UPDATE") && !t.isWord(next, u"CONFLICT")))) {
            edits.remove(t[i].begin, t[next].end);
            i = next;
        } else if (t.isWord(i, u"WITH") && t.isSymbol(next, u'(')) {
            const qsizetype close = std::min(t.matchingParen(next), to - 1);
            edits.remove(t[i].begin, t[close].end);
            i = close;
        }
    }
}

void dropClustering(const TokenList& t, const Element& e, sql::TextEdits& edits) {
    for (qsizetype i = e.begin; i < e.end; ++i)
        if (t.isWord(i, u"CLUSTERED") || t.isWord(i, u"NONCLUSTERED")) removeWord(t, i, edits);
}

struct TypeTokens {
    qsizetype name;      // the type token
    qsizetype argsOpen;  // '(' of its size, or -1
    qsizetype last;      // last token of the type
};

TypeTokens typeOf(const TokenList& t, const Element& e, qsizetype column) {
    TypeTokens type{t.nextSignificant(column), -1, -1};
    if (type.name >= e.end) return {-1, -1, -1};
    type.last = type.name;
    const qsizetype open = t.nextSignificant(type.name);
    if (open < e.end && t.isSymbol(open, u'(')) {
        type.argsOpen = open;
        type.last = t.matchingParen(open);
    }
    return type;
}

QString typeName(const TokenList& t, const TypeTokens& type) { return sql::unquoteName(t.textOf(type.name)).toLower(); }

QString typeArgs(const TokenList& t, const TypeTokens& type) {
    if (type.argsOpen < 0 || type.last >= t.size()) return {};
    return t.text().mid(t[type.argsOpen].end, t[type.last].begin - t[type.argsOpen].end).trimmed();
}

// IDENTITY(seed, increment) on a column of any whole-number type.
void translateIdentity(const TokenList& t, const Element& e, const TypeTokens& type, qsizetype identity,
                       sql::TextEdits& edits) {
    edits.replace(t[type.name].begin, t[type.last].end, QStringLiteral("INTEGER"));
    const qsizetype open = t.nextSignificant(identity);
    const qsizetype last = t.isSymbol(open, u'(') ? t.matchingParen(open) : identity;
    edits.replace(t[identity].begin, t[std::min(last, e.end - 1)].end, QStringLiteral("PRIMARY KEY AUTOINCREMENT"));
    // A key declared on the column itself is the one just written.
    if (const qsizetype primary = findWord(t, e, u"PRIMARY"); primary >= 0) {
        const qsizetype key = t.nextSignificant(primary);
        edits.remove(t[primary].begin, t[key].end);
    }
}

// A column definition.
void translateColumn(const TokenList& t, const Element& e, qsizetype column, sql::TextEdits& edits) {
    const TypeTokens type = typeOf(t, e, column);
    if (type.name < 0) return;
    if (const qsizetype identity = findWord(t, e, u"IDENTITY"); identity >= 0) {
        translateIdentity(t, e, type, identity, edits);
        dropClustering(t, e, edits);
        return;
    }
    const QString name = typeName(t, type);
    if (t[type.name].kind == TokenKind::QuotedName && isPlainWord(name))
        edits.replace(t[type.name].begin, t[type.name].end, t.textOf(type.name).mid(1).chopped(1).toString());
    const QString args = typeArgs(t, type);
    bool sized = false;
    const int size = args.toInt(&sized);
    const bool isText = name == u"char" || name == u"varchar" || name == u"nchar" || name == u"nvarchar" ||
                        name == u"text" || name == u"ntext";
    if (args.compare(u"max", Qt::CaseInsensitive) == 0) edits.remove(t[type.argsOpen].begin, t[type.last].end);
    // Texts compare as under the server's usual collation (without regard to case) ...
    if (isText && findWord(t, e, u"COLLATE") < 0) edits.insert(t[type.last].end, QStringLiteral(" COLLATE NOCASE"));
    // ... and never hold more than their size.
    if (isText && sized) {
        const qsizetype last = t.prevSignificant(e.end);
        edits.insert(
            t[last].end,
            QStringLiteral(" CHECK (length(%1) <= %2)").arg(t.textOf(column).toString(), QString::number(size)));
    }
    dropClustering(t, e, edits);
}

void translateConstraint(const TokenList& t, const Element& e, const QString& identityColumn, sql::TextEdits& edits) {
    const qsizetype primary = findWord(t, e, u"PRIMARY");
    if (primary >= 0 && !identityColumn.isEmpty()) {
        const qsizetype key = t.nextSignificant(primary);
        qsizetype open = t.nextSignificant(key);
        while (open < e.end && !t.isSymbol(open, u'(')) open = t.nextSignificant(open);
        if (open < e.end && columnList(t, open) == QStringList{identityColumn}) {
            // The identity column already is the key: drop the constraint with one comma.
            const qsizetype from = e.commaBefore >= 0 ? t[e.commaBefore].begin : t[e.begin].begin;
            const qsizetype to = e.commaBefore >= 0 ? t[t.prevSignificant(e.end)].end : t[e.commaAfter].end;
            edits.remove(from, to);
            return;
        }
        edits.replace(t[primary].begin, t[key].end, QStringLiteral("UNIQUE"));
    }
    dropClustering(t, e, edits);
    dropStorageOptions(t, e.begin, e.end, edits);
}

// PostgreSQL's type for a server type: texts are citext (they compare
// without regard to case), their size a CHECK; money keeps four decimals.
struct ServerType {
    QString name;
    bool text = false;
};

ServerType serverTypeOf(const QString& name, const QString& args) {
    const auto is = [&](std::initializer_list<const char*> names) {
        for (const char* n : names)
            if (name == QLatin1String(n)) return true;
        return false;
    };
    if (is({"char", "varchar", "nchar", "nvarchar", "text", "ntext", "sysname"}))
        return {QStringLiteral("citext"), true};
    if (name == u"bit") return {QStringLiteral("tvx_bit")};
    if (is({"tinyint", "smallint"})) return {QStringLiteral("smallint")};
    if (is({"int", "integer"})) return {QStringLiteral("integer")};
    if (name == u"bigint") return {QStringLiteral("bigint")};
    if (name == u"money") return {QStringLiteral("numeric(19,4)")};
    if (name == u"smallmoney") return {QStringLiteral("numeric(10,4)")};
    if (name == u"float") return {QStringLiteral("double precision")};
    if (is({"datetime", "datetime2", "smalldatetime"})) return {QStringLiteral("timestamp(3)")};
    if (name == u"uniqueidentifier") return {QStringLiteral("uuid")};
    if (is({"binary", "varbinary", "image"})) return {QStringLiteral("bytea")};
    return {args.isEmpty() ? name : name + u'(' + args + u')'};
}

// A column definition, for PostgreSQL.
void translateServerColumn(const TokenList& t, const Element& e, qsizetype column, sql::TextEdits& edits,
                           const QString& table, QString* after) {
    const TypeTokens type = typeOf(t, e, column);
    if (type.name < 0) return;
    const QString columnName = sql::unquoteName(t.textOf(column));
    const QString args = typeArgs(t, type);
    const ServerType mapped = serverTypeOf(typeName(t, type), args);
    edits.replace(t[type.name].begin, t[std::min(type.last, e.end - 1)].end, mapped.name);
    if (const qsizetype identity = findWord(t, e, u"IDENTITY"); identity >= 0) {
        const qsizetype open = t.nextSignificant(identity);
        const bool hasArgs = t.isSymbol(open, u'(');
        const qsizetype last = hasArgs ? std::min(t.matchingParen(open), e.end - 1) : identity;
        const QStringList numbers =
            hasArgs ? t.text().mid(t[open].end, t[last].begin - t[open].end).split(u',') : QStringList();
        QString generated = QStringLiteral("GENERATED BY DEFAULT AS IDENTITY");
        if (numbers.size() == 2)
            generated +=
                QStringLiteral(" (START WITH %1 INCREMENT BY %2)").arg(numbers[0].trimmed(), numbers[1].trimmed());
        edits.replace(t[identity].begin, t[last].end, generated);
    }
    // The server's collations have no meaning here: citext already ignores case.
    if (const qsizetype collate = findWord(t, e, u"COLLATE"); collate >= 0) {
        const qsizetype name = t.nextSignificant(collate);
        edits.remove(t[collate].begin, t[std::min(name, e.end - 1)].end);
    }
    bool sized = false;
    const int size = args.toInt(&sized);
    if (mapped.text && sized) {
        const qsizetype last = t.prevSignificant(e.end);
        edits.insert(t[last].end, QStringLiteral(" CHECK (char_length(%1) <= %2)")
                                      .arg(sql::quotedIdentifier(columnName.toLower()), QString::number(size)));
    }
    dropClustering(t, e, edits);
    if (after && columnName != columnName.toLower() && !table.isEmpty())
        *after += QStringLiteral(";\nCOMMENT ON COLUMN %1.%2 IS %3")
                      .arg(sql::quotedIdentifier(table.toLower()), sql::quotedIdentifier(columnName.toLower()),
                           sql::sqlQuoted(columnName));
}

// A table constraint, for PostgreSQL: no clustering, storage options or key order.
void translateServerConstraint(const TokenList& t, const Element& e, sql::TextEdits& edits) {
    dropClustering(t, e, edits);
    dropStorageOptions(t, e.begin, e.end, edits);
    for (qsizetype i = e.begin; i < e.end; ++i)
        if (t.isWord(i, u"ASC") || t.isWord(i, u"DESC")) edits.remove(t[i].begin, t[i].end);
}

// The table's own name (the last of [dbo].[name]).
QString tableName(const TokenList& t, qsizetype create, qsizetype open) {
    QString name;
    for (qsizetype i = t.nextSignificant(t.nextSignificant(create)); i < open; i = t.nextSignificant(i))
        if (t[i].kind == TokenKind::Word || t[i].kind == TokenKind::QuotedName) name = sql::unquoteName(t.textOf(i));
    return name;
}

}  // namespace

void translateCreateTable(const TokenList& t, sql::TextEdits& edits, Target target, QString* after) {
    const qsizetype create = t.nextSignificant(-1);
    if (!t.isWord(create, u"CREATE") || !t.isWord(t.nextSignificant(create), u"TABLE")) return;
    qsizetype open = create;
    while (open < t.size() && !t.isSymbol(open, u'(')) ++open;
    const qsizetype close = open < t.size() ? t.matchingParen(open) : t.size();
    if (close >= t.size()) return;

    const std::vector<Element> elements = elementsBetween(t, open, close);
    if (target == Target::Postgres) {
        const QString table = tableName(t, create, open);
        for (const Element& e : elements) {
            const qsizetype first = firstIn(t, e);
            if (first < 0) continue;
            if (isTableConstraint(t, first))
                translateServerConstraint(t, e, edits);
            else
                translateServerColumn(t, e, first, edits, table, after);
        }
        dropStorageOptions(t, close + 1, t.size(), edits);
        return;
    }
    QString identityColumn;
    for (const Element& e : elements) {
        const qsizetype first = firstIn(t, e);
        if (first >= 0 && !isTableConstraint(t, first) && findWord(t, e, u"IDENTITY") >= 0)
            identityColumn = sql::unquoteName(t.textOf(first)).toLower();
    }
    for (const Element& e : elements) {
        const qsizetype first = firstIn(t, e);
        if (first < 0) continue;
        if (isTableConstraint(t, first))
            translateConstraint(t, e, identityColumn, edits);
        else
            translateColumn(t, e, first, edits);
    }
    dropStorageOptions(t, close + 1, t.size(), edits);
}

}  // namespace tvx::host_erp::tsql
