#include "platform/sql/access_dialect.h"
#include "platform/sql/memory_db.h"

#include <gtest/gtest.h>

namespace tvx::sql {
namespace {

using testing::MemoryDb;

TEST(AccessDialect, QuotesLeftAndRightCallsOnly) {
    EXPECT_EQ(accessToSqlite(QStringLiteral("WHERE (LEFT([Factura],10)='Tumo Vesk-') AND right ([x], 2)='ab'")),
              QStringLiteral("WHERE ([LEFT]([Factura],10)='Tumo Vesk-') AND [right] ([x], 2)='ab'"));
    const QString untouched = QStringLiteral(
        "FROM [TKT Issued] LEFT OUTER JOIN [faturacao] ON a=b LEFT JOIN c ON d=e RIGHT JOIN f ON 1 "
        "WHERE x='LEFT(' -- LEFT(y)\r\n AND [LEFT(] = 1 /* RIGHT( */ AND LEFTOVER(1)=1");
    EXPECT_EQ(accessToSqlite(untouched), untouched);
}

TEST(AccessDialect, SplitsBracketedTableDotColumn) {
    EXPECT_EQ(accessToSqlite(QStringLiteral("WHERE ([Transferencias.ID]=7) AND [Dados dos clientes].Account<>'a.b'")),
              QStringLiteral("WHERE ([Transferencias].[ID]=7) AND [Dados dos clientes].Account<>'a.b'"));
    EXPECT_EQ(accessToSqlite(QStringLiteral("SELECT \"x.y\", '[a.b]' FROM t")),
              QStringLiteral("SELECT \"x.y\", '[a.b]' FROM t"));
}

TEST(AccessDialect, LeftAndRightRunOnSqliteWithThePlatformsRules) {
    MemoryDb db;
    registerAccessFunctions(db.handle());
    auto one = [&](const QString& access) {
        const QStringList rows = db.rows(QStringLiteral("SELECT ") + accessToSqlite(access));
        return rows.value(0);
    };
    EXPECT_EQ(one(QStringLiteral("LEFT('Tumo Vesk-FT 1/1/2024', 10)")), QStringLiteral("Tumo Vesk-"));
    EXPECT_EQ(one(QStringLiteral("RIGHT('000' || '74', 3)")), QStringLiteral("074"));
    EXPECT_EQ(one(QStringLiteral("LEFT('Ração', 3)")), QStringLiteral("Raç"));  // characters, not bytes
    EXPECT_EQ(one(QStringLiteral("LEFT('ab', 5)")), QStringLiteral("ab"));
    EXPECT_EQ(one(QStringLiteral("LEFT('abc', 0)")), QString());
    EXPECT_EQ(one(QStringLiteral("LEFT('abcd', 2.5)")), QStringLiteral("ab"));  // halves to even
    EXPECT_EQ(one(QStringLiteral("LEFT(NULL, 2)")), QStringLiteral("NULL"));
    EXPECT_EQ(one(QStringLiteral("RIGHT('ab', NULL)")), QStringLiteral("NULL"));
    EXPECT_EQ(one(QStringLiteral("LEFT(12345, 2)")), QStringLiteral("12"));
    EXPECT_EQ(one(QStringLiteral("LEFT('ab', -1)")), QStringLiteral("ERROR: Invalid procedure call or argument"));
}

TEST(AccessDialect, TheAgencyStatementsRunOnSqlite) {
    MemoryDb db;
    AccessDialect dialect;
    dialect.prepareHandle(db.handle());
    ASSERT_EQ(db.run(QStringLiteral(
                  "CREATE TABLE [TKT Issued] (ID INTEGER PRIMARY KEY, Factura TEXT, Ref_Faturacao TEXT);"
                  "CREATE TABLE Transferencias (ID INTEGER PRIMARY KEY, estado_importado TEXT);"
                  "INSERT INTO [TKT Issued] VALUES (1, 'Tumo Vesk-FT 1/1/2024', 'R'), (2, 'FT-9', 'R'), (3, NULL, 'R');"
                  "INSERT INTO Transferencias VALUES (5, NULL);")),
              QString());
    EXPECT_EQ(db.run(dialect.translate(QStringLiteral(
                  "UPDATE   [TKT Issued] SET      [Factura] = 'FT-12' WHERE    ([Ref_Faturacao]='R') AND "
                  "(LEFT([Factura],10)='Tumo Vesk-')"))),
              QString());
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Factura FROM [TKT Issued] ORDER BY ID")),
              (QStringList{QStringLiteral("FT-12"), QStringLiteral("FT-9"), QStringLiteral("NULL")}));
    EXPECT_EQ(db.run(dialect.translate(QStringLiteral(
                  "UPDATE   [Transferencias] SET      [estado_importado] = 'RE-1-2024' WHERE    ([Transferencias.ID]=5) "))),
              QString());
    EXPECT_EQ(db.rows(QStringLiteral("SELECT estado_importado FROM Transferencias")).value(0),
              QStringLiteral("RE-1-2024"));
}

}  // namespace
}  // namespace tvx::sql
