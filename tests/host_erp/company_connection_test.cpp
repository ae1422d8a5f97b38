#include "host_api/dal_ligacao.h"
#include "host_api/host_classes.h"
#include "host_erp/addin_sql.h"
#include "host_erp/host_fixture.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/class_registry.h"
#include "platform/automation/conversions.h"
#include "platform/sql/memory_db.h"
#include "platform/sql/sqlite_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace tvx::host_erp {
namespace {

using namespace host_erp::testing;
using RecordsetRef = std::shared_ptr<ado::Recordset>;

class CompanyConnectionTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        ligacao = std::dynamic_pointer_cast<DalLigacao>(registry::create(host_classes::DalLigacao));
        ASSERT_TRUE(ligacao);
    }
    RecordsetRef consultar(const QString& sql) {
        RecordsetRef rs;
        ligacao->Consultar(QString(), sql, rs, -1, 0);
        return rs;
    }
    std::int32_t errorNumber(const std::function<void()>& f) {
        try {
            f();
        } catch (const AutomationError& e) {
            lastError = e.description();
            return e.number();
        }
        return 0;
    }
    QStringList filesUnder(const QString& folder) const {
        QStringList files;
        for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) files << it.next();
        files.sort();
        return files;
    }

    std::shared_ptr<DalLigacao> ligacao;
    QString lastError;
};

TEST_F(CompanyConnectionTest, CreatesFindsReadsAndWritesTheParametersTableAsTheAddInDoes) {
    ASSERT_TRUE(ligacao->Abrir(addinConnectionString()));
    EXPECT_EQ(consultar(parametersExistenceTest())->RecordCount(), 0);
    ligacao->Executar(QString(), parametersCreateTable());
    EXPECT_EQ(consultar(parametersExistenceTest())->RecordCount(), 1);

    RecordsetRef rs = consultar(parametersRead());
    ASSERT_EQ(rs->RecordCount(), 0);
    rs->AddNew();
    const QStringList texts = {
        QStringLiteral("FATTIPODOCUM"),     QStringLiteral("FATSECTOR"),   QStringLiteral("ARMAZEM"),
        QStringLiteral("ARTIGOFARE"),       QStringLiteral("ARTIGOTAXAS"), QStringLiteral("ARTIGOSERVICEFEE"),
        QStringLiteral("ARTIGOISENCAOIVA"), QStringLiteral("BDUSER"),      QStringLiteral("BDPASSW"),
        QStringLiteral("RECTIPODOCUM"),     QStringLiteral("RECSECTOR"),   QStringLiteral("RPCTIPODOCUM"),
        QStringLiteral("RPCSECTOR")};
    for (const QString& name : texts) rs->setValue(name, Variant(QStringLiteral("A1")));
    for (const char* name : {"FATSERIE", "FATFINALIZA", "RECSERIE", "RPCSERIE"})
        rs->setValue(QString::fromLatin1(name), Variant(std::int32_t(1)));
    rs->setValue(QStringLiteral("BDNOME"), Variant(QStringLiteral("C:\\Agência\\vendas.mdb")));
    rs->Update();
    ligacao->Gravar(QString(), rs);
    EXPECT_EQ(rs->value(QStringLiteral("ID")), Variant(std::int32_t(1)));  // numbered by the database
    EXPECT_TRUE(rs->pendingChanges().empty());

    RecordsetRef read = consultar(parametersRead());
    ASSERT_EQ(read->RecordCount(), 1);
    EXPECT_EQ(read->value(QStringLiteral("BDNOME")), Variant(QStringLiteral("C:\\Agência\\vendas.mdb")));
    EXPECT_EQ(read->value(QStringLiteral("FATSERIE")), Variant(std::int32_t(1)));
    EXPECT_TRUE(read->value(QStringLiteral("RECEBMODPAG")).isNull());
    read->setValue(QStringLiteral("FATTIPODOCUM"), Variant(QStringLiteral("FT")));
    read->Update();
    ligacao->Gravar(QString(), read);
    // A path longer than its column is refused by the record set, and by the database as the server refuses it.
    EXPECT_EQ(errorNumber([&] { read->setValue(QStringLiteral("BDNOME"), Variant(QString(1001, u'x'))); }),
              err::MultipleStep);
    EXPECT_EQ(errorNumber([&] {
                  ligacao->Executar(QString(),
                                    QStringLiteral("UPDATE qrl_PARAMETROS SET BDNOME = '%1'").arg(QString(1001, u'x')));
              }),
              err::ProviderCommandError);
    EXPECT_TRUE(lastError.contains(u"CHECK constraint failed")) << lastError.toStdString();

    EXPECT_EQ(ligacao->Executar(QString(),
                                QStringLiteral("\r\nUPDATE qrl_PARAMETROS SET FATSERIE = 2;\r\n"
                                               "UPDATE qrl_PARAMETROS SET RECSERIE = 3 WHERE FATTIPODOCUM = N'ft'")),
              2);
    RecordsetRef after = consultar(parametersRead());
    EXPECT_EQ(after->value(QStringLiteral("FATTIPODOCUM")), Variant(QStringLiteral("FT")));
    EXPECT_EQ(after->value(QStringLiteral("FATSERIE")), Variant(std::int32_t(2)));
    EXPECT_EQ(after->value(QStringLiteral("RECSERIE")), Variant(std::int32_t(3)));  // texts compare as on the server
    ligacao->Fechar();
    ligacao->Fechar();
    EXPECT_EQ(errorNumber([&] { consultar(parametersRead()); }), err::ObjectClosed);
}

