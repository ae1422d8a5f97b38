#include "platform/sql/access_text_compare.h"
#include "platform/sql/access_dialect.h"
#include "platform/sql/memory_db.h"

#include <gtest/gtest.h>

namespace tvx::sql {
namespace {

using testing::MemoryDb;

TEST(AccessTextCompare, LikeFoldsCaseWithSqlitesWildcards) {
    EXPECT_TRUE(likeMatches(u"jo%", u"JOÃO"));
    EXPECT_TRUE(likeMatches(u"%ÇÃO", u"ração"));
    EXPECT_TRUE(likeMatches(u"r_ç_o", u"RAÇÃO"));  // _ is one character, accented or not
    EXPECT_FALSE(likeMatches(u"r_o", u"rão_"));
    EXPECT_TRUE(likeMatches(u"%a%b%", u"xxAyyaBzz"));  // a later % takes over after a mismatch
    EXPECT_FALSE(likeMatches(u"%a%b", u"xxAyyaBzz"));
    EXPECT_TRUE(likeMatches(u"", u""));
    EXPECT_FALSE(likeMatches(u"", u"a"));
    EXPECT_TRUE(likeMatches(u"%", u""));
    EXPECT_TRUE(likeMatches(u"a~%b", u"A%B", U'~'));
    EXPECT_FALSE(likeMatches(u"a~%b", u"axb", U'~'));
    EXPECT_FALSE(likeMatches(u"a~", u"a", U'~'));   // an escape with nothing after it matches nothing
    EXPECT_TRUE(likeMatches(u"5%%", u"5%", U'%'));  // the escape character is no wildcard
    EXPECT_FALSE(likeMatches(u"5%%", u"50", U'%'));
}

class AccessTextOnSqlite : public ::testing::Test {
protected:
    void SetUp() override {
        AccessDialect().prepareHandle(db_.handle());
        ASSERT_EQ(db_.run(QStringLiteral(
                      "CREATE TABLE t (ID INTEGER PRIMARY KEY, s VARCHAR(10), n CURRENCY, d DATETIME);"
                      "INSERT INTO t VALUES (1, 'B', 10, '2024-01-10 00:00:00'), (2, 'joão', 9, '2024-01-09 08:00:00'),"
                      "(3, 'a', 100, '2024-01-11 00:00:00'), (4, 'JOÃO', 9.5, NULL), (5, 'Ç', NULL, NULL),"
                      "(6, NULL, -1, NULL);")),
                  QString());
    }
    // The first column of each row of an Access text, run through the dialect.
    QStringList access(const char* sql) { return db_.rows(accessToSqlite(QString::fromUtf8(sql))); }

    MemoryDb db_;
};

TEST_F(AccessTextOnSqlite, TextComparesAndSortsWithoutCase) {
    EXPECT_EQ(access("SELECT ID FROM t WHERE s='joão' ORDER BY ID"), QStringList({"2", "4"}));
    EXPECT_EQ(access("SELECT ID FROM t WHERE s IN ('ç', 'b') ORDER BY ID"), QStringList({"1", "5"}));
    EXPECT_EQ(access("SELECT ID FROM t WHERE s<>'JOÃO' ORDER BY ID"), QStringList({"1", "3", "5"}));
    EXPECT_EQ(access("SELECT ID FROM t WHERE s>'JO' ORDER BY ID"), QStringList({"2", "4", "5"}));
    EXPECT_EQ(access("SELECT s FROM t WHERE ID<>6 AND ID<>4 ORDER BY s"), QStringList({"a", "B", "joão", "Ç"}));
    EXPECT_EQ(access("SELECT ID FROM t WHERE s LIKE '%Ã%' ORDER BY ID"), QStringList({"2", "4"}));
    EXPECT_EQ(access("SELECT s LIKE 'a', 'x' LIKE NULL, 'x' LIKE 'x' ESCAPE NULL FROM t WHERE ID=3"),
              QStringList({"1|NULL|NULL"}));
    EXPECT_EQ(access("SELECT 'a' LIKE 'a' ESCAPE 'ab'"),
              QStringList({"ERROR: ESCAPE expression must be a single character"}));
}

TEST_F(AccessTextOnSqlite, NumbersAndDatesCompareAsBefore) {
    EXPECT_EQ(access("SELECT n FROM t WHERE n IS NOT NULL ORDER BY n"), QStringList({"-1", "9", "9.5", "10", "100"}));
    EXPECT_EQ(access("SELECT ID FROM t WHERE n='10' OR n IN ('9.5') ORDER BY ID"), QStringList({"1", "4"}));
    EXPECT_EQ(access("SELECT ID FROM t WHERE n>'9' ORDER BY ID"), QStringList({"1", "3", "4"}));
    EXPECT_EQ(access("SELECT ID FROM t WHERE d IS NOT NULL ORDER BY d DESC"), QStringList({"3", "1", "2"}));
    EXPECT_EQ(access("SELECT ID FROM t WHERE d>='2024-01-10' ORDER BY ID"), QStringList({"1", "3"}));
}

}  // namespace
}  // namespace tvx::sql
