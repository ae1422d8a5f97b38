#include "host_erp/tsql_dialect.h"

#include "host_erp/tsql_rewrites.h"
#include "platform/sql/sql_identifier.h"
#include "platform/sql/sql_script.h"

namespace tvx::host_erp {

using sql::TokenKind;
using sql::TokenList;

namespace tsql {

void removeWord(const TokenList& t, qsizetype i, sql::TextEdits& edits) {
    const qsizetype end = i + 1 < t.size() && t[i + 1].kind == TokenKind::Space ? t[i + 1].end : t[i].end;
    edits.remove(t[i].begin, end);
}

void dropStringPrefixes(const TokenList& t, sql::TextEdits& edits) {
    for (qsizetype i = 0; i + 1 < t.size(); ++i)
        if (t[i].kind == TokenKind::Word && t.textOf(i).size() == 1 && t.isWord(i, u"N") &&
            t[i + 1].kind == TokenKind::String && t[i].end == t[i + 1].begin) {
            // Right after another literal ('a'N'b') a blank keeps the two apart: '' would join them.
            const bool afterLiteral = i > 0 && t[i - 1].kind == TokenKind::String && t[i - 1].end == t[i].begin;
            edits.replace(t[i].begin, t[i].end, afterLiteral ? QStringLiteral(" ") : QString());
        }
}

namespace {

// Where the select whose TOP ends at `from` ends: before the ')' that closes
// its parenthesis, a ';', a UNION / EXCEPT / INTERSECT (so that the limit never
// silently moves onto a compound select), or the end.
qsizetype selectEnd(const TokenList& t, qsizetype from) {
    int depth = 0;
    for (qsizetype i = from; i < t.size(); ++i) {
        if (t.isSymbol(i, u'(')) ++depth;
        if (t.isSymbol(i, u')') && depth-- == 0) return i;
        if (depth == 0 &&
            (t.isSymbol(i, u';') || t.isWord(i, u"UNION") || t.isWord(i, u"EXCEPT") || t.isWord(i, u"INTERSECT")))
            return i;
    }
    return t.size();
}

}  // namespace

void translateTop(const TokenList& t, sql::TextEdits& edits) {
    for (qsizetype select = 0; select < t.size(); ++select) {
        if (!t.isWord(select, u"SELECT")) continue;
        qsizetype top = t.nextSignificant(select);
        if (t.isWord(top, u"DISTINCT") || t.isWord(top, u"ALL")) top = t.nextSignificant(top);
        if (!t.isWord(top, u"TOP")) continue;
        const qsizetype count = t.nextSignificant(top);
        qsizetype last = count;
        QString limit;
        if (t.isSymbol(count, u'(')) {
            last = t.matchingParen(count);
            if (last >= t.size()) continue;
            limit = t.text().mid(t[count].end, t[last].begin - t[count].end).trimmed();
        } else if (count < t.size() && t[count].kind == TokenKind::Number) {
            limit = t.textOf(count).toString();
        } else {
            continue;
        }
        const qsizetype after = t.nextSignificant(last);
        if (t.isWord(after, u"PERCENT") || t.isWord(after, u"WITH")) continue;
        // After a literal left open the LIMIT would land inside it: left for SQLite to refuse.
        const qsizetype tail = t.prevSignificant(selectEnd(t, last + 1));
        if (t.isUnterminated(tail)) continue;
        const qsizetype removeEnd =
            last + 1 < t.size() && t[last + 1].kind == TokenKind::Space ? t[last + 1].end : t[last].end;
        edits.remove(t[top].begin, removeEnd);
        edits.insert(t[tail].end, QStringLiteral(" LIMIT ") + limit);
        // The count moves as it is written: a select inside it is not rewritten (its edits would overlap).
        select = last;
    }
}

void lowerCaseNames(const TokenList& t, sql::TextEdits& edits) {
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i].kind != TokenKind::QuotedName || t.textOf(i).startsWith(u'`') || t.isUnterminated(i)) continue;
        edits.replace(t[i].begin, t[i].end, sql::quotedIdentifier(sql::unquoteName(t.textOf(i)).toLower()));
    }
}

}  // namespace tsql

QString translateTsqlStatement(const QString& statement, tsql::Target target) {
    const TokenList t(statement);
    if (auto answer = tsql::existenceTestQuery(t, target)) return *answer;
    sql::TextEdits edits;
    tsql::dropStringPrefixes(t, edits);
    tsql::translateTop(t, edits);
    QString after;
    tsql::translateCreateTable(t, edits, target, &after);
    QString out = edits.applyTo(statement);
    if (target == tsql::Target::Sqlite) return out;
    const TokenList names(out);
    sql::TextEdits lowered;
    tsql::lowerCaseNames(names, lowered);
    return lowered.applyTo(out) + after;
}

namespace {

QString translateScript(const QString& sql, tsql::Target target) {
    QStringList statements = sql::splitStatements(sql);
    for (QString& s : statements) s = translateTsqlStatement(s, target);
    return statements.join(QStringLiteral(";\n"));
}

}  // namespace

QString TsqlDialect::translate(const QString& sql) const { return translateScript(sql, tsql::Target::Sqlite); }

QString TsqlServerDialect::translate(const QString& sql) const { return translateScript(sql, tsql::Target::Postgres); }

}  // namespace tvx::host_erp
