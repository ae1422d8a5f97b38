// Each statement the add-in sends to the company database, run through the
// T-SQL dialect on each database the host keeps a company in: the embedded
// SQLite file and a PostgreSQL server (a throwaway one, shared by the
// program). The SQLite-only details of the translation are in
// tsql_dialect_test.cpp.
#include "host_erp/addin_sql.h"
#include "host_erp/company_server.h"
#include "host_erp/tsql_dialect.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"
#include "platform/sql/sqlite_file.h"
#include "runs/execucoes_sql.h"
#include "runs/process_identity.h"
#include "support/pg_test_server.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QTemporaryDir>

namespace tvx::host_erp {
namespace {

using namespace host_erp::testing;
using tvx::testing::PgTestServer;

enum class Backend { Sqlite, Postgres };

// A run of workstation `estacao`, as the run lock's texts name it.
ProcessIdentity workstation(const QString& estacao) { return ProcessIdentity{estacao, 4242, 777}; }

int synchronousLevel(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA synchronous", -1, &stmt, nullptr);
    const int level = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    return level;
}

class AddinStatements : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (GetParam() == Backend::Sqlite) {
            const QString path = dir.filePath(QStringLiteral("company.db"));
            ASSERT_EQ(sql::testing::runOnFile(path, QStringLiteral("CREATE TABLE empty (x INT)")), QString());
            db = sql::Connection::openSqlite(path, std::make_shared<TsqlDialect>());
            return;
        }
        PgTestServer& server = PgTestServer::shared();
        ASSERT_TRUE(server.running()) << server.failure().toStdString();
        const QString name = server.createDatabase(QStringLiteral("statements"));
        db = sql::Connection::openPostgres({server.uri(), name, {}, {}}, std::make_shared<TsqlServerDialect>());
    }

    // "" when the text ran, else the database's message.
    QString run(const QString& sql) {
        try {
            db->Execute(sql);
            return {};
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), err::ProviderCommandError);
            return e.description();
        }
    }
    qint64 changed(const QString& sql) { return db->Execute(sql); }
    qint64 changedDeferred(const QString& sql, const std::vector<Variant>& values) {
        return db->ExecuteDeferred(sql, values);
    }
    // The rows of a query, each as its values joined by '|'.
    QStringList rows(const QString& sql) {
        QStringList out;
        const auto rs = db->Query(sql);
        if (rs->State() != ado::adStateOpen) return out;
        for (; rs->RecordCount() > 0 && !rs->Eof(); rs->MoveNext()) {
            QStringList values;
            for (int i = 0; i < rs->Fields().Count(); ++i)
                values << (rs->value(i).isNull() ? QStringLiteral("NULL") : CStr(rs->value(i)));
            out << values.join(u'|');
        }
        return out;
    }
    QStringList fieldNames(const QString& sql) {
        QStringList names;
        const auto rs = db->Query(sql);
        for (int i = 0; i < rs->Fields().Count(); ++i) names << rs->Fields().Item(i).Name();
        return names;
    }

    QTemporaryDir dir;
    std::unique_ptr<sql::Connection> db;
};

TEST_P(AddinStatements, MakeFillAndReadTheParametersTable) {
    EXPECT_TRUE(rows(parametersExistenceTest()).isEmpty());
    ASSERT_EQ(run(parametersCreateTable()), QString());
    EXPECT_EQ(rows(parametersExistenceTest()).size(), 1);
    ASSERT_EQ(run(parametersInsert()), QString());
    ASSERT_EQ(run(parametersInsert(QString(1000, u'x'))), QString());
    // The identity numbers the rows; TOP(1) reads one; fields are named as the add-in spelled them.
    EXPECT_EQ(rows(QStringLiteral("SELECT ID, RECEBMODPAG FROM qrl_PARAMETROS ORDER BY ID")),
              (QStringList{QStringLiteral("1|NULL"), QStringLiteral("2|NULL")}));
    EXPECT_EQ(rows(parametersRead()).size(), 1);
    const QStringList names = fieldNames(parametersRead());
    EXPECT_EQ(names.mid(0, 3),
              (QStringList{QStringLiteral("ID"), QStringLiteral("FATTIPODOCUM"), QStringLiteral("FATSECTOR")}));
    // Texts compare without regard to case; sizes and NOT NULL hold as on the server.
    EXPECT_EQ(rows(QStringLiteral("SELECT COUNT(*) FROM qrl_PARAMETROS WHERE FATTIPODOCUM = N'ft'")),
              QStringList{QStringLiteral("2")});
    EXPECT_EQ(rows(QStringLiteral("SELECT COUNT(*) FROM [QRL_Parametros] WHERE [fattipodocum] IN (N'fT')")),
              QStringList{QStringLiteral("2")});
    EXPECT_NE(run(parametersInsert(QString(1001, u'x'))), QString());
    EXPECT_NE(run(QStringLiteral("INSERT INTO qrl_PARAMETROS (FATTIPODOCUM) VALUES (N'FT')")), QString());
    EXPECT_EQ(rows(QStringLiteral("SELECT COUNT(*) FROM qrl_PARAMETROS")), QStringList{QStringLiteral("2")});
}

