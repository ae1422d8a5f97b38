// Exactly-once through the real program, the company database on the
// embedded file or on a server: two runs started together, an agency file
// held by another program, runs killed at random moments; after each, no
// ticket is in two invoices and no transfer has two receipts, and what is in
// a document is marked with it.
#include "e2e/demo_files.h"
#include "e2e/host_process.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <map>

#include <signal.h>

namespace tvx::testing {
namespace {

QStringList operacao(const DemoFolder& d, int code) {
    return QStringList{QStringLiteral("run")} + onCompany(d.base, d.company) +
           QStringList{QStringLiteral("--operation"), QString::number(code)};
}

// The host program started in the background.
std::unique_ptr<QProcess> iniciar(const QStringList& arguments) {
    (void)runHost({QStringLiteral("--help")});  // makes sure the application object exists
    auto p = std::make_unique<QProcess>();
    p->start(QStringLiteral(TELVARIX_HOST_PROGRAM), arguments);
    p->waitForStarted();
    return p;
}

// The markers the demo's tickets carry before any import (some came invoiced already).
std::map<int, QString> marcasIniciais(const DemoFolder& d) {
    std::map<int, QString> marcas;
    for (const auto& r :
         rows(d.agency(), QStringLiteral("SELECT ID, Factura FROM [TKT Issued] WHERE Factura IS NOT NULL")))
        marcas[r[0].toInt()] = r[1].toString();
    return marcas;
}

// Every ticket's invoices (by the "Bilhete Nº" line it got) against its marker;
// the tickets marked before any import keep their marker and get no invoice.
void verificarBilhetes(const DemoFolder& d, const std::map<int, QString>& iniciais, const std::string& caso) {
    std::map<QString, QStringList> facturasDaLinha;
    for (const auto& r :
         companyRows(d, QStringLiteral("SELECT l.DESCRICAO, 'Tumo Vesk-' || c.TPDOC || ' ' || c.NNUMDOC || '/' || "
                                       "c.SERIE || '/' || c.ANO FROM DOCGCLIN l JOIN DOCGCCAB c ON c.ID = l.IDCAB "
                                       "WHERE l.DESCRICAO LIKE 'Bilhete N%'")))
        facturasDaLinha[r[0].toString()] << r[1].toString();
    int invoiced = 0;
    for (const auto& r :
         rows(d.agency(), QStringLiteral("SELECT ID, 'Bilhete Nº' || substr('000' || "
                                         "trim(IFNULL([Codigo Companhia Aerea], '')), -3) || "
                                         "IFNULL([Numero do Bilhete], ''), Factura FROM [TKT Issued]"))) {
        const QStringList facturas = facturasDaLinha[r[1].toString()];
        if (const auto it = iniciais.find(r[0].toInt()); it != iniciais.end()) {
            EXPECT_TRUE(facturas.isEmpty()) << caso << ": ticket " << r[0].toInt() << " was invoiced already";
            EXPECT_EQ(r[2].toString(), it->second) << caso << ": ticket " << r[0].toInt();
            continue;
        }
        ASSERT_LE(facturas.size(), 1) << caso << ": ticket " << r[0].toInt() << " is in " << facturas.size()
                                      << " invoices";
        if (facturas.isEmpty()) {
            EXPECT_TRUE(r[2].isNull()) << caso << ": ticket " << r[0].toInt() << " marked without an invoice";
        } else {
            ++invoiced;
            EXPECT_EQ(r[2].toString(), facturas.front()) << caso << ": ticket " << r[0].toInt();
        }
    }
    EXPECT_GT(invoiced, 0) << caso;
}

void verificarRecibos(const DemoFolder& d, const std::string& caso) {
    std::map<QString, int> recibos;
    for (const auto& v :
         companyColumn(d, QStringLiteral("SELECT TPDOC || '-' || NNUMDOC || '-' || ANO FROM DOCFINCAB")))
        ++recibos[v.toString()];
    int marcadas = 0;
    for (const auto& v : column(d.agency(), QStringLiteral("SELECT estado_importado FROM Transferencias WHERE "
                                                           "IFNULL(estado_importado, '') <> ''"))) {
        ++marcadas;
        EXPECT_EQ(recibos[v.toString()], 1) << caso << ": transfer marked " << v.toString().toStdString();
    }
    EXPECT_EQ(int(recibos.size()), marcadas) << caso << ": a receipt no transfer carries";
    EXPECT_EQ(companyScalar(d, QStringLiteral("SELECT COUNT(*) FROM DOCFINCAB f WHERE NOT EXISTS (SELECT 1 "
                                              "FROM MOVCTBCAB m WHERE m.AREA = 'FIN' AND m.TPDOC = f.TPDOC "
                                              "AND m.NNUMDOC = f.NNUMDOC AND m.SERIE = f.SERIE AND m.ANO = f.ANO)"))
                  .toInt(),
              0)
        << caso;
}

// Waits until the process holds the company's run lock (its row in
// qrl_EXECUCOES names it); false when it ended first.
bool esperarBloqueio(const DemoFolder& d, QProcess& p) {
    const QString detido =
        QStringLiteral("SELECT COUNT(*) FROM qrl_EXECUCOES WHERE RECURSO = 'EMPRESA' AND PROCESSO = ") +
        QString::number(p.processId());
    while (p.state() != QProcess::NotRunning) {
        try {
            if (companyScalar(d, detido).toInt() > 0) return true;
        } catch (...) {  // the table not made yet, or the file busy
        }
        QThread::msleep(2);
    }
    return false;
}

class ExactlyOnceE2e : public ::testing::TestWithParam<Backend> {};

TEST_P(ExactlyOnceE2e, TwoRunsStartedTogetherOneIsRefusedAndNothingIsDoubled) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 1200, GetParam(), 400);
    const auto iniciais = marcasIniciais(d);
    for (const int code : {1000, 1003}) {
        // The first run is frozen while it holds the lock, so the second one
        // surely starts while the first is half-way, however fast the machine.
        auto primeiro = iniciar(operacao(d, code));
        ASSERT_TRUE(esperarBloqueio(d, *primeiro)) << "operation " << code << " ended before it was seen running";
        ::kill(pid_t(primeiro->processId()), SIGSTOP);
        const HostRun segundo = runHost(operacao(d, code));
        ::kill(pid_t(primeiro->processId()), SIGCONT);
        primeiro->waitForFinished(600000);
        EXPECT_EQ(primeiro->exitCode(), 0);
        EXPECT_EQ(segundo.exitCode, 4);  // refused by the run lock, for a scheduler to try again
        EXPECT_TRUE(segundo.out.contains(QStringLiteral("Está em curso outra operação na empresa EMPR01")))
            << "operation " << code << ": the second run was not refused:\n"
            << segundo.out.toStdString();
    }
    verificarBilhetes(d, iniciais, "two ticket runs");
    verificarRecibos(d, "two transfer runs");
}

