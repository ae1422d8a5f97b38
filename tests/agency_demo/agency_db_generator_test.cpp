#include "agency_demo/agency_db_generator.h"

#include "platform/automation/automation_error.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace tvx::agency {
namespace {

// Every ticket and transfer cell of a file as one text, for comparing files.
QString dump(AgencyDb& db) {
    QString all;
    for (const char* table : {"TKT Issued", "Transferencias"}) {
        QStringList cells;
        for (const QVariant& name :
             db.column(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(QLatin1String(table))))
            cells << QStringLiteral("quote([%1])").arg(name.toString());
        for (const QVariant& row : db.column(QStringLiteral("SELECT %1 FROM [%2] ORDER BY [ID]")
                                                 .arg(cells.join(QStringLiteral("||'|'||")), QLatin1String(table))))
            all += row.toString() + QLatin1Char('\n');
    }
    return all;
}

TEST(AgencyDbGenerator, SameSeedSameFileInWalMode) {
    QTemporaryDir dir;
    AgencyDbParams p;
    p.today = QDate(2024, 3, 10);
    for (const char* name : {"a.db", "b.db"}) generateAgencyDb(dir.filePath(QLatin1String(name)), p);
    p.seed = 2;
    generateAgencyDb(dir.filePath(QStringLiteral("c.db")), p);
    AgencyDb a = AgencyDb::open(dir.filePath(QStringLiteral("a.db")));
    AgencyDb b = AgencyDb::open(dir.filePath(QStringLiteral("b.db")));
    AgencyDb c = AgencyDb::open(dir.filePath(QStringLiteral("c.db")));
    EXPECT_EQ(dump(a), dump(b));
    EXPECT_NE(dump(a), dump(c));
    EXPECT_EQ(a.column(QStringLiteral("PRAGMA journal_mode")).at(0).toString(), QStringLiteral("wal"));
    // Date/Time cells are stored as "yyyy-mm-dd hh:mm:ss".
    EXPECT_EQ(a.column(QStringLiteral("SELECT count(*) FROM [TKT Issued] WHERE [Date_Out] NOT GLOB "
                                      "'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'"))
                  .at(0)
                  .toInt(),
              0);
}

TEST(AgencyDbGenerator, DataCoversEveryCaseTheSelectionsMeet) {
    QTemporaryDir dir;
    AgencyDbParams p;
    p.tickets = 400;
    p.transfers = 120;
    p.today = QDate(2024, 3, 10);
    generateAgencyDb(dir.filePath(QStringLiteral("a.db")), p);
    AgencyDb db = AgencyDb::open(dir.filePath(QStringLiteral("a.db")));
    const auto some = [&db](const char* table, const QString& where) {
        return db.column(QStringLiteral("SELECT count(*) FROM [%1] WHERE ").arg(QLatin1String(table)) + where)
                   .at(0)
                   .toInt() > 0;
    };
    const QString today = QString::number(periodo::doDia(p.today));
    for (const QString& where :
         {QStringLiteral("[Periodo_Fact]=1"), QStringLiteral("[Periodo_Fact]=") + today,
          QStringLiteral("[Periodo_Fact] NOT IN (1, ") + today + QLatin1Char(')'),
          QStringLiteral("[Factura] LIKE 'Tumo Vesk-%'"), QStringLiteral("[Factura] LIKE 'FT-%'"),
          QStringLiteral("[Serviço] NOT IN ('EMI','REM','EMD')"),
          QStringLiteral("[Pagamento] NOT IN ('CAS','CCR','NCC')"), QStringLiteral("[Date_In] IS NULL"),
          QStringLiteral("[Taxas] IS NULL")})
        EXPECT_TRUE(some("TKT Issued", where)) << where.toStdString();
    EXPECT_TRUE(some("Bancos", QStringLiteral("[Conta]='0000'")));
    EXPECT_TRUE(some("Dados dos clientes", QStringLiteral("[Account]=''")));
    EXPECT_TRUE(some("Transferencias", QStringLiteral("[Valor] <= 0")));
    EXPECT_TRUE(some("Transferencias", QStringLiteral("[estado_importado] <> ''")));
    EXPECT_TRUE(some("Transferencias", QStringLiteral("[Banco]=%1").arg(banco::Numerario)));
}

TEST(AgencyDbGenerator, RefusesToOverwriteAndNeedsAnExistingFileToOpen) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.db"));
    generateAgencyDb(path, {});
    EXPECT_THROW(generateAgencyDb(path, {}), AutomationError);
    EXPECT_THROW(AgencyDb::open(dir.filePath(QStringLiteral("none.db"))), AutomationError);
}

}  // namespace
}  // namespace tvx::agency