TEST_P(AddinStatements, WriteTheParametersRowBackAsTheEditorDoes) {
    ASSERT_EQ(run(parametersCreateTable()), QString());
    ASSERT_EQ(run(parametersInsert()), QString());
    auto rs = db->Query(parametersRead());
    rs->setValue(QStringLiteral("BDUSER"), Variant(QStringLiteral("Zé")));
    rs->setValue(QStringLiteral("FATSERIE"), Variant(std::int32_t(7)));
    db->WriteBack(*rs);
    EXPECT_EQ(rows(QStringLiteral("SELECT BDUSER, FATSERIE FROM qrl_PARAMETROS")), QStringList{QStringLiteral("Zé|7")});
    // A value longer than the column holds is refused by the record set, as the server's provider does.
    EXPECT_THROW(rs->setValue(QStringLiteral("FATTIPODOCUM"), Variant(QStringLiteral("ABCD"))), AutomationError);
}

TEST_P(AddinStatements, TakeAndFreeTheRunLockOnlyFromWhatWasSeen) {
    EXPECT_TRUE(rows(execucoes_sql::existeQuery()).isEmpty());
    ASSERT_EQ(run(execucoes_sql::createStatement()), QString());
    EXPECT_EQ(rows(execucoes_sql::existeQuery()).size(), 1);
    ASSERT_EQ(run(execucoes_sql::linhaInsert()), QString());
    EXPECT_NE(run(execucoes_sql::linhaInsert()), QString());  // one row, 'EMPRESA'
    const ProcessIdentity livre{};
    const ProcessIdentity a = workstation(QStringLiteral("POSTO-A")), b = workstation(QStringLiteral("POSTO-B"));
    const QString t0 = QStringLiteral("2026-12-08T10:00:00Z"), t1 = QStringLiteral("2026-12-08T10:00:30Z");
    EXPECT_EQ(changed(execucoes_sql::tomar(a, 1000, t0, livre, QString())), 1);
    // The second workstation saw the row free: its compare-and-set changes nothing.
    EXPECT_EQ(changed(execucoes_sql::tomar(b, 1003, t0, livre, QString())), 0);
    // The in-flight record, deferred as the run writes it.
    EXPECT_EQ(changedDeferred(execucoes_sql::registar(a, execucoes_sql::Coluna::Factura),
                              {Variant(QStringLiteral("{\"a\":'1'}")), Variant(t1)}),
              1);
    EXPECT_EQ(changedDeferred(execucoes_sql::registar(b, execucoes_sql::Coluna::Factura),
                              {Variant(QStringLiteral("{}")), Variant(t1)}),
              0);
    // The connection's own level is back for the commits that follow: the document's must sync.
    if (sqlite3* handle = db->sqliteHandle()) {
        EXPECT_EQ(synchronousLevel(handle), 2);
    }
    EXPECT_EQ(changed(execucoes_sql::batimento(a, t1)), 1);
    EXPECT_EQ(changed(execucoes_sql::batimento(b, t1)), 0);
    EXPECT_EQ(rows(execucoes_sql::linhaQuery()),
              QStringList{QStringLiteral("POSTO-A|4242|777|1000|%1|%2|{\"a\":'1'}|").arg(t0, t1)});
    // Taken over from what it saw (a stale lock): only while the row still holds it.
    EXPECT_EQ(changed(execucoes_sql::tomar(b, 1003, t1, a, t0)), 0);
    EXPECT_EQ(changed(execucoes_sql::tomar(b, 1003, t1, a, t1)), 1);
    EXPECT_EQ(changed(execucoes_sql::libertar(b, execucoes_sql::Coluna::Factura, true)), 1);
    EXPECT_EQ(rows(execucoes_sql::linhaQuery()), QStringList{QStringLiteral("|0|0|0||||")});
}

TEST_P(AddinStatements, ReadTheFirstRowsAndKeepOtherKeys) {
    ASSERT_EQ(run(QStringLiteral(
                  "CREATE TABLE [x] ([ID] [int] IDENTITY(1,1) NOT NULL, [C] [nvarchar](max) NULL, "
                  "CONSTRAINT [PK_x] PRIMARY KEY NONCLUSTERED ([C] ASC) WITH (PAD_INDEX = OFF) ON [PRIMARY]) "
                  "ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]\r\nGO\r\n"
                  "CREATE TABLE [y] ([A] [int] NOT NULL, CONSTRAINT [PK_y] PRIMARY KEY CLUSTERED ([A] DESC))")),
              QString());
    EXPECT_EQ(run(QStringLiteral("INSERT INTO x (C) VALUES (N'a'); INSERT INTO x (C) VALUES (N'b')")), QString());
    EXPECT_NE(run(QStringLiteral("INSERT INTO x (C) VALUES (N'A')")), QString());  // the key ignores case
    EXPECT_EQ(rows(QStringLiteral("SELECT TOP(1) C FROM x ORDER BY ID DESC")), QStringList{QStringLiteral("b")});
    EXPECT_EQ(rows(QStringLiteral("SELECT TOP 2 [c] FROM [X] ORDER BY C")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(
        rows(QStringLiteral("SELECT * FROM x WHERE ID IN (SELECT TOP (1) ID FROM x ORDER BY ID DESC) AND 'TOP 3'<>''")),
        QStringList{QStringLiteral("2|b")});
    EXPECT_EQ(changed(QStringLiteral("DELETE FROM x WHERE C = N'A'")), 1);
    // What the dialect does not know reaches the database, which refuses it.
    EXPECT_NE(run(QStringLiteral("SELECT GETDATE()")), QString());
}

INSTANTIATE_TEST_SUITE_P(OnEachDatabase, AddinStatements, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const auto& info) {
                             return std::string(info.param == Backend::Sqlite ? "Sqlite" : "Postgres");
                         });

}  // namespace
}  // namespace tvx::host_erp
