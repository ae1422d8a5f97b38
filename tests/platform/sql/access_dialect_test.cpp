#include "platform/sql/access_dialect.h"
#include "platform/sql/memory_db.h"

#include <gtest/gtest.h>

namespace tvx::sql {
namespace {

using testing::MemoryDb;

TEST(AccessDialect, QuotesLeftAndRightCallsOnly) {
    EXPECT_EQ(accessToSqlite(QStringLiteral("WHERE (LEFT([Factura],10)='Tumo Vesk-') AND right ([x], 2)='ab'")),
              QStringLiteral("WHERE ([LEFT]([Factura],10)='Tumo Vesk-' COLLATE ACCESSTEXT) AND [right] ([x], 2)='ab' "
                             "COLLATE ACCESSTEXT"));
    const QString untouched = QStringLiteral(
        "FROM [TKT Issued] LEFT OUTER JOIN [faturacao] ON a=b LEFT JOIN c ON d=e RIGHT JOIN f ON 1 "
        "WHERE x LIKE 'LEFT(' -- LEFT(y)\r\n AND [LEFT(] = 1 /* RIGHT( */ AND LEFTOVER(1)=1");
    EXPECT_EQ(accessToSqlite(untouched), untouched);
}

TEST(AccessDialect, SplitsBracketedTableDotColumn) {
    EXPECT_EQ(
        accessToSqlite(QStringLiteral("WHERE ([Transferencias.ID]=7) AND [Dados dos clientes].Account<>'a.b'")),
        QStringLiteral("WHERE ([Transferencias].[ID]=7) AND [Dados dos clientes].Account<>'a.b' COLLATE ACCESSTEXT"));
    EXPECT_EQ(accessToSqlite(QStringLiteral("SELECT \"x.y\", '[a.b]' FROM t")),
              QStringLiteral("SELECT \"x.y\", '[a.b]' FROM t"));
}

TEST(AccessDialect, CollatesTextComparisonsAndOrderTerms) {
    EXPECT_EQ(accessToSqlite(QStringLiteral(
                  "WHERE ([Serviço]='EMI' OR 'REM'=[Serviço]) AND ([Pagamento] IN ('CAS','CCR')) AND (x) NOT IN "
                  "(SELECT 'a') AND n IN (1, 2) AND m IN (SELECT y FROM t WHERE z=1) AND ((y)<>'' ) AND y>='k' AND "
                  "d BETWEEN 'a' AND 'b' ORDER BY [Ref_Faturacao], [Account] DESC, LEFT(a, 1) NULLS LAST;")),
              QStringLiteral(
                  "WHERE ([Serviço]='EMI' COLLATE ACCESSTEXT OR 'REM' COLLATE ACCESSTEXT=[Serviço]) AND ([Pagamento] "
                  "COLLATE ACCESSTEXT IN ('CAS','CCR')) AND (x) COLLATE ACCESSTEXT NOT IN (SELECT 'a') AND n IN (1, 2) "
                  "AND m IN (SELECT y FROM t WHERE z=1) AND ((y)<>'' COLLATE ACCESSTEXT ) AND y>='k' COLLATE "
                  "ACCESSTEXT AND d COLLATE ACCESSTEXT BETWEEN 'a' AND 'b' ORDER BY [Ref_Faturacao] COLLATE "
                  "ACCESSTEXT, [Account] COLLATE ACCESSTEXT DESC, [LEFT](a, 1) COLLATE ACCESSTEXT NULLS LAST;"));
    EXPECT_EQ(accessToSqlite(QStringLiteral("SELECT a FROM (SELECT a FROM t ORDER BY a LIMIT 1) ORDER BY 1")),
              QStringLiteral("SELECT a FROM (SELECT a FROM t ORDER BY a COLLATE ACCESSTEXT LIMIT 1) ORDER BY 1 "
                             "COLLATE ACCESSTEXT"));
    // Literals, comments and names that look like comparisons, and collations already named, stay as they are.
    const QString untouched = QStringLiteral(
        "SELECT 'it''s = ''x'' ORDER BY y' AS [a='b'], \"IN ('c')\" FROM t -- = 'd' ORDER BY e\n"
        "WHERE s = 'f' COLLATE BINARY AND n = 5 AND a = b AND s LIKE 'g%' ORDER BY s COLLATE BINARY /* ORDER BY */");
    EXPECT_EQ(accessToSqlite(untouched), untouched);
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
    EXPECT_EQ(
        db.run(dialect.translate(QStringLiteral(
            "UPDATE   [Transferencias] SET      [estado_importado] = 'RE-1-2024' WHERE    ([Transferencias.ID]=5) "))),
        QString());
    EXPECT_EQ(db.rows(QStringLiteral("SELECT estado_importado FROM Transferencias")).value(0),
              QStringLiteral("RE-1-2024"));
}

}  // namespace
}  // namespace tvx::sql
