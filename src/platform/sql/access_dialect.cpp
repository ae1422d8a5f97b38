#include "platform/sql/access_dialect.h"

#include "platform/sql/access_collate.h"
#include "platform/sql/access_text_compare.h"
#include "platform/sql/sql_error.h"
#include "platform/sql/sql_lexer.h"
#include "platform/sql/sqlite_values.h"

#include <sqlite3.h>
#include <QStringList>

#include <climits>
#include <cmath>

namespace tvx::sql {

namespace {

bool isLeftOrRight(const TokenList& t, qsizetype i) { return t.isWord(i, u"LEFT") || t.isWord(i, u"RIGHT"); }

// [A.B] -> [A].[B]; other names unchanged.
QString splitDottedName(QStringView token) {
    if (!token.startsWith(u'[')) return token.toString();
    const QString name = unquoteName(token);
    if (!name.contains(u'.')) return token.toString();
    QStringList parts;
    for (const QString& part : name.split(u'.'))
        parts << u'[' + QString(part).replace(QStringLiteral("]"), QStringLiteral("]]")) + u']';
    return parts.join(u'.');
}

enum class Side { Left, Right };

template <Side side>
void leftOrRight(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const double n = std::nearbyint(sqlite3_value_double(argv[1]));  // halves to even, as the platform rounds
    if (n < 0) {
        sqlite3_result_error(ctx, "Invalid procedure call or argument", -1);
        return;
    }
    const QString text = functionArgumentText(argv[0]);
    const qsizetype count = n > INT_MAX ? text.size() : qsizetype(n);
    const QString part = side == Side::Left ? text.left(count) : text.right(count);
    sqlite3_result_text16(ctx, part.utf16(), int(part.size() * 2), SQLITE_TRANSIENT);
}

void createFunction(sqlite3* db, const char* name, void (*fn)(sqlite3_context*, int, sqlite3_value**)) {
    requireSqliteOk(sqlite3_create_function_v2(db, name, 2, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr, fn, nullptr,
                                               nullptr, nullptr));
}

// Every rewrite needs a LEFT / RIGHT, a dot, a literal or an ORDER BY: many texts have none.
bool mayNeedRewrite(const QString& sql) {
    return sql.contains(u'.') || sql.contains(u'\'') || sql.contains(u"left", Qt::CaseInsensitive) ||
           sql.contains(u"right", Qt::CaseInsensitive) || sql.contains(u"order", Qt::CaseInsensitive);
}

}  // namespace

QString accessToSqlite(const QString& sql) {
    if (!mayNeedRewrite(sql)) return sql;
    const TokenList t(sql);
    TextEdits edits;
    // First, so that a COLLATE lands before a token replaced at the same place.
    collateTextComparisons(t, edits);
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (isLeftOrRight(t, i) && t.isSymbol(t.nextSignificant(i), u'('))
            edits.replace(t[i].begin, t[i].end, u'[' + t.textOf(i).toString() + u']');
        else if (t[i].kind == TokenKind::QuotedName && t.textOf(i).startsWith(u'[') && !t.isUnterminated(i))
            if (QString split = splitDottedName(t.textOf(i)); split != t.textOf(i))
                edits.replace(t[i].begin, t[i].end, split);
    }
    return edits.applyTo(sql);
}

void registerAccessFunctions(sqlite3* db) {
    createFunction(db, "LEFT", &leftOrRight<Side::Left>);
    createFunction(db, "RIGHT", &leftOrRight<Side::Right>);
}

QString AccessDialect::translate(const QString& sql) const { return accessToSqlite(sql); }

void AccessDialect::prepareHandle(sqlite3* db) const {
    registerAccessFunctions(db);
    registerAccessTextCompare(db);
}

}  // namespace tvx::sql
