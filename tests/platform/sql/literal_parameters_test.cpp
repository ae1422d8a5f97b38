// Literals taken out of spliced texts as parameters: which texts and literals
// are taken, and that a bound literal selects, converts and stores exactly
// as the written one (SQLite's own answers for both, on the same rows).
#include "platform/sql/literal_parameters.h"
#include "platform/sql/memory_db.h"

#include <gtest/gtest.h>

namespace tvx::sql {
namespace {

using testing::MemoryDb;

QString liftedText(const QString& sql) {
    const auto lifted = liftLiterals(sql);
    return lifted ? lifted->text : QStringLiteral("(as written)");
}

TEST(LiftedLiterals, TakesOnlyComparedLiteralsOfOnePlainStatement) {
    EXPECT_EQ(liftedText("SELECT     * FROM DOCGCCAB WHERE (TPDOC ='FT') AND (ANO=2026) AND (NNUMDOC=12 )  \r\n"),
              "SELECT     * FROM DOCGCCAB WHERE (TPDOC =?) AND (ANO=?) AND (NNUMDOC=? )  \r\n");
    EXPECT_EQ(liftedText("UPDATE \"TKT Issued\" SET Factura = 'FT 1/2' WHERE ID = 7;"),
              "UPDATE \"TKT Issued\" SET Factura = ? WHERE ID = ?;");
    EXPECT_EQ(liftedText("DELETE FROM T WHERE A <> 'x' AND B >= 3 AND C != 4"),
              "DELETE FROM T WHERE A <> ? AND B >= ? AND C != ?");
    // Before the WHERE (the columns' names), or not after a sign: as written.
    EXPECT_EQ(liftedText("SELECT A = 1 AS F, 'k' FROM T WHERE B = 2 ORDER BY 1 LIMIT 5"),
              "SELECT A = 1 AS F, 'k' FROM T WHERE B = ? ORDER BY 1 LIMIT 5");
    EXPECT_EQ(liftedText("SELECT * FROM T WHERE A = -1 OR A = 1.5 OR A = 0x1F OR A = x'00' OR A = 1e3 OR "
                         "A = 99999999999999999999 OR A LIKE 'a%'"),
              "(as written)");
    for (const char* sql : {"SELECT * FROM T WHERE A = ? AND B = 1", "SELECT * FROM T WHERE A = :a AND B = 1",
                            "SELECT * FROM T WHERE A = @a AND B = 1", "SELECT * FROM T WHERE A = $a AND B = 1",
                            "UPDATE T SET A = 1; DELETE FROM T WHERE B = 2", "INSERT INTO T VALUES (1)",
                            "SELECT * FROM T WHERE A = 'open", "PRAGMA user_version = 3"})
        EXPECT_EQ(liftedText(QString::fromLatin1(sql)), "(as written)") << sql;
}

// The rows `sql` gives, written and lifted, on two databases made alike.
class BoundAsWritten : public ::testing::Test {
protected:
    void SetUp() override {
        for (MemoryDb* db : {&written, &bound})
            ASSERT_EQ(db->run("CREATE TABLE T (ID INTEGER PRIMARY KEY, TXT TEXT, NUM NUMERIC, ANYV);"
                              "INSERT INTO T VALUES (1, '5', 5, '5'), (2, '05', 5.0, 5), (3, 'it''s', NULL, 'é')"),
                      QString());
    }
    void runLifted(const QString& sql) {
        const auto lifted = liftLiterals(sql);
        ASSERT_TRUE(lifted) << sql.toStdString();
        sqlite3_stmt* stmt = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(bound.handle(), lifted->text.toUtf8().constData(), -1, &stmt, nullptr), SQLITE_OK);
        ASSERT_TRUE(bindLifted(stmt, *lifted));
        QStringList ids;
        while (sqlite3_step(stmt) == SQLITE_ROW)
            ids << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        lastIds = ids.join(u',');
    }
    MemoryDb written, bound;
    QString lastIds;
};

TEST_F(BoundAsWritten, SelectsConvertsAndStoresAsTheLiteral) {
    for (const char* where : {"TXT = 5", "TXT = '5'", "NUM = '5'", "NUM = 5", "ANYV = 5", "ANYV = '5'", "TXT = 'it''s'",
                              "ANYV = 'é'", "TXT > '4'", "NUM < 6"}) {
        const QString sql = QStringLiteral("SELECT ID FROM T WHERE %1 ORDER BY ID").arg(QLatin1String(where));
        runLifted(sql);
        EXPECT_EQ(lastIds, written.rows(sql).join(u',')) << where;
    }
    const QString update = QStringLiteral("UPDATE T SET TXT = 7, NUM = '8', ANYV = 'x''y' WHERE ID = 2");
    ASSERT_EQ(written.run(update), QString());
    runLifted(update);
    const QString after = QStringLiteral("SELECT ID, TXT, typeof(TXT), NUM, typeof(NUM), ANYV, typeof(ANYV) FROM T");
    EXPECT_EQ(bound.rows(after), written.rows(after));
}

}  // namespace
}  // namespace tvx::sql
