#include "host_erp/tsql_dialect.h"
#include "host_erp/addin_sql.h"
#include "platform/sql/memory_db.h"

#include <gtest/gtest.h>

namespace tvx::host_erp {
namespace {

using sql::testing::MemoryDb;
using namespace host_erp::testing;

class TsqlOnSqlite : public ::testing::Test {
protected:
    // Runs T-SQL through the dialect: "" on success, else SQLite's message.
    QString run(const QString& tsql) { return db.run(dialect.translate(tsql)); }
    QStringList rows(const QString& tsql) { return db.rows(dialect.translate(tsql)); }

    MemoryDb db;
    TsqlDialect dialect;
};

TEST(TsqlDialect, DropsTheUnicodePrefixOfLiteralsOnly) {
    EXPECT_EQ(translateTsqlStatement(QStringLiteral("SELECT N'a', n'b' FROM t WHERE c IN('x') AND d=N'N''x' -- N'y'")),
              QStringLiteral("SELECT 'a', 'b' FROM t WHERE c IN('x') AND d='N''x' -- N'y'"));
    EXPECT_EQ(translateTsqlStatement(QStringLiteral("SELECT N 'a', [N]'b'")), QStringLiteral("SELECT N 'a', [N]'b'"));
    // Found by the tsql_dialect fuzz target: dropping the N must not join two literals into one.
    EXPECT_EQ(translateTsqlStatement(QStringLiteral("SELECT 'a'N'b'")), QStringLiteral("SELECT 'a' 'b'"));
}

TEST(TsqlDialect, TurnsTopIntoLimitAtTheEndOfItsSelect) {
    EXPECT_EQ(translateTsqlStatement(parametersRead()), QStringLiteral("SELECT * FROM qrl_PARAMETROS LIMIT 1 \r\n"));
    EXPECT_EQ(translateTsqlStatement(QStringLiteral("select distinct top 2 a FROM t ORDER BY a -- last")),
              QStringLiteral("select distinct a FROM t ORDER BY a LIMIT 2 -- last"));
    EXPECT_EQ(
        translateTsqlStatement(QStringLiteral(
            "SELECT * FROM t WHERE id IN (SELECT TOP (1+1) id FROM u ORDER BY id DESC) AND 'TOP 3'<>''")),
        QStringLiteral("SELECT * FROM t WHERE id IN (SELECT id FROM u ORDER BY id DESC LIMIT 1+1) AND 'TOP 3'<>''"));
    const QString percent = QStringLiteral("SELECT TOP 10 PERCENT * FROM t");
    EXPECT_EQ(translateTsqlStatement(percent), percent);
    // Found by the tsql_dialect fuzz target: a LIMIT after a literal left open would land inside it.
    const QString open = QStringLiteral("SELECT TOP 1 a FROM t WHERE b = 'x");
    EXPECT_EQ(translateTsqlStatement(open), open);
    // ... and a select inside TOP's count moves with it, untouched, rather than being rewritten twice.
    EXPECT_EQ(translateTsqlStatement(QStringLiteral("SELECT TOP (SELECT TOP 1 'x' FROM t) a FROM u")),
              QStringLiteral("SELECT a FROM u LIMIT SELECT TOP 1 'x' FROM t"));
}

TEST_F(TsqlOnSqlite, TopReadsTheFirstRowsAndNeverLimitsACompoundSilently) {
    ASSERT_EQ(db.run(QStringLiteral("CREATE TABLE t (a INT); INSERT INTO t VALUES (3), (1), (2);")), QString());
    EXPECT_EQ(rows(QStringLiteral("SELECT TOP(1) a FROM t ORDER BY a DESC")), QStringList{QStringLiteral("3")});
    EXPECT_EQ(rows(QStringLiteral("SELECT TOP 2 a FROM t ORDER BY a")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_TRUE(rows(QStringLiteral("SELECT TOP 1 a FROM t UNION SELECT a FROM t")).value(0).startsWith(u"ERROR: "));
}

TEST_F(TsqlOnSqlite, AnswersTheExistenceTestFromTheCatalogue) {
    EXPECT_TRUE(rows(parametersExistenceTest()).isEmpty());
    ASSERT_EQ(db.run(QStringLiteral("CREATE TABLE qrl_parametros (ID INTEGER); CREATE VIEW v AS SELECT 1;")),
              QString());
    EXPECT_EQ(rows(parametersExistenceTest()).size(), 1);  // names match without regard to case
    EXPECT_EQ(rows(parametersExistenceTest()).value(0).section(u'|', 0, 0), QStringLiteral("qrl_parametros"));
    EXPECT_EQ(rows(QStringLiteral("select 1 from SYS.OBJECTS where OBJECT_ID = object_id('qrl_PARAMETROS')")).size(),
              1);
    EXPECT_EQ(
        rows(QStringLiteral("SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'dbo.v') AND type = N'V';")).size(),
        1);
    EXPECT_TRUE(rows(QStringLiteral("SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'v') AND type IN (N'U')"))
                    .isEmpty());
    EXPECT_TRUE(rows(QStringLiteral("SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'x''y')")).isEmpty());
    // Any other question about sys.objects is not ours to answer.
    EXPECT_EQ(rows(QStringLiteral("SELECT name FROM sys.objects WHERE type = 'U'")).value(0),
              QStringLiteral("ERROR: no such table: sys.objects"));
}

TEST_F(TsqlOnSqlite, BuildsTheParametersTableAsTheServerWould) {
    ASSERT_EQ(run(parametersCreateTable()), QString());
    EXPECT_EQ(
        db.rows(QStringLiteral(
            "SELECT name || ' ' || type || ' ' || \"notnull\" || ' ' || pk FROM pragma_table_info('qrl_PARAMETROS') "
            "WHERE name IN ('ID', 'FATTIPODOCUM', 'FATSERIE', 'BDNOME', 'RECEBMODPAG')")),
        (QStringList{QStringLiteral("ID INTEGER 1 1"), QStringLiteral("FATTIPODOCUM nvarchar(3) 1 0"),
                     QStringLiteral("FATSERIE INT 1 0"), QStringLiteral("BDNOME nvarchar(1000) 1 0"),
                     QStringLiteral("RECEBMODPAG nvarchar(3) 0 0")}));
    // The identity numbers rows by itself; sizes and NOT NULL hold as on the server.
    ASSERT_EQ(run(parametersInsert()), QString());
    ASSERT_EQ(run(parametersInsert(QString(1000, u'x'))), QString());
    EXPECT_EQ(db.rows(QStringLiteral("SELECT ID || ':' || coalesce(RECEBMODPAG, 'NULL') FROM qrl_PARAMETROS")),
              (QStringList{QStringLiteral("1:NULL"), QStringLiteral("2:NULL")}));
    EXPECT_TRUE(run(parametersInsert(QString(1001, u'x'))).startsWith(u"CHECK constraint failed"));
    EXPECT_TRUE(run(QStringLiteral("INSERT INTO qrl_PARAMETROS (FATTIPODOCUM) VALUES (N'FT')"))
                    .startsWith(u"NOT NULL constraint failed"));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT count(*) FROM qrl_PARAMETROS WHERE FATTIPODOCUM = 'ft'")).value(0),
              QStringLiteral("2"));
    EXPECT_EQ(run(parametersExistenceTest()), QString());
    EXPECT_EQ(rows(parametersExistenceTest()).size(), 1);
}

TEST_F(TsqlOnSqlite, KeepsOtherKeysAndReferentialActions) {
    ASSERT_EQ(run(QStringLiteral(
                  "CREATE TABLE [x] ([ID] [int] IDENTITY(1,1) NOT NULL, [C] [nvarchar](max) NULL, "
                  "CONSTRAINT [PK_x] PRIMARY KEY NONCLUSTERED ([C] ASC) WITH (PAD_INDEX = OFF) ON [PRIMARY]) "
                  "ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]\r\nGO\r\n"
                  "CREATE TABLE [y] ([A] [int] NOT NULL, CONSTRAINT [FK_y] FOREIGN KEY ([A]) REFERENCES [x] ([ID]) "
                  "ON DELETE CASCADE)")),
              QString());
    EXPECT_EQ(run(QStringLiteral("INSERT INTO x (C) VALUES (N'a'); INSERT INTO x (C) VALUES (N'b')")), QString());
    EXPECT_TRUE(run(QStringLiteral("INSERT INTO x (C) VALUES (N'a')")).startsWith(u"UNIQUE constraint failed"));
    EXPECT_TRUE(db.rows(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'y'"))
                    .value(0)
                    .contains(u"ON DELETE CASCADE"));
}

TEST_F(TsqlOnSqlite, RunsEveryStatementOfAScriptAndLeavesTheRestToSqlite) {
    ASSERT_EQ(db.run(QStringLiteral("CREATE TABLE t (a INT, b TEXT)")), QString());
    EXPECT_EQ(run(QStringLiteral("\r\nINSERT INTO t VALUES (1, N'um');\r\nUPDATE t SET b = N'one;two' WHERE a = 1")),
              QString());
    EXPECT_EQ(db.rows(QStringLiteral("SELECT b FROM t")), QStringList{QStringLiteral("one;two")});
    EXPECT_EQ(run(QStringLiteral("SELECT GETDATE()")), QStringLiteral("no such function: GETDATE"));
    EXPECT_EQ(run(QStringLiteral("SELEC * FROM t")), QStringLiteral("near \"SELEC\": syntax error"));
    EXPECT_EQ(dialect.translate(QString()), QString());
}

}  // namespace
}  // namespace tvx::host_erp
