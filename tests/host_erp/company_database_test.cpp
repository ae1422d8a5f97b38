#include "host_erp/company_files.h"
#include "host_erp/company_schema.h"
#include "host_erp/demo_company.h"
#include "host_erp/host_users.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/connection.h"
#include "platform/sql/memory_db.h"
#include "platform/sql/qt_connection.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QCryptographicHash>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace tvx::host_erp {
namespace {

QStringList rows(sqlite3* db, const char* sql) {
    QStringList out;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) return {QString::fromUtf8(sqlite3_errmsg(db))};
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList values;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
        out << values.join(u'|');
    }
    sqlite3_finalize(stmt);
    return out;
}

TEST(CompanyFiles, MapsServerAndCatalogueToOneFileEach) {
    EXPECT_EQ(companyFilePath(QStringLiteral("/b"), QStringLiteral("SRV\\INST"), QStringLiteral("EMPR01")),
              QStringLiteral("/b/companies/srv~5Cinst/empr01.db"));
    // Local server spellings and letter case name the same file, as on the server.
    const QString local =
        companyFilePath(QStringLiteral("/b"), QStringLiteral("(local)\\SQLExpress"), QStringLiteral("Empr01"));
    EXPECT_EQ(local, QStringLiteral("/b/companies/local~5Csqlexpress/empr01.db"));
    EXPECT_EQ(companyFilePath(QStringLiteral("/b"), QStringLiteral(".\\sqlexpress"), QStringLiteral("EMPR01")), local);
    // Nothing in a name can leave its folder or collide with an encoded name.
    EXPECT_EQ(encodedName(QStringLiteral("../x y")), QStringLiteral("~2E~2E~2Fx~20y"));
    EXPECT_NE(encodedName(QStringLiteral("a~2Eb")), encodedName(QStringLiteral("a.b")));
    EXPECT_EQ(encodedName(QStringLiteral("Ação")), QStringLiteral("a~C3~A7~C3~A3o"));
    EXPECT_THROW(companyFilePath(QStringLiteral("/b"), QStringLiteral("SRV"), QStringLiteral(" ")), AutomationError);
}

class DemoCompanyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("companies/local/empr01.db"));
        createDemoCompany(path);
        connection = sql::QtConnection::openSqlite(path, sql::OpenMode::ExistingOnly, 1000);
    }
    sqlite3* db() const { return connection->sqliteHandle(); }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<sql::QtConnection> connection;
};

TEST_F(DemoCompanyTest, HoldsTheHostTablesWithTheColumnsTheAddInReads) {
    auto columns = [&](const char* table) {
        return rows(db(), QStringLiteral("SELECT group_concat(name, ',') FROM pragma_table_info('%1')")
                              .arg(QString::fromLatin1(table))
                              .toUtf8()
                              .constData())
            .value(0);
    };
    for (const char* column : {"CODIGO", "DESCR", "AREAG", "ENTIDADE", "TPOPER", "NATCONTA"})
        EXPECT_TRUE(columns("TPDOC").split(u',').contains(QString::fromLatin1(column))) << column;
    for (const char* column :
         {"TPDOC", "ANO", "SERIE", "NNUMDOC", "Terceiro", "TOTDOC", "AREAG", "TPOPER", "NATCONTA", "SINALCT"})
        EXPECT_TRUE(columns("DOCGCCAB").split(u',').contains(QString::fromLatin1(column))) << column;
    EXPECT_TRUE(columns("NOMSERIE").startsWith(u"TIPODOC,SERIE,DESCR"));
    EXPECT_TRUE(columns("ARTIGOS").startsWith(u"CODIGO,NOME"));
    EXPECT_TRUE(columns("MOTIVO_ISENCAO_IVA").startsWith(u"CODIGO,DESCRICAO"));
    // The configuration lists' captions.
    EXPECT_TRUE(columns("ARMAZENS").startsWith(u"CODIGO,NOME"));
    EXPECT_TRUE(columns("SECTORES").startsWith(u"CODIGO,DESCR"));
    for (const char* table :
         {"CLIENTES", "ARMAZENS", "SECTORES", "DOCGCLIN", "DOCFINCAB", "DOCFINLIN", "MOVCTBCAB", "MOVCTBLIN"})
        EXPECT_FALSE(columns(table).isEmpty()) << table;
}

TEST_F(DemoCompanyTest, HoldsTheDemoCataloguesAndFileSettings) {
    EXPECT_EQ(rows(db(), "PRAGMA journal_mode"), QStringList{QStringLiteral("wal")});
    EXPECT_EQ(rows(db(), "PRAGMA application_id").value(0).toInt(), CompanyApplicationId);
    EXPECT_EQ(rows(db(), "SELECT CODIGO || ':' || SINALCT || ':' || AREAG FROM TPDOC ORDER BY CODIGO"),
              (QStringList{QStringLiteral("FT:1:4"), QStringLiteral("NC:2:4"), QStringLiteral("RA:1:6"),
                           QStringLiteral("RE:1:6")}));
    EXPECT_EQ(rows(db(), "SELECT count(*) FROM NOMSERIE WHERE SERIE = 1 AND ASSINADA = 1").value(0),
              QStringLiteral("4"));
    EXPECT_EQ(rows(db(), "SELECT count(*) FROM CLIENTES").value(0), QStringLiteral("12"));
    EXPECT_EQ(rows(db(), "SELECT DESCRICAO FROM MOTIVO_ISENCAO_IVA WHERE CODIGO = 'M99'").value(0),
              QStringLiteral("Não sujeito ou não tributado"));
    // Codes match without regard to case, as on the server; names do not.
    EXPECT_EQ(rows(db(), "SELECT CODIGO FROM CLIENTES WHERE (CODIGO='c0003') "), QStringList{QStringLiteral("C0003")});
    EXPECT_EQ(rows(db(), "SELECT count(*) FROM ARTIGOS WHERE CODIGO = 'fare' AND NOME = 'bilhete - tarifa'").value(0),
              QStringLiteral("0"));
    EXPECT_EQ(rows(db(), "SELECT count(*) FROM ARTIGOS WHERE CODIGO IN ('fare', 'taxas', 'fee')").value(0),
              QStringLiteral("3"));
}