TEST_P(ExactlyOnceE2e, AnAgencyFileHeldByAnotherProgramStoresNothingAndTheRerunImportsOnce) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 40, GetParam());
    const auto iniciais = marcasIniciais(d);
    {
        // Another program holds the agency file's write lock past the busy timeout.
        QSqlDatabase outro = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outro"));
        outro.setDatabaseName(d.agency());
        ASSERT_TRUE(outro.open());
        QSqlQuery(outro).exec(QStringLiteral("BEGIN EXCLUSIVE"));
        const HostRun run = runHost(operacao(d, 1000));
        QSqlQuery(outro).exec(QStringLiteral("ROLLBACK"));
        outro.close();
        EXPECT_TRUE(run.out.contains(QStringLiteral("Erro ao importar."))) << run.out.toStdString();
        EXPECT_EQ(companyScalar(d, QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB WHERE VOSSONDOC <> ''")).toInt(), 0)
            << "an invoice was stored that could not be marked";
    }
    QSqlDatabase::removeDatabase(QStringLiteral("outro"));
    EXPECT_EQ(runHost(operacao(d, 1000)).exitCode, 0);
    verificarBilhetes(d, iniciais, "after the file was free again");
}

TEST_P(ExactlyOnceE2e, RunsKilledAtRandomMomentsThenRerunLeaveEveryRowInOneDocument) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 900, GetParam(), 150);
    const auto iniciais = marcasIniciais(d);
    QRandomGenerator acaso(20261208);
    for (int tentativa = 0; tentativa < 3; ++tentativa) {
        for (const int code : {1000, 1003}) {
            auto run = iniciar(operacao(d, code));
            QThread::msleep(acaso.bounded(200, 2500));
            run->kill();  // SIGKILL
            run->waitForFinished();
            EXPECT_EQ(runHost(operacao(d, code)).exitCode, 0);
        }
        const std::string caso = "after kill " + std::to_string(tentativa + 1);
        verificarBilhetes(d, iniciais, caso);
        verificarRecibos(d, caso);
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, ExactlyOnceE2e, ::testing::ValuesIn(programBackends()), backendName);

}  // namespace
}  // namespace tvx::testing
