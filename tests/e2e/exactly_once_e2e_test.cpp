// Exactly-once through the real program, the company database on the
// embedded file or on a server: two runs started together, an agency file
// held by another program, runs killed at random moments; after each, no
// ticket is in two invoices and no transfer has two receipts, and what is in
// a document is marked with it.
#include "e2e/demo_files.h"
#include "e2e/host_process.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <map>
#include <optional>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Every ticket's invoices (by the "Bilhete Nº" line it got) in every company
// database on the agency file, against its marker; the tickets marked before
// any import keep their marker and get no invoice.
void verificarBilhetes(const QString& agencia, const std::vector<DemoFolder>& empresas,
                       const std::map<int, QString>& iniciais, const std::string& caso) {
    std::map<QString, QStringList> facturasDaLinha;
    for (const DemoFolder& empresa : empresas)
        for (const auto& r : companyRows(
                 empresa, QStringLiteral("SELECT l.DESCRICAO, 'Tumo Vesk-' || c.TPDOC || ' ' || c.NNUMDOC || '/' || "
                                         "c.SERIE || '/' || c.ANO FROM DOCGCLIN l JOIN DOCGCCAB c ON c.ID = l.IDCAB "
                                         "WHERE l.DESCRICAO LIKE 'Bilhete N%'")))
            facturasDaLinha[r[0].toString()] << r[1].toString();
    int invoiced = 0;
    for (const auto& r : rows(agencia, QStringLiteral("SELECT ID, 'Bilhete Nº' || substr('000' || "
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

void verificarBilhetes(const DemoFolder& d, const std::map<int, QString>& iniciais, const std::string& caso) {
    verificarBilhetes(d.agency(), {d}, iniciais, caso);
}

// Every receipt of the company databases on the agency file is carried by one
// transfer and has its accounting entry; every mark names a receipt. Two
// companies may each have a receipt of one name: then two transfers carry it.
void verificarRecibos(const QString& agencia, const std::vector<DemoFolder>& empresas, const std::string& caso) {
    std::map<QString, int> recibos;
    for (const DemoFolder& empresa : empresas) {
        for (const auto& v :
             companyColumn(empresa, QStringLiteral("SELECT TPDOC || '-' || NNUMDOC || '-' || ANO FROM DOCFINCAB")))
            ++recibos[v.toString()];
        EXPECT_EQ(
            companyScalar(empresa, QStringLiteral("SELECT COUNT(*) FROM DOCFINCAB f WHERE NOT EXISTS (SELECT 1 "
                                                  "FROM MOVCTBCAB m WHERE m.AREA = 'FIN' AND m.TPDOC = f.TPDOC "
                                                  "AND m.NNUMDOC = f.NNUMDOC AND m.SERIE = f.SERIE AND m.ANO = f.ANO)"))
                .toInt(),
            0)
            << caso;
    }
    std::map<QString, int> marcas;
    for (const auto& v : column(agencia, QStringLiteral("SELECT estado_importado FROM Transferencias WHERE "
                                                        "IFNULL(estado_importado, '') <> ''")))
        ++marcas[v.toString()];
    EXPECT_EQ(marcas, recibos) << caso << ": transfers per receipt name";
}

void verificarRecibos(const DemoFolder& d, const std::string& caso) { verificarRecibos(d.agency(), {d}, caso); }

#ifndef TELVARIX_ON_SERVER  // the files themselves, read while a run has them open
// The single number a select gives on a company database (with the agency
// file attached as "ag" when `agencia` is given), read while a run may hold its
// write lock: no value when the files are busy.
std::optional<int> espreitar(const QString& empresa, const QString& sql, const QString& agencia = {}) {
    std::optional<int> valor;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("espreita"));
        db.setDatabaseName(empresa);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=50"));
        if (db.open()) {
            QSqlQuery q(db);
            if ((agencia.isEmpty() || q.exec(QStringLiteral("ATTACH DATABASE '%1' AS ag").arg(agencia))) &&
                q.exec(sql) && q.next())
                valor = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("espreita"));
    return valor;
}

#endif

// True while the process runs (or is stopped); its end is seen without an event loop.
bool corre(QProcess& p) {
    p.waitForFinished(0);
    return p.state() != QProcess::NotRunning;
}

// Waits until the process holds the company's run lock (its row in
// qrl_EXECUCOES names it); false when it ended first.
bool esperarBloqueio(const DemoFolder& d, QProcess& p) {
    const QString detido =
        QStringLiteral("SELECT COUNT(*) FROM qrl_EXECUCOES WHERE RECURSO = 'EMPRESA' AND PROCESSO = ") +
        QString::number(p.processId());
    while (corre(p)) {
        try {
            if (companyScalar(d, detido).toInt() > 0) return true;
        } catch (...) {  // the table not made yet, or the file busy
        }
        QThread::msleep(2);
    }
    return false;
}

#ifndef TELVARIX_ON_SERVER
// Stops the process and waits until the system shows it stopped.
void parar(QProcess& p) {
    const pid_t pid = pid_t(p.processId());
    ::kill(pid, SIGSTOP);
    for (int i = 0; i < 1000; ++i) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) return;
        const QByteArray linha = stat.readAll();
        const qsizetype fim = linha.lastIndexOf(')');  // the state follows the program's name
        if (fim < 0 || fim + 2 >= linha.size() || QByteArrayView("TtZX").contains(linha[fim + 2])) return;
        QThread::usleep(100);
    }
}

// How many in-flight documents of a run are stored in the company database
// and not yet marked in the agency file (0 or 1): the window a kill must hit.
QString janela(int code) {
    return code == 1000
               ? QStringLiteral(
                     "SELECT COUNT(*) FROM qrl_EXECUCOES e JOIN DOCGCLIN l ON l.DESCRICAO = "
                     "json_extract(e.FACTURA_PENDENTE, '$.linhas[0]') JOIN ag.[TKT Issued] t ON t.ID = "
                     "json_extract(e.FACTURA_PENDENTE, '$.ids[0]') WHERE e.FACTURA_PENDENTE <> '' AND t.Factura IS "
                     "NULL")
               : QStringLiteral(
                     "SELECT COUNT(*) FROM qrl_EXECUCOES e JOIN DOCFINCAB f ON f.ID > CAST(json_extract("
                     "e.RECIBO_PENDENTE, '$.ultimoDocumento') AS INTEGER) AND f.Terceiro = json_extract("
                     "e.RECIBO_PENDENTE, '$.conta') JOIN ag.Transferencias t ON t.ID = json_extract(e.RECIBO_PENDENTE, "
                     "'$.ids[0]') WHERE e.RECIBO_PENDENTE <> '' AND IFNULL(t.estado_importado, '') = ''");
}

// Runs operation `code` of the company, looks at it stopped again and again
// until its document is stored and not yet marked, and kills it there
// (SIGKILL). A few runs at most; false when none was caught in the window.
bool matarNaJanela(const DemoFolder& d, int code) {
    QRandomGenerator acaso(20261208);
    for (int tentativa = 0; tentativa < 4; ++tentativa) {
        auto run = iniciar(operacao(d, code));
        while (corre(*run)) {
            parar(*run);
            if (espreitar(d.companyDatabase(), janela(code), d.agency()).value_or(0) > 0) {
                run->kill();
                run->waitForFinished();
                return true;
            }
            ::kill(pid_t(run->processId()), SIGCONT);
            QThread::usleep(acaso.bounded(500, 5000));
        }
    }
    return false;
}

// Waits until the process holds the agency file's lock (the lock file beside
// it names its process); false when it ended first.
bool esperarBloqueioDaAgencia(const DemoFolder& d, QProcess& p) {
    struct stat estado {};
    if (::stat(QFile::encodeName(d.agency()).constData(), &estado) != 0) return false;
    QFile bloqueio(QFileInfo(d.agency()).dir().filePath(QStringLiteral(".telvarix-%1.lock").arg(estado.st_ino)));
    const QByteArray pid = '\t' + QByteArray::number(p.processId()) + '\t';
    while (corre(p)) {
        if (bloqueio.open(QIODevice::ReadOnly)) {
            const bool detido = bloqueio.readAll().contains(pid);
            bloqueio.close();
            if (detido) return true;
        }
        QThread::msleep(2);
    }
    return false;
}

// What a refused run must leave as it was: the agency file's marks and the
// company's documents.
std::string marcasEDocumentos(const QString& agencia, const QString& empresa) {
    const QString marcas =
        scalar(agencia, QStringLiteral("SELECT (SELECT group_concat(IFNULL(Factura, '-')) FROM [TKT Issued]) || '|' || "
                                       "(SELECT group_concat(IFNULL(estado_importado, '-')) FROM Transferencias)"))
            .toString();
    const QString documentos =
        scalar(empresa, QStringLiteral("SELECT (SELECT COUNT(*) FROM DOCGCCAB) || '/' || (SELECT COUNT(*) FROM "
                                       "DOCFINCAB)"))
            .toString();
    return (marcas + u'|' + documentos).toStdString();
}

#endif

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

#ifndef TELVARIX_ON_SERVER  // what the agency lock does is the same whatever holds the company
// Two companies whose BDNOME is one agency file (two legal entities on one
// back-office database). A run of the first killed between storing a document
// and marking its rows keeps the second company's runs out until its own rerun
// has completed it, and no other name of the file is a way round its lock.
TEST(AgencyFileE2e, TwoCompaniesOnOneAgencyFileNeverPutARowInTwoDocuments) {
    QTemporaryDir dir;
    const DemoFolder a = setupDemo(dir.path(), 400, Backend::Embedded, 60);
    const DemoFolder b = setupDemo(dir.path(), 0, Backend::Embedded, 0, QStringLiteral("EMPR02"));
    const auto iniciais = marcasIniciais(a);
    const QDir pasta = QFileInfo(a.agency()).dir();
    const QString simbolica = pasta.filePath(QStringLiteral("simbolica.accdb"));
    const QString fisica = pasta.filePath(QStringLiteral("fisica.accdb"));
    ASSERT_TRUE(QFile::link(a.agency(), simbolica));
    ASSERT_EQ(::link(QFile::encodeName(a.agency()).constData(), QFile::encodeName(fisica).constData()), 0);
    const auto agenciaDeB = [&](const QString& caminho) {
        execute(b.companyDatabase(), QStringLiteral("UPDATE qrl_PARAMETROS SET BDNOME = '%1'").arg(caminho));
    };
    for (const int code : {1000, 1003}) {
        ASSERT_TRUE(matarNaJanela(a, code)) << "operation " << code << ": never seen between store and mark";
        agenciaDeB(a.agency());
        const std::string antes = marcasEDocumentos(a.agency(), b.companyDatabase());
        const HostRun recusada = runHost(operacao(b, code));
        EXPECT_EQ(recusada.exitCode, 4) << recusada.out.toStdString();
        EXPECT_TRUE(recusada.out.contains(QStringLiteral("abra a empresa EMPR01"))) << recusada.out.toStdString();
        EXPECT_EQ(marcasEDocumentos(a.agency(), b.companyDatabase()), antes) << "operation " << code;

        // The first company's rerun completes it; while it holds the lock,
        // the second is refused under any other name of the file.
        auto rerun = iniciar(operacao(a, code));
        ASSERT_TRUE(esperarBloqueioDaAgencia(a, *rerun)) << "operation " << code;
        parar(*rerun);
        for (const QString& nome : {simbolica, fisica}) {
            agenciaDeB(nome);
            const HostRun r = runHost(operacao(b, code));
            EXPECT_EQ(r.exitCode, 4) << nome.toStdString();
            EXPECT_TRUE(r.out.contains(QStringLiteral("está a ser usado por outra operação (empresa EMPR01")))
                << nome.toStdString() << ":\n"
                << r.out.toStdString();
        }
        ::kill(pid_t(rerun->processId()), SIGCONT);
        rerun->waitForFinished(600000);
        EXPECT_EQ(rerun->exitCode(), 0) << "operation " << code;
        agenciaDeB(a.agency());
        EXPECT_EQ(runHost(operacao(b, code)).exitCode, 0) << "operation " << code;
    }
    const std::vector<DemoFolder> empresas{a, b};
    verificarBilhetes(a.agency(), empresas, iniciais, "two companies");
    verificarRecibos(a.agency(), empresas, "two companies");
}

TEST(AgencyFileE2e, AnAgencyFileRemovedDuringARunEndsItInAnErrorNamingTheFile) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 400);
    auto run = iniciar(operacao(d, 1000));
    const QString facturas = QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB WHERE VOSSONDOC <> ''");
    while (corre(*run) && espreitar(d.companyDatabase(), facturas).value_or(0) == 0) QThread::msleep(2);
    ASSERT_TRUE(corre(*run)) << "the run ended before its first invoice was seen";
    parar(*run);
    ASSERT_TRUE(QFile::remove(d.agency()));
    ::kill(pid_t(run->processId()), SIGCONT);
    run->waitForFinished(600000);
    const QString out = QString::fromUtf8(run->readAllStandardOutput());
    EXPECT_EQ(run->exitCode(), 3);
    EXPECT_TRUE(out.contains(QStringLiteral("Erro ao importar.")) && out.contains(d.agency())) << out.toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral("terminou com êxito"))) << out.toStdString();
}

#endif

INSTANTIATE_TEST_SUITE_P(Backends, ExactlyOnceE2e, ::testing::ValuesIn(programBackends()), backendName);

}  // namespace
}  // namespace tvx::testing
