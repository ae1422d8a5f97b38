// The real program with the company database on a PostgreSQL server (a
// throwaway one, shared by the program): the demo made by setup-demo
// --server, the ticket import (1000) and the transfer import (1003) leave
// the same documents and the same marks as on the embedded database for the
// same inputs.
#include "e2e/demo_files.h"
#include "e2e/host_process.h"
#include "host_erp/tsql_dialect.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"
#include "support/pg_test_server.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

namespace tvx::testing {
namespace {

QStringList setupArguments(const QString& base, int tickets, int transfers) {
    return {QStringLiteral("setup-demo"), QStringLiteral("--base"),      base,
            QStringLiteral("--company"),  QStringLiteral("IGUAL01"),     QStringLiteral("--tickets"),
            QString::number(tickets),     QStringLiteral("--transfers"), QString::number(transfers)};
}

HostRun runOperations(const QString& base, const QStringList& operations) {
    QStringList arguments = QStringList{QStringLiteral("run")} + onCompany(base, QStringLiteral("IGUAL01"));
    for (const QString& op : operations) arguments << QStringLiteral("--operation") << op;
    return runHost(arguments);
}

// What the documents of a company hold, row by row (numbers and values, not the moments they were made).
QStringList documents(sql::Connection& db) {
    const QStringList queries = {
        QStringLiteral("SELECT TPDOC, SERIE, ANO, NNUMDOC, EMPREPARACAO, Terceiro, VOSSONDOC, DATA, TOTMERC, TOTIVA, "
                       "TOTDOC, VALORPAGO FROM DOCGCCAB ORDER BY ID"),
        QStringLiteral("SELECT c.NNUMDOC, l.NUMLINHA, l.ARTIGO, l.DESCRICAO, l.QUANTIDADE, l.PRECOUNIT, l.TOTAL "
                       "FROM DOCGCLIN l JOIN DOCGCCAB c ON c.ID = l.IDCAB ORDER BY c.ID, l.NUMLINHA"),
        QStringLiteral("SELECT TPDOC, SERIE, ANO, NNUMDOC, Terceiro, DATA, TOTDOC FROM DOCFINCAB ORDER BY ID"),
        QStringLiteral("SELECT NUMLINHA, TPDOCLIQ, NNUMDOCLIQ, VALORPAGO FROM DOCFINLIN ORDER BY IDCAB, NUMLINHA"),
        QStringLiteral("SELECT AREA, TPDOC, NNUMDOC, TOTDEBITO, TOTCREDITO FROM MOVCTBCAB ORDER BY ID"),
        QStringLiteral("SELECT TIPODOC, SERIE, ANO, ULTIMONUM, ULTIMOPREP FROM NUMERACAO ORDER BY TIPODOC, SERIE, ANO"),
    };
    QStringList out;
    for (const QString& sql : queries)
        for (auto rs = db.Query(sql); rs->RecordCount() > 0 && !rs->Eof(); rs->MoveNext()) {
            QStringList values;
            for (int i = 0; i < rs->Fields().Count(); ++i)
                values << (rs->value(i).isNull() ? QStringLiteral("NULL") : CStr(rs->value(i)));
            out << values.join(u'|');
        }
    return out;
}

QStringList marks(const DemoFolder& d) {
    QStringList out;
    for (const Ticket& t : tickets(d)) out << QStringLiteral("%1 %2").arg(t.id).arg(t.factura.toString());
    for (const auto& row :
         rows(d.agency(), QStringLiteral("SELECT ID, estado_importado FROM Transferencias ORDER BY ID")))
        out << QStringLiteral("T%1 %2").arg(row[0].toInt()).arg(row[1].toString());
    return out;
}

TEST(ServerE2e, TicketsAndTransfersLeaveTheSameDocumentsAsOnTheEmbeddedDatabase) {
    PgTestServer& server = PgTestServer::shared();
    ASSERT_TRUE(server.running()) << server.failure().toStdString();
    QTemporaryDir embeddedDir, serverDir;
    const DemoFolder embedded{embeddedDir.path(), QStringLiteral("IGUAL01")};
    const DemoFolder onServer{serverDir.path(), QStringLiteral("IGUAL01")};

    HostRun setup = runHost(setupArguments(embedded.base, 80, 12));
    ASSERT_EQ(setup.exitCode, 0) << setup.err.toStdString();
    setup = runHost(setupArguments(onServer.base, 80, 12) << QStringLiteral("--server") << server.uri());
    ASSERT_EQ(setup.exitCode, 0) << setup.err.toStdString() << setup.out.toStdString();
    EXPECT_TRUE(setup.out.contains(u"igual01 on the PostgreSQL server")) << setup.out.toStdString();
    // The settings file names the server; no company file was made.
    EXPECT_FALSE(QFileInfo::exists(onServer.companyDatabase()));
    // A second set-up of that company on the server is refused, the database untouched.
    QTemporaryDir again;
    const HostRun refused = runHost(setupArguments(again.path(), 5, 0) << QStringLiteral("--server") << server.uri());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(u"already exists")) << refused.err.toStdString();