TEST_F(CompanyConnectionTest, AScriptRunsAsOneTransactionAndNamesTheStatementThatFailed) {
    ASSERT_TRUE(ligacao->Abrir(addinConnectionString()));
    ligacao->Executar(QString(), QStringLiteral("CREATE TABLE NOTAS (N INT)"));
    // As the script command sends a file: each line after a line break.
    const QString script = QStringLiteral(
        "\r\nINSERT INTO NOTAS VALUES (1);\r\n-- a seguir\r\nUPDATE NOTAS SET N = 2\r\nGO\r\n"
        "INSERT INTO NAOHA\r\n  VALUES (3);");
    EXPECT_EQ(errorNumber([&] { ligacao->Executar(QString(), script); }), err::ProviderCommandError);
    EXPECT_EQ(lastError, QStringLiteral("A instrução 3 do script (linha 6: INSERT INTO NAOHA) falhou e nada foi "
                                        "alterado: no such table: NAOHA"));
    EXPECT_EQ(CLng(consultar(QStringLiteral("SELECT COUNT(*) FROM NOTAS"))->value(0)), 0);

    EXPECT_EQ(ligacao->Executar(QString(), QString(script).replace(QStringLiteral("NAOHA"), QStringLiteral("NOTAS"))),
              3);
    EXPECT_EQ(CLng(consultar(QStringLiteral("SELECT SUM(N) FROM NOTAS"))->value(0)), 5);
    // The connection is usable again at once: nothing was left open.
    EXPECT_EQ(ligacao->Executar(QString(), QStringLiteral("DELETE FROM NOTAS")), 2);
}

TEST_F(CompanyConnectionTest, AScriptOfAnyBytesEndsAndAStatementRunningIntoTheNextIsNamed) {
    ASSERT_TRUE(ligacao->Abrir(addinConnectionString()));
    // Whatever the parsers' fuzzing kept, as a script file, as it is and cut
    // short by a crash (NULs after it): each call ends, run or refused.
    int scripts = 0;
    for (QDirIterator it(QStringLiteral(TVX_FUZZ_CORPUS), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString& script : {text, text + QString(3, QChar(u'\0')), QChar(u'\0') + text}) {
            try {
                ligacao->Executar(QString(), script);
            } catch (const AutomationError&) {
            }
        }
        ++scripts;
    }
    EXPECT_GT(scripts, 100);
    EXPECT_EQ(errorNumber([&] { ligacao->Executar(QString(), QStringLiteral("SELECT 'ção'\0")); }),
              err::ProviderCommandError);
    EXPECT_EQ(lastError, QStringLiteral("The command holds a NUL character (at character 13), where SQLite would "
                                        "stop reading it."));

    // A server needs no separator; the embedded database does, and says so.
    ligacao->Executar(QString(), QStringLiteral("CREATE TABLE NOTAS (N INT)"));
    const QString script = QStringLiteral("\r\nINSERT INTO NOTAS VALUES (1)\r\n  insert INTO NOTAS VALUES (2)");
    EXPECT_EQ(errorNumber([&] { ligacao->Executar(QString(), script); }), err::ProviderCommandError);
    EXPECT_EQ(lastError, QStringLiteral("near \"insert\": syntax error. Na base de dados embebida cada instrução "
                                        "termina em ';' ou numa linha só com GO, e a linha 3 parece começar outra "
                                        "sem esse separador"));
    EXPECT_EQ(
        errorNumber([&] { ligacao->Executar(QString(), QStringLiteral("SELECT 1;\nINSERT INTO NOTAS\nUPDATE")); }),
        err::ProviderCommandError);
    EXPECT_TRUE(lastError.startsWith(QStringLiteral("A instrução 2 do script (linha 2: INSERT INTO NOTAS) falhou")));
    EXPECT_TRUE(lastError.endsWith(QStringLiteral("a linha 3 parece começar outra sem esse separador")));
}

