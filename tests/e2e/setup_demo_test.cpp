// setup-demo: what a demo installation holds, and that a folder already
// holding the company is refused without a change.
#include "e2e/demo_files.h"
#include "e2e/host_process.h"

#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <map>

namespace tvx::testing {
namespace {

class SetupDemoTest : public ::testing::Test {
protected:
    HostRun setup(const QString& company, const QStringList& extra = {}) {
        return runHost(QStringList{QStringLiteral("setup-demo"), QStringLiteral("--base"), dir_.path(),
                                   QStringLiteral("--company"), company} +
                       extra);
    }
    DemoFolder demo(const QString& company) const { return {dir_.path(), company}; }

private:
    QTemporaryDir dir_;
};

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(SetupDemoTest, TheAddinFindsItsSettingsAndParametersPointingAtTheDemo) {
    const HostRun run = setup(QStringLiteral("EMPR01"), {QStringLiteral("--user"), QStringLiteral("ana"),
                                                         QStringLiteral("--password"), QStringLiteral("segredo")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const DemoFolder d = demo(QStringLiteral("EMPR01"));
    EXPECT_TRUE(run.out.contains(d.agency()) && run.out.contains(d.companyDatabase()) &&
                run.out.contains(d.settingsFile()));

    // Written as the platform writes profile files: Windows-1252, CR LF.
    const QByteArray ini = fileBytes(d.settingsFile());
    EXPECT_TRUE(ini.contains("[Liga\xE7\xE3o]\r\n")) << ini.toStdString();
    for (const char* line : {"Login=ana\r\n", "password=segredo\r\n", "Empresa=EMPR01\r\n", "BaseDados=EMPR01\r\n",
                             "Servidor=(local)\r\n"})
        EXPECT_TRUE(ini.contains(line)) << line;

    const auto params =
        rows(d.companyDatabase(),
             QStringLiteral("SELECT BDNOME, FATTIPODOCUM, FATSERIE, FATFINALIZA, BDPASSW FROM qrl_PARAMETROS"));
    ASSERT_EQ(params.size(), 1u);
    EXPECT_EQ(params[0][0].toString(), d.agency());
    EXPECT_EQ(params[0][1].toString(), QStringLiteral("FT"));
    EXPECT_EQ(params[0][3].toInt(), 0);  // invoices stay in preparation until a sales view finalises them
    EXPECT_EQ(params[0][4].toString(), QString());
    // Every code the row names is one the company holds.
    const QString c = d.companyDatabase();
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT COUNT(*) FROM qrl_PARAMETROS p JOIN ARTIGOS a ON a.CODIGO IN "
                                       "(p.ARTIGOFARE, p.ARTIGOTAXAS, p.ARTIGOSERVICEFEE)"))
                  .toInt(),
              3);
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT COUNT(*) FROM qrl_PARAMETROS p JOIN NOMSERIE s ON "
                                       "(s.TIPODOC = p.FATTIPODOCUM AND s.SERIE = p.FATSERIE) OR "
                                       "(s.TIPODOC = p.RECTIPODOCUM AND s.SERIE = p.RECSERIE) OR "
                                       "(s.TIPODOC = p.RPCTIPODOCUM AND s.SERIE = p.RPCSERIE)"))
                  .toInt(),
              3);
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT COUNT(*) FROM qrl_PARAMETROS p JOIN ARMAZENS a ON a.CODIGO = p.ARMAZEM "
                                       "JOIN MOTIVO_ISENCAO_IVA m ON m.CODIGO = p.ARTIGOISENCAOIVA "
                                       "JOIN SECTORES s ON s.CODIGO = p.FATSECTOR"))
                  .toInt(),
              1);
    EXPECT_EQ(scalar(c, QStringLiteral("SELECT COUNT(*) FROM UTILIZADORES WHERE LOGIN = 'ana'")).toInt(), 1);
    // Every ticket's account is a customer of the company.
    const auto accounts = column(d.agency(), QStringLiteral("SELECT DISTINCT Account FROM [TKT Issued]"));
    for (const QVariant& account : accounts)
        EXPECT_EQ(scalar(c, QStringLiteral("SELECT COUNT(*) FROM CLIENTES WHERE CODIGO = '%1'").arg(account.toString()))
                      .toInt(),
                  1)
            << account.toString().toStdString();
}

// How a transfer would be settled: the signed total of the documents its
// Fatura names, or why it goes on account.
enum class Outcome { Settles, AmountOff, UnknownDocument, NoReference, OtherCustomer };