TEST_F(DemoCompanyTest, ChecksUsersWithoutKeepingTheirPasswords) {
    const QSqlDatabase qdb = connection->database();
    auto company = sql::Connection::openSqlite(path, nullptr);
    auto check = [&](const QString& login, const QString& password) { return checkUser(*company, login, password); };
    EXPECT_TRUE(check(QStringLiteral("vesk"), QStringLiteral("vesk")));
    EXPECT_TRUE(check(QStringLiteral("VESK"), QStringLiteral("vesk")));
    EXPECT_FALSE(check(QStringLiteral("vesk"), QStringLiteral("VESK")));
    EXPECT_FALSE(check(QStringLiteral("outro"), QStringLiteral("vesk")));
    EXPECT_FALSE(check(QStringLiteral("vesk"), QString()));
    EXPECT_FALSE(check(QStringLiteral("x' OR '1'='1"), QStringLiteral("vesk")));
    EXPECT_EQ(rows(db(), "SELECT count(*) FROM UTILIZADORES WHERE PASSWORDHASH LIKE '%vesk%' OR SAL = ''").value(0),
              QStringLiteral("0"));
    addUser(qdb, QStringLiteral("ana"), QStringLiteral("Ana"), QStringLiteral("segredo"));
    EXPECT_TRUE(check(QStringLiteral("Ana"), QStringLiteral("segredo")));
    company->Execute(QStringLiteral("UPDATE UTILIZADORES SET ACTIVO = 0 WHERE LOGIN = 'ana'"));
    EXPECT_FALSE(check(QStringLiteral("ana"), QStringLiteral("segredo")));
    EXPECT_TRUE(isActiveUser(*company, QStringLiteral("VESK")));
    EXPECT_FALSE(isActiveUser(*company, QStringLiteral("ana")));

    // A company made before keeps one salted SHA-256: a good logon replaces it, a wrong one does not.
    const QString sha =
        QString::fromLatin1(QCryptographicHash::hash("c0ffeesenha", QCryptographicHash::Sha256).toHex());
    company->Execute(
        QStringLiteral(
            "INSERT INTO UTILIZADORES (LOGIN, NOME, SAL, PASSWORDHASH) VALUES ('rui', 'Rui', 'c0ffee', '%1')")
            .arg(sha));
    const auto kept = [&] { return rows(db(), "SELECT PASSWORDHASH FROM UTILIZADORES WHERE LOGIN = 'rui'").value(0); };
    EXPECT_FALSE(check(QStringLiteral("rui"), QStringLiteral("Senha")));
    EXPECT_EQ(kept(), sha);
    EXPECT_TRUE(check(QStringLiteral("rui"), QStringLiteral("senha")));
    EXPECT_TRUE(kept().startsWith(QStringLiteral("p%1$").arg(PasswordIterations))) << kept().toStdString();
    EXPECT_LE(kept().size(), 64);  // the column's width
    EXPECT_TRUE(check(QStringLiteral("rui"), QStringLiteral("senha")));
    EXPECT_FALSE(check(QStringLiteral("rui"), QStringLiteral("senhA")));
}

CompanyInfo company(const QString& codigo) {
    CompanyInfo info;
    info.codigo = codigo;
    info.nome = codigo + QStringLiteral(", Lda.");
    return info;
}

TEST(CompanyCreation, RefusesAnExistingFileAndLeavesNothingBehindOnFailure) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.db"));
    createCompanyDatabase(path, company(QStringLiteral("X")));
    EXPECT_THROW(createDemoCompany(path), AutomationError);
    EXPECT_TRUE(QFile::exists(path));

    const QString failing = dir.filePath(QStringLiteral("sub/f.db"));
    EXPECT_THROW(createCompanyDatabase(failing, company(QStringLiteral("X")),
                                       [](const QSqlDatabase& db) {
                                           insertRow(db, QStringLiteral("TPDOC"), {QStringLiteral("CODIGO")},
                                                     {QStringLiteral("FT")});  // NOT NULL columns missing
                                       }),
                 AutomationError);
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("sub"))).entryList(QDir::Files), QStringList());
    EXPECT_THROW(createCompanyDatabase(dir.filePath(QStringLiteral("n.db")), company(QString())), AutomationError);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("n.db"))));
}

}  // namespace
}  // namespace tvx::host_erp
