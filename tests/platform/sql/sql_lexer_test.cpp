#include "platform/sql/sql_lexer.h"
#include "platform/sql/memory_db.h"
#include "platform/sql/sql_quote.h"
#include "platform/sql/sql_script.h"

#include <gtest/gtest.h>

namespace tvx::sql {
namespace {

QString kinds(const TokenList& t) {
    QString out;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (!t.isSignificant(i)) continue;
        switch (t[i].kind) {
            case TokenKind::String:
                out += u'S';
                break;
            case TokenKind::QuotedName:
                out += u'Q';
                break;
            case TokenKind::Word:
                out += u'W';
                break;
            case TokenKind::Number:
                out += u'9';
                break;
            default:
                out += u'.';
                break;
        }
    }
    return out;
}

TEST(SqlLexer, KeepsLiteralsCommentsAndQuotedNamesWhole) {
    const QString text = QStringLiteral(
        "SELECT 'it''s -- not a comment' AS [a]]b], \"x y\" /* LEFT( */ -- [z.w]\r\nFROM t WHERE n=1.5e3");
    const TokenList t(text);
    QString joined;
    for (qsizetype i = 0; i < t.size(); ++i) joined += t.textOf(i);
    EXPECT_EQ(joined, text);
    EXPECT_EQ(kinds(t), QStringLiteral("WSWQ.QWWWW.9"));
    EXPECT_EQ(unquoteString(t.textOf(2)), QStringLiteral("it's -- not a comment"));
    EXPECT_EQ(unquoteName(QStringLiteral("[a]]b]")), QStringLiteral("a]b"));
    EXPECT_EQ(sqlQuoted(QStringLiteral("d'Água")), QStringLiteral("'d''Água'"));
}

TEST(SqlLexer, UnterminatedPiecesRunToTheEnd) {
    EXPECT_EQ(kinds(TokenList(QStringLiteral("SELECT 'abc"))), QStringLiteral("WS"));
    EXPECT_EQ(kinds(TokenList(QStringLiteral("SELECT [abc"))), QStringLiteral("WQ"));
    EXPECT_EQ(kinds(TokenList(QStringLiteral("SELECT /* abc"))), QStringLiteral("W"));
    // Which ones were left open.
    for (const char* closed : {"'a'", "''", "'it''s'", "[c]]]", "\"e\"", "`f`", "/**/", "x", "--"})
        EXPECT_FALSE(TokenList(QString::fromLatin1(closed)).isUnterminated(0)) << closed;
    for (const char* open : {"'", "'a", "'it''", "[c]]", "\"e", "`", "/*/", "/* x"})
        EXPECT_TRUE(TokenList(QString::fromLatin1(open)).isUnterminated(0)) << open;
}

TEST(SqlLexer, FindsMatchingParenthesesAndWords) {
    const TokenList t(QStringLiteral("f(a, (b), 'x)') + 1"));
    EXPECT_EQ(t.textOf(t.matchingParen(1)), QStringLiteral(")"));
    EXPECT_EQ(t[t.matchingParen(1)].begin, 14);
    EXPECT_TRUE(t.isWord(0, u"F"));
    EXPECT_FALSE(t.isWord(1, u"("));
    EXPECT_EQ(TokenList(QStringLiteral("(a")).matchingParen(0), 2);
}

TEST(SqlScript, SplitsAtSemicolonsAndGoLinesOnly) {
    EXPECT_EQ(
        splitStatements(QStringLiteral("UPDATE t SET a='x;y'; -- c;\r\nDELETE FROM [t;u] /* ; */")),
        (QStringList{QStringLiteral("UPDATE t SET a='x;y'"), QStringLiteral(" -- c;\r\nDELETE FROM [t;u] /* ; */")}));
    EXPECT_EQ(splitStatements(QStringLiteral("\r\nSELECT 1\r\nGO\r\nSELECT 2\r\n  go  -- end\r\nSELECT go FROM t")),
              (QStringList{QStringLiteral("\r\nSELECT 1\r\n"), QStringLiteral("\r\nSELECT 2\r\n  "),
                           QStringLiteral("  -- end\r\nSELECT go FROM t")}));
    EXPECT_TRUE(splitStatements(QStringLiteral(" ;\r\n-- only a comment\r\n; ")).isEmpty());
    EXPECT_EQ(splitStatements(QStringLiteral("SELECT 'GO\nGO\n'")).size(), 1);
}

TEST(TextEdits, AppliesReplacementsAndInsertionsInPositionOrder) {
    TextEdits e;
    e.insert(10, QStringLiteral(" LIMIT 1"));
    e.replace(0, 3, QStringLiteral("abc"));
    e.remove(4, 6);
    EXPECT_EQ(e.applyTo(QStringLiteral("XYZ 12 456")), QStringLiteral("abc  456 LIMIT 1"));
}

}  // namespace
}  // namespace tvx::sql