TEST_F(CompanyConnectionTest, ReadsTheHostCataloguesAsTheAddInAsks) {
    ASSERT_TRUE(
        ligacao->Abrir(QStringLiteral("Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=srv\\inst;"
                                      "Initial Catalog=empr01;User Id=sa;Password=x; ")));
    RecordsetRef cliente =
        consultar(QStringLiteral("SELECT       *  \r\nFROM         CLIENTES \r\nWHERE        (CODIGO='c0002') \r\n"));
    EXPECT_EQ(cliente->RecordCount(), 1);
    EXPECT_EQ(cliente->value(QStringLiteral("CODIGO")), Variant(QStringLiteral("C0002")));
    RecordsetRef tipos = consultar(QStringLiteral("SELECT   * FROM     TPDOC ORDER BY   CODIGO"));
    EXPECT_EQ(tipos->RecordCount(), 4);
    EXPECT_EQ(tipos->value(QStringLiteral("AREAG")), Variant(std::int16_t(4)));
    EXPECT_EQ(consultar(QStringLiteral("SELECT     * FROM DOCGCCAB WHERE (TPDOC ='FT') AND (ANO=2021) AND (SERIE=1) "
                                       "AND (NNUMDOC=123 )  \r\n"))
                  ->RecordCount(),
              0);
    EXPECT_EQ(errorNumber([&] { consultar(QStringLiteral("SELECT * FROM CLIENTES WHERE (CODIGO='O'BRIEN')")); }),
              err::ProviderCommandError);
    EXPECT_EQ(lastError, QStringLiteral("near \"BRIEN\": syntax error"));
    EXPECT_EQ(errorNumber([&] { ligacao->Executar(QString(), QStringLiteral("SELECT GETDATE()")); }),
              err::ProviderCommandError);
    RecordsetRef none;
    EXPECT_EQ(errorNumber([&] { ligacao->Gravar(QString(), none); }), err::ObjectNotSet);
    // Answers stay within the 16-bit result: work done is never reported as an overflow.
    EXPECT_EQ(ligacao->Executar(QString(),
                                QStringLiteral("CREATE TABLE n (i int); WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL "
                                               "SELECT i + 1 FROM c WHERE i < 40000) INSERT INTO n SELECT i FROM c")),
              32767);
}

TEST_F(CompanyConnectionTest, AnswersFalseOrRaisesWithoutCreatingOrChangingFiles) {
    const QStringList before = filesUnder(base.path());
    EXPECT_FALSE(
        ligacao->Abrir(QStringLiteral("Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=SRV\\INST;"
                                      "Integrated Security=SSPI;")));
    EXPECT_FALSE(ligacao->Abrir(addinConnectionString(QStringLiteral("OUTRA"))));
    EXPECT_FALSE(ligacao->Abrir(QStringLiteral("Provider=SQLOLEDB;Data Source=OUTRO;Initial Catalog=EMPR01;")));
    EXPECT_EQ(filesUnder(base.path()), before);
    EXPECT_EQ(errorNumber([&] { ligacao->Abrir(QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=x")); }),
              3706);

    QDir().mkpath(QFileInfo(companyFile(QStringLiteral("ESTRAGADA"))).absolutePath());
    QFile corrupt(companyFile(QStringLiteral("ESTRAGADA")));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("not a database at all, just text that is long enough to fill a header page........");
    corrupt.close();
    EXPECT_NE(errorNumber([&] { ligacao->Abrir(addinConnectionString(QStringLiteral("ESTRAGADA"))); }), 0);
    EXPECT_TRUE(lastError.contains(u"file is not a database")) << lastError.toStdString();
    ASSERT_EQ(sql::testing::runOnFile(companyFile(QStringLiteral("ALHEIA")), QStringLiteral("CREATE TABLE x (a)")),
              QString());
    EXPECT_NE(errorNumber([&] { ligacao->Abrir(addinConnectionString(QStringLiteral("ALHEIA"))); }), 0);
    EXPECT_TRUE(lastError.contains(u"not a Tumo Vesk company database")) << lastError.toStdString();
    EXPECT_EQ(errorNumber([&] { consultar(QStringLiteral("SELECT 1")); }), err::ObjectClosed);
    ASSERT_TRUE(corrupt.open(QIODevice::ReadOnly));
    EXPECT_TRUE(corrupt.readAll().startsWith("not a database"));
}

TEST_F(CompanyConnectionTest, ReadsBesideAnotherWriterAndReportsItsLock) {
    settings->lockTimeoutMsSetting = 50;
    ASSERT_TRUE(ligacao->Abrir(addinConnectionString()));
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(companyFile().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; UPDATE SECTORES SET DESCR = 'x'", nullptr, nullptr, nullptr),
              SQLITE_OK);
    // Readers are not blocked by the writer (WAL) ...
    EXPECT_EQ(consultar(QStringLiteral("SELECT DESCR FROM SECTORES WHERE CODIGO = '1'"))->value(0),
              Variant(QStringLiteral("Sede")));
    // ... but a second writer is told the database is locked.
    EXPECT_EQ(errorNumber([&] { ligacao->Executar(QString(), QStringLiteral("UPDATE SECTORES SET DESCR = 'y'")); }),
              err::ProviderCommandError);
    EXPECT_EQ(lastError, QStringLiteral("database is locked"));
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    settings->lockTimeoutMsSetting = 0;
    EXPECT_EQ(ligacao->Executar(QString(), QStringLiteral("UPDATE SECTORES SET DESCR = 'y'")), 2);
}

}  // namespace
}  // namespace tvx::host_erp