Outcome outcome(const DemoFolder& d, const QString& fatura, const QString& account, double valor) {
    if (fatura.isEmpty()) return Outcome::NoReference;
    qint64 cents = 0;
    for (const QString& ref : fatura.split(u';')) {
        const QStringList key = ref.split(u'-');
        if (key.size() != 4) return Outcome::UnknownDocument;
        const auto doc =
            rows(d.companyDatabase(),
                 QStringLiteral("SELECT Terceiro, TOTDOC, SINALCT FROM DOCGCCAB WHERE TPDOC='%1' AND NNUMDOC=%2 "
                                "AND SERIE=%3 AND ANO=%4 AND EMPREPARACAO=0")
                     .arg(key[0], key[1], key[2], key[3]));
        if (doc.size() != 1) return Outcome::UnknownDocument;
        if (doc[0][0].toString() != account) return Outcome::OtherCustomer;
        const qint64 total = qRound64(doc[0][1].toDouble() * 100);
        cents += doc[0][2].toInt() == 2 ? -total : total;
    }
    return cents == qRound64(valor * 100) ? Outcome::Settles : Outcome::AmountOff;
}

TEST_F(SetupDemoTest, MostTransfersPayOpenInvoicesExactlyAndAFewGoOnAccount) {
    ASSERT_EQ(setup(QStringLiteral("EMPR01"), {QStringLiteral("--transfers"), QStringLiteral("20")}).exitCode, 0);
    const DemoFolder d = demo(QStringLiteral("EMPR01"));
    const auto transfers =
        rows(d.agency(),
             QStringLiteral("SELECT t.Fatura, c.Account, t.Valor, t.estado_importado, t.Banco FROM Transferencias t "
                            "JOIN [Dados dos clientes] c ON c.ID = t.Cliente ORDER BY t.Data"));
    ASSERT_EQ(transfers.size(), 20u);
    std::map<Outcome, int> outcomes;
    bool creditNote = false;
    for (const auto& t : transfers) {
        // Each one is pending, as the transfer import selects them.
        EXPECT_TRUE(t[3].isNull() || t[3].toString().isEmpty());
        EXPECT_FALSE(t[1].toString().isEmpty());
        EXPECT_FALSE(t[4].isNull());
        EXPECT_GT(t[2].toDouble(), 0.0);
        ++outcomes[outcome(d, t[0].toString(), t[1].toString(), t[2].toDouble())];
        creditNote = creditNote || t[0].toString().contains(QStringLiteral("NC-"));
    }
    EXPECT_GT(outcomes[Outcome::Settles], 20 / 2);
    EXPECT_GE(outcomes[Outcome::AmountOff], 1);
    EXPECT_GE(outcomes[Outcome::UnknownDocument], 1);
    EXPECT_GE(outcomes[Outcome::NoReference], 1);
    EXPECT_GE(outcomes[Outcome::OtherCustomer], 1);
    EXPECT_TRUE(creditNote);
    // One transfer comes from the bank whose account is "0000".
    EXPECT_GE(scalar(d.agency(), QStringLiteral("SELECT COUNT(*) FROM Transferencias t JOIN Bancos b ON b.ID = t.Banco "
                                                "WHERE b.Conta = '0000'"))
                  .toInt(),
              1);
}

TEST_F(SetupDemoTest, AFolderThatHoldsTheCompanyIsRefusedUntouched) {
    ASSERT_EQ(setup(QStringLiteral("EMPR01"), {QStringLiteral("--tickets"), QStringLiteral("10")}).exitCode, 0);
    const DemoFolder d = demo(QStringLiteral("EMPR01"));
    const auto digest = [&] {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(fileBytes(d.settingsFile()));
        for (const auto& row : rows(d.agency(), QStringLiteral("SELECT ID, Factura FROM [TKT Issued] ORDER BY ID")))
            hash.addData((row[0].toString() + row[1].toString()).toUtf8());
        hash.addData(
            QByteArray::number(scalar(d.companyDatabase(), QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB")).toInt()));
        return hash.result();
    };
    const QByteArray before = digest();

    const HostRun again = setup(QStringLiteral("EMPR01"), {QStringLiteral("--tickets"), QStringLiteral("30")});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("already holds company EMPR01"))) << again.err.toStdString();
    EXPECT_EQ(digest(), before);
    // The company code is matched as the host matches it: without regard to case.
    EXPECT_EQ(setup(QStringLiteral("empr01")).exitCode, 1);
    EXPECT_EQ(digest(), before);

    // Another company may share the folder.
    EXPECT_EQ(setup(QStringLiteral("EMPR02"), {QStringLiteral("--tickets"), QStringLiteral("3")}).exitCode, 0);
    EXPECT_EQ(digest(), before);
}

}  // namespace
}  // namespace tvx::testing
