#include "platform/sql/connection.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/memory_db.h"
#include "platform/sql/sql_dialect.h"
#include "platform/sql/sqlite_file.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>

namespace tvx::sql {
namespace {

using testing::runOnFile;

const char* const kAgencySchema = R"SQL(
CREATE TABLE Bancos (ID INTEGER PRIMARY KEY, Conta VARCHAR(50), Banco VARCHAR(50), Codigo VARCHAR(10));
CREATE TABLE [Dados dos clientes] (ID INTEGER PRIMARY KEY, Account VARCHAR(20), Agency VARCHAR(100));
CREATE TABLE Transferencias (ID INTEGER PRIMARY KEY, Cliente INTEGER, Banco INTEGER, Data DATETIME,
    Valor CURRENCY, Descritivo VARCHAR(255), Fatura VARCHAR(255), estado_importado VARCHAR(50));
INSERT INTO Bancos VALUES (1, 'PT500035', 'Banco Atlântico', 'BAT');
INSERT INTO [Dados dos clientes] VALUES (7, 'C0001', 'Rota d''Ouro');
INSERT INTO Transferencias VALUES (3, 7, 1, '2024-03-05 00:00:00', 150.25, 'TRF', 'FT-12-1-2024', NULL);
INSERT INTO Transferencias VALUES (4, 7, 1, '2024-03-04 10:30:00', 0, 'TRF', '', NULL);
)SQL";

// The add-in's selection of pending transfers, as it writes it.
QString transferSelection() {
    return QStringLiteral(
        "SELECT    Transferencias.ID          ,Transferencias.Cliente          ,Transferencias.Banco "
        "         ,Bancos.Conta          ,Bancos.Banco          ,Bancos.Codigo          ,[Dados dos clientes].Account "
        "         ,[Dados dos clientes].Agency          ,Transferencias.Data          ,Transferencias.Valor "
        "         ,Transferencias.Descritivo          ,Transferencias.Fatura          ,Transferencias.estado_importado "
        "FROM     Bancos              INNER JOIN ( [Dados dos clientes]                              INNER JOIN "
        "Transferencias "
        "                                 ON [Dados dos clientes].ID = Transferencias.Cliente                          "
        ") "
        "                     ON Bancos.ID = Transferencias.Banco "
        "WHERE    (((Transferencias.Cliente) Is Not Null) AND           ((Transferencias.Banco) Is Not Null) AND "
        "          (([Dados dos clientes].Account)<>'') AND           ((Transferencias.Valor)>0) AND "
        "          (((Transferencias.estado_importado) Is Null ) OR ((Transferencias.estado_importado) ='' )) "
        "          ) ORDER BY  Transferencias.Data ");
}

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.filePath(QStringLiteral("agencia.mdb"));
        ASSERT_EQ(runOnFile(path, QString::fromUtf8(kAgencySchema)), QString());
    }
    QString accessString(const QString& file) const {
        return QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source='%1';Persist Security Info=False;")
            .arg(file);
    }
    std::unique_ptr<Connection> openAgency(int busyTimeoutMs = 5000) {
        return Connection::open(accessString(path), ConnectionOptions{busyTimeoutMs});
    }
    static AutomationError errorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const AutomationError& e) {
            return e;
        }
        return AutomationError(0, QStringLiteral("no error"));
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(ConnectionTest, ReadsTheTransferSelectionWithTheProvidersFieldNamesAndTypes) {
    auto c = openAgency();
    auto rs = c->Query(transferSelection());
    QStringList names;
    for (int i = 0; i < rs->Fields().Count(); ++i) names << rs->Fields().Item(i).Name();
    EXPECT_EQ(names.join(u','), QStringLiteral("ID,Cliente,Transferencias.Banco,Conta,Bancos.Banco,Codigo,Account,"
                                               "Agency,Data,Valor,Descritivo,Fatura,estado_importado"));
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->value(QStringLiteral("ID")), Variant(std::int32_t(3)));
    EXPECT_EQ(rs->value(QStringLiteral("Bancos.Banco")), Variant(QStringLiteral("Banco Atlântico")));
    EXPECT_EQ(rs->value(QStringLiteral("Valor")), Variant(Currency::fromScaled(1502500)));
    EXPECT_EQ(rs->value(QStringLiteral("Data")), Variant::fromDate(QDate(2024, 3, 5)));
    EXPECT_TRUE(rs->value(QStringLiteral("estado_importado")).isNull());
    const auto& id = rs->Fields().Item(0).info();
    EXPECT_EQ(id.baseTable, QStringLiteral("Transferencias"));
    EXPECT_TRUE(id.isKeyColumn());
    EXPECT_TRUE(id.autoIncrement);
    // An alias names its field; an expression's type comes from its values.
    auto counted =
        c->Query(QStringLiteral("SELECT count(*) AS n, Valor AS Montante, LEFT(Fatura, 2) FROM Transferencias"));
    EXPECT_EQ(counted->Fields().Item(0).Name(), QStringLiteral("n"));
    EXPECT_EQ(counted->value(0), Variant(std::int32_t(2)));
    EXPECT_EQ(counted->Fields().Item(1).Name(), QStringLiteral("Montante"));
    EXPECT_EQ(counted->value(2), Variant(QStringLiteral("FT")));
}