    for (const DemoFolder* d : {&embedded, &onServer}) {
        const HostRun run = runOperations(d->base, {QStringLiteral("1000"), QStringLiteral("1003")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(u"Importação de movimentos terminou com êxito!")) << run.out.toStdString();
        EXPECT_FALSE(run.out.contains(u"Erro")) << run.out.toStdString();
    }
    auto embeddedDb =
        sql::Connection::openSqlite(embedded.companyDatabase(), std::make_shared<host_erp::TsqlDialect>());
    auto serverDb = sql::Connection::openPostgres({server.uri(), QStringLiteral("igual01"), {}, {}},
                                                  std::make_shared<host_erp::TsqlServerDialect>());
    const QStringList expected = documents(*embeddedDb);
    EXPECT_GT(expected.size(), 40);
    EXPECT_EQ(documents(*serverDb), expected);
    EXPECT_EQ(marks(onServer), marks(embedded));

    // Run again: nothing is left to import, nothing is doubled.
    const HostRun rerun = runOperations(onServer.base, {QStringLiteral("1000"), QStringLiteral("1003")});
    ASSERT_EQ(rerun.exitCode, 0) << rerun.err.toStdString();
    EXPECT_EQ(documents(*serverDb), expected);
}

// The program started on a workstation of its own name (its own UTS namespace).
std::unique_ptr<QProcess> startOnWorkstation(const QString& name, const QStringList& arguments) {
    (void)runHost({QStringLiteral("--help")});  // makes sure the application object exists
    auto p = std::make_unique<QProcess>();
    p->start(QStringLiteral("unshare"), QStringList{QStringLiteral("--uts"), QStringLiteral("sh"), QStringLiteral("-c"),
                                                    QStringLiteral("hostname \"$0\" && exec \"$@\""), name,
                                                    QStringLiteral(TELVARIX_HOST_PROGRAM)} +
                                            arguments);
    p->waitForStarted();
    return p;
}

QString finish(QProcess& p) {
    p.waitForFinished(300000);
    return QString::fromUtf8(p.readAllStandardOutput()) + QString::fromUtf8(p.readAllStandardError());
}

TEST(ServerE2e, TwoWorkstationsStartingAtOnceOneIsRefusedAndNothingIsDoubled) {
    PgTestServer& server = PgTestServer::shared();
    ASSERT_TRUE(server.running()) << server.failure().toStdString();
    QTemporaryDir dirA, dirB;
    const QString company = QStringLiteral("POSTOS1");
    HostRun setup =
        runHost({QStringLiteral("setup-demo"), QStringLiteral("--base"), dirA.path(), QStringLiteral("--company"),
                 company, QStringLiteral("--tickets"), QStringLiteral("300"), QStringLiteral("--transfers"),
                 QStringLiteral("0"), QStringLiteral("--server"), server.uri()});
    ASSERT_EQ(setup.exitCode, 0) << setup.err.toStdString();
    // The second workstation: the same company on the server, an agency file of its own.
    for (const char* folder : {"quorel", "agencia"}) {
        QDir().mkpath(dirB.filePath(QLatin1String(folder)));
        for (const QString& f : QDir(dirA.filePath(QLatin1String(folder))).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(dirA.filePath(QLatin1String(folder)) + u'/' + f,
                                    dirB.filePath(QLatin1String(folder)) + u'/' + f));
    }
    const auto import = [&](const QString& base) {
        return QStringList{QStringLiteral("run")} + onCompany(base, company) +
               QStringList{QStringLiteral("--operation"), QStringLiteral("1000")};
    };
    // Tickets the demo made invoiced already keep their marker and get no invoice.
    QSet<int> before;
    for (const Ticket& t : tickets(DemoFolder{dirA.path(), company}))
        if (!t.factura.isNull()) before.insert(t.id);
    auto first = startOnWorkstation(QStringLiteral("POSTO-A"), import(dirA.path()));
    // Frozen while it holds the lock, so the second surely starts half-way through the first.
    bool held = false;
    for (int i = 0; i < 3000 && !held && first->state() != QProcess::NotRunning; ++i) {
        held =
            server.psql(QStringLiteral("postos1"), QStringLiteral("SELECT ESTACAO FROM qrl_EXECUCOES")) == u"POSTO-A";
        if (!held) QThread::msleep(10);
    }
    ASSERT_TRUE(held) << "the first run ended before it was seen running";
    ::kill(pid_t(first->processId()), SIGSTOP);
    auto second = startOnWorkstation(QStringLiteral("POSTO-B"), import(dirB.path()));
    const QString refused = finish(*second);
    ::kill(pid_t(first->processId()), SIGCONT);
    const QString done = finish(*first);
    EXPECT_TRUE(refused.contains(u"Está em curso outra operação na empresa")) << refused.toStdString();
    EXPECT_TRUE(refused.contains(u"POSTO-A")) << refused.toStdString();
    EXPECT_TRUE(done.contains(u"terminou com êxito")) << done.toStdString();
    // The refused workstation runs again and imports its own file; every document's number is its own.
    const QString again = finish(*startOnWorkstation(QStringLiteral("POSTO-B"), import(dirB.path())));
    EXPECT_TRUE(again.contains(u"terminou com êxito")) << again.toStdString();
    const DemoFolder a{dirA.path(), company}, b{dirB.path(), company};
    QSet<QString> markers;
    int marked = 0;
    for (const DemoFolder* d : {&a, &b})
        for (const Ticket& t : tickets(*d))
            if (!t.factura.isNull() && !before.contains(t.id)) markers.insert(t.factura.toString()), ++marked;
    EXPECT_GT(marked, 100);
    const QString invoices =
        server.psql(QStringLiteral("postos1"),
                    QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT NNUMDOC) FROM DOCGCCAB WHERE VOSSONDOC <> ''"));
    // Both agency files hold the same tickets: each workstation invoiced its own once.
    EXPECT_EQ(invoices, QStringLiteral("%1|%1").arg(markers.size())) << invoices.toStdString();
}

TEST(ServerE2e, AServerStoppedMidRunEndsItInErrorAndTheRerunInvoicesEveryTicketOnce) {
    PgTestServer& server = PgTestServer::shared();
    ASSERT_TRUE(server.running()) << server.failure().toStdString();
    QTemporaryDir dir;
    const DemoFolder d{dir.path(), QStringLiteral("PARADO1")};
    HostRun setup =
        runHost({QStringLiteral("setup-demo"), QStringLiteral("--base"), d.base, QStringLiteral("--company"), d.company,
                 QStringLiteral("--tickets"), QStringLiteral("600"), QStringLiteral("--transfers"), QStringLiteral("0"),
                 QStringLiteral("--server"), server.uri()});
    ASSERT_EQ(setup.exitCode, 0) << setup.err.toStdString();
    QSet<int> before;  // tickets the demo made invoiced already: they keep their marker
    for (const Ticket& t : tickets(d))
        if (!t.factura.isNull()) before.insert(t.id);
    const int documentsBefore =
        server.psql(QStringLiteral("parado1"), QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB")).toInt();
    const QStringList import = QStringList{QStringLiteral("run")} + onCompany(d.base, d.company) +
                               QStringList{QStringLiteral("--operation"), QStringLiteral("1000")};
    (void)runHost({QStringLiteral("--help")});  // makes sure the application object exists
    QProcess run;
    run.start(QStringLiteral(TELVARIX_HOST_PROGRAM), import);
    // Stopped as a crash stops it once a few invoices are in.
    bool storing = false;
    for (int i = 0; i < 3000 && !storing && run.state() != QProcess::NotRunning; ++i) {
        storing = server.psql(QStringLiteral("parado1"), QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB")).toInt() >=
                  documentsBefore + 5;
        if (!storing) QThread::msleep(10);
    }
    ASSERT_TRUE(storing) << "the run ended before it stored anything";
    server.crash();
    run.waitForFinished(300000);
    server.restart();
    const QString out = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(out.contains(u"Erro ao importar.")) << out.toStdString();
    EXPECT_TRUE(out.contains(u"server closed the connection") || out.contains(u"terminating connection"))
        << out.toStdString();
    EXPECT_FALSE(out.contains(u"terminou com êxito")) << out.toStdString();

    const HostRun rerun = runHost(import);
    EXPECT_TRUE(rerun.out.contains(u"terminou com êxito")) << rerun.out.toStdString();
    // Every ticket of today in exactly one invoice: one invoice per marker, none without one.
    QSet<QString> markers;
    for (const Ticket& t : tickets(d))
        if (!t.factura.isNull() && !before.contains(t.id)) markers.insert(t.factura.toString());
    EXPECT_GT(markers.size(), 50);
    EXPECT_EQ(server.psql(QStringLiteral("parado1"), QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB")).toInt(),
              documentsBefore + markers.size());
    EXPECT_EQ(server.psql(QStringLiteral("parado1"),
                          QStringLiteral("SELECT COUNT(*) FROM (SELECT DESCRICAO FROM DOCGCLIN WHERE DESCRICAO LIKE "
                                         "'Bilhete N%' GROUP BY DESCRICAO HAVING COUNT(*) > 1) doubled")),
              QStringLiteral("0"));
}

TEST(ServerE2e, AnUnknownDatabaseOrUnreachableServerIsNamedAndExitsWithOne) {
    PgTestServer& server = PgTestServer::shared();
    ASSERT_TRUE(server.running()) << server.failure().toStdString();
    QTemporaryDir dir;
    const DemoFolder d{dir.path(), QStringLiteral("GONE01")};
    HostRun setup =
        runHost({QStringLiteral("setup-demo"), QStringLiteral("--base"), d.base, QStringLiteral("--company"), d.company,
                 QStringLiteral("--tickets"), QStringLiteral("3"), QStringLiteral("--transfers"), QStringLiteral("0"),
                 QStringLiteral("--server"), server.uri()});
    ASSERT_EQ(setup.exitCode, 0) << setup.err.toStdString();
    server.psql(QStringLiteral("postgres"), QStringLiteral("DROP DATABASE gone01 WITH (FORCE)"));
    const HostRun run = runHost(QStringList{QStringLiteral("run")} + onCompany(d.base, d.company) +
                                QStringList{QStringLiteral("--operation"), QStringLiteral("1000")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(u"database \"gone01\" does not exist")) << run.err.toStdString();
}

}  // namespace
}  // namespace tvx::testing