TEST_F(ConnectionTest, RunsTheAccessUpdatesAndCountsTheirRows) {
    auto c = openAgency();
    EXPECT_EQ(c->Execute(QStringLiteral("UPDATE   [Transferencias] SET      [estado_importado] = 'RE-1-2024' "
                                        "WHERE    ([Transferencias.ID]=3) ")),
              1);
    EXPECT_EQ(c->Execute(QStringLiteral("UPDATE Transferencias SET Descritivo = 'x' WHERE LEFT(Fatura, 3) = 'FT-'")),
              1);
    EXPECT_EQ(c->Query(transferSelection())->RecordCount(), 0);
    EXPECT_EQ(c->Execute(QStringLiteral("CREATE TABLE t (a INT)")), 0);
    EXPECT_EQ(c->Query(QStringLiteral("DELETE FROM t"))->State(), ado::adStateClosed);
}

TEST_F(ConnectionTest, FailsClearlyAndCreatesNothingOnABadOpen) {
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    const QString missing = dir.filePath(QStringLiteral("nao_existe.mdb"));
    const auto e = errorOf([&] { openAgency(), Connection::open(accessString(missing)); });
    EXPECT_TRUE(e.description().contains(missing)) << e.description().toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    const QString corrupt = dir.filePath(QStringLiteral("corrupt.mdb"));
    QFile f(corrupt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    const auto bad = errorOf([&] { Connection::open(accessString(corrupt)); });
    EXPECT_TRUE(bad.description().contains(u"file is not a database")) << bad.description().toStdString();
    QFile again(corrupt);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), QByteArray(4096, 'x'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(before) << QStringLiteral("corrupt.mdb"));

    EXPECT_EQ(errorOf([] { Connection::open(QStringLiteral("Provider=SQLOLEDB;Data Source=x")); }).number(), 3706);
    EXPECT_TRUE(errorOf([] { Connection::open(QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;")); })
                    .description()
                    .contains(u"Data Source"));
    EXPECT_NE(errorOf([] { Connection::open(QStringLiteral("Driver={Nenhum};Database=x")); }).number(), 0);
}

TEST_F(ConnectionTest, ReportsTheDatabasesMessageForRefusedSqlAndLocks) {
    auto c = openAgency(50);
    const auto syntax = errorOf([&] { c->Query(QStringLiteral("SELEC * FROM Bancos")); });
    EXPECT_EQ(syntax.number(), err::ProviderCommandError);
    EXPECT_EQ(syntax.description(), QStringLiteral("near \"SELEC\": syntax error"));
    EXPECT_EQ(errorOf([&] { c->Execute(QStringLiteral("UPDATE Nada SET a = 1")); }).description(),
              QStringLiteral("no such table: Nada"));

    auto other = openAgency(50);
    other->BeginTrans();
    other->Execute(QStringLiteral("UPDATE Bancos SET Conta = 'x'"));
    const auto locked = errorOf([&] { c->Execute(QStringLiteral("UPDATE Bancos SET Conta = 'y'")); });
    EXPECT_EQ(locked.number(), err::ProviderCommandError);
    EXPECT_EQ(locked.description(), QStringLiteral("database is locked"));
    other->RollbackTrans();
    EXPECT_EQ(c->Execute(QStringLiteral("UPDATE Bancos SET Conta = 'y'")), 1);
}

TEST_F(ConnectionTest, GivesEachConnectionItsOwnQtConnectionAndClosesIt) {
    const int before = int(QSqlDatabase::connectionNames().size());
    auto a = openAgency();
    auto b = openAgency();
    EXPECT_EQ(int(QSqlDatabase::connectionNames().size()), before + 2);
    a->Close();
    EXPECT_EQ(errorOf([&] { a->Execute(QStringLiteral("SELECT 1")); }).number(), err::ObjectClosed);
    b.reset();
    EXPECT_EQ(int(QSqlDatabase::connectionNames().size()), before);
}

TEST_F(ConnectionTest, KeepsOrDropsTheWorkOfATransaction) {
    auto c = openAgency();
    c->BeginTrans();
    c->Execute(QStringLiteral("DELETE FROM Transferencias"));
    c->RollbackTrans();
    EXPECT_EQ(c->Query(QStringLiteral("SELECT * FROM Transferencias"))->RecordCount(), 2);
    c->BeginTrans();
    EXPECT_EQ(errorOf([&] { c->BeginTrans(); }).number(), err::NotAllowedInContext);
    c->Execute(QStringLiteral("DELETE FROM Transferencias WHERE ID = 4"));
    c->CommitTrans();
    EXPECT_EQ(openAgency()->Query(QStringLiteral("SELECT * FROM Transferencias"))->RecordCount(), 1);
    EXPECT_EQ(errorOf([&] { c->CommitTrans(); }).number(), err::NotAllowedInContext);
}

class WriteBackTest : public ConnectionTest {
protected:
    void SetUp() override {
        ConnectionTest::SetUp();
        ASSERT_EQ(
            runOnFile(path, QStringLiteral(
                                "CREATE TABLE p (ID INTEGER PRIMARY KEY AUTOINCREMENT, NOME nvarchar(10) NOT NULL, "
                                "SERIE int NOT NULL DEFAULT 1, NOTA nvarchar(3) NULL);"
                                "INSERT INTO p (NOME) VALUES ('um'), ('dois');")),
            QString());
        c = Connection::openSqlite(path, std::make_shared<NativeDialect>());
    }
    QStringList table() {
        QStringList out;
        auto rs = c->Query(QStringLiteral("SELECT ID, NOME, SERIE, NOTA FROM p ORDER BY ID"));
        for (; !rs->Eof(); rs->MoveNext())
            out << QStringLiteral("%1 %2 %3 %4")
                       .arg(rs->value(0).asLong())
                       .arg(rs->value(1).asString())
                       .arg(rs->value(2).asLong())
                       .arg(rs->value(3).isNull() ? QStringLiteral("-") : rs->value(3).asString());
        return out;
    }
    std::unique_ptr<Connection> c;
};

TEST_F(WriteBackTest, InsertsUpdatesAndDeletesByKeyAndReadsBackNumbers) {
    auto rs = c->Query(QStringLiteral("SELECT * FROM p ORDER BY ID"));
    rs->AddNew();
    rs->setValue(QStringLiteral("NOME"), Variant(QStringLiteral("três")));
    rs->Update();
    rs->MoveFirst();
    rs->setValue(QStringLiteral("NOTA"), Variant(QStringLiteral("x")));
    rs->Update();
    rs->MoveNext();
    rs->Delete();
    c->WriteBack(*rs);
    EXPECT_EQ(table(), (QStringList{QStringLiteral("1 um 1 x"), QStringLiteral("3 três 1 -")}));
    // The new row now carries the number and default the database gave it; nothing is pending.
    rs->MoveLast();
    EXPECT_EQ(rs->value(QStringLiteral("ID")), Variant(std::int32_t(3)));
    EXPECT_EQ(rs->value(QStringLiteral("SERIE")), Variant(std::int32_t(1)));
    EXPECT_TRUE(rs->pendingChanges().empty());
    c->WriteBack(*rs);  // nothing to do
    EXPECT_EQ(table().size(), 2);
}

TEST_F(WriteBackTest, WritesNothingWhenOneChangeFails) {
    auto rs = c->Query(QStringLiteral("SELECT * FROM p ORDER BY ID"));
    rs->AddNew();
    rs->setValue(QStringLiteral("NOME"), Variant(QStringLiteral("novo")));
    rs->Update();
    rs->MoveFirst();
    rs->setValue(QStringLiteral("NOME"), Variant(QStringLiteral("mudado")));
    rs->Update();
    c->Execute(QStringLiteral("DELETE FROM p WHERE ID = 1"));  // someone else removed the row
    const auto e = errorOf([&] { c->WriteBack(*rs); });
    EXPECT_EQ(e.number(), -2147217864);
    EXPECT_EQ(table(), QStringList{QStringLiteral("2 dois 1 -")});
    rs->MoveLast();
    EXPECT_TRUE(rs->value(QStringLiteral("ID")).isNull());  // the number of the undone insert is not kept
    EXPECT_EQ(rs->pendingChanges().size(), 2u);

    auto unnamed = c->Query(QStringLiteral("SELECT * FROM p"));
    unnamed->AddNew();
    EXPECT_EQ(errorOf([&] { c->WriteBack(*unnamed); }).description(),
              QStringLiteral("NOT NULL constraint failed: p.NOME"));
    auto joined = c->Query(QStringLiteral("SELECT p.ID, Bancos.Banco FROM p, Bancos"));
    joined->setValue(1, Variant(QStringLiteral("y")));
    EXPECT_TRUE(errorOf([&] { c->WriteBack(*joined); }).description().contains(u"Insufficient base table"));
}

}  // namespace
}  // namespace tvx::sql
