// Each ticket in exactly one invoice, each transfer in exactly one receipt,
// whatever happens: the add-in over the stand-in host and a real agency
// file, with call N of the run's host document calls, company database
// writes and agency writes made to fail — with an error, or by ending the
// process there as a crash would — or host document call N refused (it
// answers non-zero, as the host refuses a document), and then a run
// without faults. The company database is the embedded file, or a database
// on the program's throwaway server copied from a prepared one for each
// fault (see tested_backend.h).
#include "addin/addin_runs.h"
#include "addin/solucao.h"
#include "agency_demo/agency_db.h"
#include "agency_demo/agency_db_generator.h"
#include "host_api/host_classes.h"
#include "host_erp/company_server.h"
#include "host_erp/host_fixture.h"
#include "host_erp/host_refusal.h"
#include "platform/ado/recordset.h"
#include "platform/automation/class_registry.h"
#include "platform/automation/clock.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"
#include "settings/dal_comandos.h"
#include "support/bilhete_do_dia.h"
#include "support/fake_desktop.h"
#include "support/pg_test_server.h"
#include "support/probed_access.h"
#include "support/sqlite_first_column.h"
#include "support/tested_backend.h"
#include "telvarix-host/demo_invoices.h"
#include "telvarix-host/demo_parameters.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>

#include <sys/wait.h>
#include <unistd.h>

namespace tvx::testing {
namespace {

using agency::AgencyDb;

// How call N fails: an error raised, the process ended, or (document calls
// only) a refusal; or the user asks the run to stop at row N.
enum class Modo { Erro, Queda, Recusa, Parar };

// The host calls that answer a refusal rather than raise.
bool recusavel(const char* chamada) { return QByteArray(chamada).contains("Document."); }

const char* nomeDo(Modo modo) {
    switch (modo) {
        case Modo::Erro:
            return "error";
        case Modo::Queda:
            return "crash";
        case Modo::Recusa:
            return "refusal";
        case Modo::Parar:
            return "stop";
    }
    return "";
}

struct Falha {
    int n = 0;  // 0: no fault
    Modo modo = Modo::Erro;
};

// Counts the probed calls of a run and fails the chosen one.
class Sonda {
public:
    void armar(Falha falha) {
        falha_ = falha;
        chamadas_ = 0;
        recusaveis_ = 0;
        recusada_.clear();
    }
    // The calls of the last run: all, or those that can refuse.
    int chamadas(Modo modo) const { return modo == Modo::Recusa ? recusaveis_ : chamadas_; }
    // The call refused, if any.
    const QString& recusada() const { return recusada_; }
    void operator()(const char* chamada) {
        const bool podeRecusar = recusavel(chamada);
        ++chamadas_;
        if (podeRecusar) ++recusaveis_;
        if (falha_.modo == Modo::Recusa) {
            if (!podeRecusar || recusaveis_ != falha_.n) return;
            recusada_ = QLatin1String(chamada);
            throw host_erp::Refusal{QStringLiteral("Recusa injectada em ") + recusada_};
        }
        if (chamadas_ != falha_.n) return;
        if (falha_.modo == Modo::Queda) ::_exit(0);  // no unwinding, no cleanup: as a kill would leave it
        throw AutomationError(-2147467259, QStringLiteral("Falha injectada em ") + QLatin1String(chamada));
    }

private:
    Falha falha_;
    int chamadas_ = 0;
    int recusaveis_ = 0;
    QString recusada_;
};

QStringList consulta(const QString& ficheiro, const QString& sql) { return sqliteFirstColumn(ficheiro, sql); }

// The same on a database of the server, in its own SQL.
QStringList consulta(const sql::ServerLogin& login, const QString& sql) {
    QStringList out;
    const auto db = sql::Connection::openPostgres(login, nullptr);
    for (auto rs = db->Query(sql); rs->State() == ado::adStateOpen && !rs->Eof(); rs->MoveNext())
        out << CStr(rs->value(0));
    return out;
}

void copiarPasta(const QString& de, const QString& para) {
    QDir().mkpath(para);
    QDirIterator it(de, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString origem = it.next();
        const QString destino = QDir(para).filePath(QDir(de).relativeFilePath(origem));
        if (it.fileInfo().isDir())
            QDir().mkpath(destino);
        else
            QFile::copy(origem, destino);
    }
}

class ExactlyOnce : public host_erp::testing::HostFixture {
protected:
    virtual Backend backend() const = 0;
    void SetUp() override {
        HostFixture::SetUp();
        settings->probe = [this](const char* chamada) { sonda_(chamada); };
        registry::registerClass(addin::AccessProgId, [this] {
            return std::make_shared<ProbedAccess>([this](const char* c) { sonda_(c); });
        });
        servidor_ = serverAddress(backend());
        if (!servidor_.isEmpty()) {
            // QtSql finds its PostgreSQL driver (which makes the company) under an application object.
            static int argc = 1;
            static char name[] = "test_exactly_once_server";
            static char* argv[] = {name, nullptr};
            static QCoreApplication app(argc, argv);
            baseDados_ = PgTestServer::shared().freshName(QStringLiteral("exactly_once"));
            host_erp::createDemoServerCompany(login());
        }
        QDir(base.path()).mkpath(QStringLiteral("quorel"));
        definicoes(base.path());
        agencia_ = base.filePath(QStringLiteral("agencia.db"));
    }
    void TearDown() override {
        registry::unregisterClass(addin::AccessProgId);
        HostFixture::TearDown();
    }

    // The settings file of the base folder `pasta`, naming the company database.
    void definicoes(const QString& pasta) const {
        QFile f(QDir(pasta).filePath(QStringLiteral("quorel/BRISKO.EMPR01")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QStringLiteral("[Api Vesk]\r\nLogin=vesk\r\npassword=vesk\r\nEmpresa=EMPR01\r\n"
                               "[Ligação]\r\nServidor=%1\r\nBaseDados=%2\r\n")
                    .arg(servidor_.isEmpty() ? QStringLiteral("SRV\\INST") : servidor_, baseDados_)
                    .toLatin1());
    }
    // The connection string the add-in builds for the company database.
    QString ligacao() const {
        return servidor_.isEmpty() ? addinConnectionString()
                                   : QStringLiteral(
                                         "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=%1;"
                                         "Initial Catalog=%2;Integrated Security=SSPI;")
                                         .arg(servidor_, baseDados_);
    }
    sql::ServerLogin login() const { return host_erp::serverLogin(servidor_, baseDados_, {}, {}); }

    // The parameters row, made as the add-in makes its table.
    void parametros(int finaliza) {
        auto ligacao = std::dynamic_pointer_cast<DalLigacao>(registry::create(host_classes::DalLigacao));
        ASSERT_TRUE(ligacao->Abrir(this->ligacao()));
        DalComandos comandos;
        comandos.HlpDb_LigacaoSet(ligacao);
        comandos.HlpDb_ParametrosCreate();
        host_app::insertDemoParameters(*ligacao, {agencia_, finaliza});
    }

    // One run of `operacao` by a new entry object, as the host would make it
    // (Remocao: the maintenance command `comando_`, as the editor hands it on).
    void correr(std::int32_t operacao, Falha falha = {}) {
        sonda_.armar(falha);
        addin::Solucao solucao(desktop, std::make_shared<addin::AddinRuns>());
        if (!solucao.ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("vesk"))) return;
        if (operacao == Remocao) {
            addin::AddinRuns().pManutencaoExecutar(solucao, comando_, QString());
        } else {
            Variant pai, op(operacao), user(QStringLiteral("vesk"));
            solucao.Operacoes(pai, op, user);
        }
        tryIgnoringError([&] { solucao.ConnectionClose(); });
    }
    static constexpr std::int32_t Remocao = -1;
    QString comando_;
    // The same run in a child process that ends at call N.
    void correrAteQueda(std::int32_t operacao, int n) {
        const pid_t filho = ::fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            correr(operacao, {n, Modo::Queda});
            ::_exit(0);
        }
        int estado = 0;
        ::waitpid(filho, &estado, 0);
    }

    // How many calls (of those `modo` strikes) a faultless run of `operacao` makes, on a copy of the base folder.
    int calibrar(std::int32_t operacao, Modo modo) {
        const QString pasta = novaCopia();
        desktop->progress.clear();
        correr(operacao);
        const int n = modo == Modo::Parar
                          ? int(desktop->progress.filter(QRegularExpression(QStringLiteral("^value "))).size())
                          : sonda_.chamadas(modo);
        largar(pasta);
        return n;
    }

    // A fresh copy of the prepared base folder, made the host's, its agency file named in its parameters.
    // On the server the company database itself is put back as it was prepared.
    QString novaCopia() {
        const QString pasta = copias_.filePath(QString::number(++copias));
        copiarPasta(base.path(), pasta);
        settings->baseFolderSetting = pasta;
        if (!servidor_.isEmpty()) {
            if (copias == 1)
                PgTestServer::shared().keep(baseDados_);
            else
                PgTestServer::shared().restore(baseDados_);
        }
        consultaEscrita(QStringLiteral("UPDATE qrl_PARAMETROS SET BDNOME = '%1'").arg(agenciaDe(pasta)));
        return pasta;
    }
    // Back to the prepared base folder, the copy gone.
    void largar(const QString& pasta) {
        settings->baseFolderSetting = base.path();
        QDir(pasta).removeRecursively();
    }
    QString agenciaDe(const QString& pasta) const { return QDir(pasta).filePath(QStringLiteral("agencia.db")); }
    QString empresa() const {
        return host_erp::companyFilePath(settings->baseFolderSetting, QStringLiteral("SRV\\INST"),
                                         QStringLiteral("EMPR01"));
    }
    // The company database of the base folder in use, read (or written) with SQL that SQLite and PostgreSQL both speak.
    QStringList consultaEmpresa(const QString& sql) const {
        return servidor_.isEmpty() ? consulta(empresa(), sql) : consulta(login(), sql);
    }
    void consultaEscrita(const QString& sql) { (void)consultaEmpresa(sql); }

    // Whether call N of `total` is made to fail: every one on the embedded
    // file; on the server, where a run costs about four times as much, the
    // first, the last and every third.
    bool faltaEm(int n, int total) const { return servidor_.isEmpty() || n == 1 || n == total || n % 3 == 0; }

    // For every mode and N: fail call N, then run again without faults, then check.
    template <class Verificar>
    void cadaFalha(std::int32_t operacao, Verificar verificar) {
        for (const Modo modo : {Modo::Erro, Modo::Queda, Modo::Recusa, Modo::Parar}) {
            const int total = calibrar(operacao, modo);
            ASSERT_GT(total, 2) << nomeDo(modo);
            for (int n = 1; n <= total; ++n) {
                if (!faltaEm(n, total)) continue;
                const QString pasta = novaCopia();
                if (modo == Modo::Queda) {
                    correrAteQueda(operacao, n);
                } else if (modo == Modo::Parar) {
                    desktop->stopAtLine = n;
                    correr(operacao);
                    desktop->stopAtLine = 0;
                } else {
                    correr(operacao, {n, modo});
                }
                parado_ = modo == Modo::Parar;
                recusada_ = sonda_.recusada();
                correr(operacao);
                verificar(pasta, QStringLiteral("%1 at call %2 of %3").arg(nomeDo(modo)).arg(n).arg(total));
                largar(pasta);
            }
        }
    }

    ScopedClock relogio{QDateTime(QDate(2024, 3, 11), QTime(10, 30))};
    std::shared_ptr<FakeDesktop> desktop = std::make_shared<FakeDesktop>();
    QString agencia_;
    QTemporaryDir copias_;
    int copias = 0;
    QString recusada_;     // the call refused in the faulty run, if any
    bool parado_ = false;  // the faulty run was stopped by the user
    QString servidor_;     // the server's address; "": the embedded file
    QString baseDados_;    // on the server: the company database

private:
    Sonda sonda_;
};

// --- tickets --------------------------------------------------------------

class ExactlyOnceTickets : public ExactlyOnce, public ::testing::WithParamInterface<std::tuple<Backend, int>> {
protected:
    Backend backend() const override { return std::get<0>(GetParam()); }
    void SetUp() override {
        ExactlyOnce::SetUp();
        parametros(std::get<1>(GetParam()));
        AgencyDb a = AgencyDb::create(agencia_);
        a.add(agency::Periodo{agency::periodo::Dia, QStringLiteral("DIA")});
        // Three invoices: R1/C0001 of two tickets, R1/C0002 and R2/C0001 of one; one ticket rejected.
        bilhete(a, 1, "R1", "C0001");
        bilhete(a, 2, "R1", "C0001");
        bilhete(a, 3, "R1", "C0002");
        bilhete(a, 4, "R1", "C0999");  // not a customer
        bilhete(a, 5, "R2", "C0001");
        a.close();
    }
    static void bilhete(AgencyDb& a, std::int32_t id, const char* ref, const char* account) {
        agency::Bilhete t = bilheteDoDia(id, ref, account);
        t.taxas = 35.5;
        t.fees = 10;
        a.add(t);
    }
    // Each invoiceable ticket in exactly one invoice, and marked with that invoice.
    void verificar(const QString& pasta, const QString& caso) {
        const QStringList marcas =
            consulta(agenciaDe(pasta), QStringLiteral("SELECT IFNULL(Factura, '') FROM [TKT Issued] ORDER BY ID"));
        ASSERT_EQ(marcas.size(), 5) << caso.toStdString();
        for (const int id : {1, 2, 3, 5}) {
            const QStringList facturas = consultaEmpresa(
                QStringLiteral("SELECT 'Tumo Vesk-' || c.TPDOC || ' ' || c.NNUMDOC || '/' || c.SERIE || '/' || c.ANO "
                               "FROM DOCGCCAB c JOIN DOCGCLIN l ON l.IDCAB = c.ID WHERE l.DESCRICAO = "
                               "'Bilhete Nº07404712345%1'")
                    .arg(id));
            ASSERT_EQ(facturas.size(), 1)
                << caso.toStdString() << ": ticket " << id << " is in " << facturas.size() << " invoices";
            EXPECT_EQ(marcas[id - 1], facturas[0]) << caso.toStdString() << ": ticket " << id;
        }
        EXPECT_EQ(marcas[3], QString()) << caso.toStdString();
        // A run stopped inside a group of tickets finishes the invoice in hand
        // with the tickets it has; the rest of the group makes its own.
        const int facturas = consultaEmpresa(QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB")).value(0).toInt();
        if (parado_)
            EXPECT_TRUE(facturas == 3 || facturas == 4) << caso.toStdString() << ": " << facturas;
        else
            EXPECT_EQ(facturas, 3) << caso.toStdString();
    }
};

TEST_P(ExactlyOnceTickets, EveryFaultThenARerunLeavesEachTicketInOneInvoiceMarkedWithIt) {
    cadaFalha(addin::OpImportarBilhetes, [this](const QString& pasta, const QString& caso) { verificar(pasta, caso); });
}

INSTANTIATE_TEST_SUITE_P(Finaliza, ExactlyOnceTickets,
                         ::testing::Combine(::testing::ValuesIn(programBackends()), ::testing::Values(0, 1)),
                         [](const auto& info) {
                             return backendName({std::get<0>(info.param), info.index}) + "_Finaliza" +
                                    std::to_string(std::get<1>(info.param));
                         });

// --- transfers ------------------------------------------------------------

class ExactlyOnceTransfers : public ExactlyOnce, public ::testing::WithParamInterface<Backend> {
protected:
    Backend backend() const override { return GetParam(); }
    void SetUp() override {
        ExactlyOnce::SetUp();
        parametros(0);
        auto ligacao = std::dynamic_pointer_cast<DalLigacao>(registry::create(host_classes::DalLigacao));
        ASSERT_TRUE(ligacao->Abrir(this->ligacao()));
        auto api = std::dynamic_pointer_cast<SessaoApi>(registry::create(host_classes::SessaoApi));
        ASSERT_TRUE(api->Iniciar(base.filePath(QStringLiteral("quorel/BRISKO.EMPR01"))));
        api->Ligacao(ligacao);
        const QDate hoje = clock().today();
        const auto ft1 = host_app::createFinalDocument(
            *api, *ligacao, {QStringLiteral("FT"), QStringLiteral("C0001"), 100, 0, hoje.addDays(-20)});
        const auto ft2 = host_app::createFinalDocument(
            *api, *ligacao, {QStringLiteral("FT"), QStringLiteral("C0002"), 50, 0, hoje.addDays(-20)});
        api->Terminar();

        AgencyDb a = AgencyDb::create(agencia_);
        a.add(agency::Banco{1, QStringLiteral("PT50003500010001234567890"), QStringLiteral("Banco Atlântico"),
                            QStringLiteral("BAT")});
        a.add(agency::Banco{3, QStringLiteral("0000"), QStringLiteral("Numerário"), QStringLiteral("NUM")});
        a.add(agency::Cliente{1, QStringLiteral("C0001"), QStringLiteral("Lisboa")});
        a.add(agency::Cliente{2, QStringLiteral("C0002"), QStringLiteral("Lisboa")});
        const auto transferencia = [&](std::int32_t id, std::int32_t cliente, std::int32_t banco, Currency valor,
                                       const QString& fatura) {
            a.add(agency::Transferencia{id, cliente, banco, QDateTime(hoje.addDays(-10 + id), QTime(0, 0)),
                                        valor.toDouble(), QStringLiteral("TRF"),
                                        fatura.isEmpty() ? agency::Text{} : agency::Text{fatura}, std::nullopt});
        };
        transferencia(1, 1, 1, ft1.total, ft1.reference());         // settles an invoice
        transferencia(2, 2, 1, Currency::fromLong(30), QString());  // on account
        transferencia(3, 2, 1, ft1.total, ft1.reference());         // another customer's invoice: refused, on account
        transferencia(4, 2, 3, ft2.total, ft2.reference());         // the "0000" cash account
        a.close();
    }
    // Each transfer with exactly one receipt, marked with it, every receipt with its accounting entry.
    void verificar(const QString& pasta, const QString& caso) {
        const QStringList marcas = consulta(
            agenciaDe(pasta), QStringLiteral("SELECT IFNULL(estado_importado, '') FROM Transferencias ORDER BY ID"));
        const QStringList recibos =
            consultaEmpresa(QStringLiteral("SELECT TPDOC || '-' || NNUMDOC || '-' || ANO FROM DOCFINCAB ORDER BY ID"));
        ASSERT_EQ(recibos.size(), 4) << caso.toStdString() << ": " << recibos.join(u' ').toStdString();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(recibos.count(marcas[i]), 1)
                << caso.toStdString() << ": transfer " << i + 1 << " marked '" << marcas[i].toStdString() << "'";
        // Only a refusal after the receipt was stored (its reading back, or
        // its accounting entry) leaves it without an entry, and the log asks
        // for it by hand; nothing else may.
        const bool semLancamento = recusada_.startsWith(QStringLiteral("AccountingDocument.")) ||
                                   recusada_ == QStringLiteral("FinancialDocument.Ler");
        EXPECT_EQ(consultaEmpresa(
                      QStringLiteral("SELECT COUNT(*) FROM DOCFINCAB f WHERE NOT EXISTS (SELECT 1 FROM MOVCTBCAB m "
                                     "WHERE m.AREA = 'FIN' AND m.TPDOC = f.TPDOC AND m.SERIE = f.SERIE AND "
                                     "m.ANO = f.ANO AND m.NNUMDOC = f.NNUMDOC)")),
                  QStringList{semLancamento ? "1" : "0"})
            << caso.toStdString() << " " << recusada_.toStdString();
    }
};

TEST_P(ExactlyOnceTransfers, EveryFaultThenARerunLeavesEachTransferWithOneReceiptMarkedWithIt) {
    cadaFalha(addin::OpImportarTransferencias,
              [this](const QString& pasta, const QString& caso) { verificar(pasta, caso); });
}

// --- receipt removal -------------------------------------------------------

class ExactlyOnceRemoval : public ExactlyOnceTransfers {
protected:
    void SetUp() override {
        ExactlyOnceTransfers::SetUp();
        settings->baseFolderSetting = base.path();
        correr(addin::OpImportarTransferencias);  // the receipts to remove
        tipo_ = consultaEmpresa(QStringLiteral("SELECT RECTIPODOCUM FROM qrl_PARAMETROS")).value(0);
        ASSERT_GT(consultaEmpresa(QStringLiteral("SELECT COUNT(*) FROM DOCFINCAB WHERE TPDOC = '%1'").arg(tipo_))
                      .value(0)
                      .toInt(),
                  1);
        comando_ = QStringLiteral("%1 2024 1 9").arg(tipo_);
    }
    // Every receipt of the range gone with its entry, and what it settled open again.
    void verificar(const QString& caso) {
        EXPECT_EQ(consultaEmpresa(QStringLiteral("SELECT COUNT(*) FROM DOCFINCAB WHERE TPDOC = '%1'").arg(tipo_)),
                  QStringList{"0"})
            << caso.toStdString();
        EXPECT_EQ(consultaEmpresa(
                      QStringLiteral("SELECT COUNT(*) FROM MOVCTBCAB WHERE AREA = 'FIN' AND TPDOC = '%1'").arg(tipo_)),
                  QStringList{"0"})
            << caso.toStdString();
        EXPECT_EQ(consultaEmpresa(QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB c WHERE VALORPAGO <> (SELECT "
                                                 "COALESCE(SUM(l.VALORPAGO), 0) FROM DOCFINLIN l WHERE l.TPDOCLIQ = "
                                                 "c.TPDOC AND l.NNUMDOCLIQ = c.NNUMDOC AND l.SERIELIQ = c.SERIE "
                                                 "AND l.ANOLIQ = c.ANO)")),
                  QStringList{"0"})
            << caso.toStdString();
    }
    QString tipo_;
};

TEST_P(ExactlyOnceRemoval, EveryFaultThenARerunRemovesEachReceiptOnceAndReopensWhatItSettled) {
    cadaFalha(Remocao, [this](const QString&, const QString& caso) { verificar(caso); });
}

INSTANTIATE_TEST_SUITE_P(Backends, ExactlyOnceTransfers, ::testing::ValuesIn(programBackends()), backendName);
INSTANTIATE_TEST_SUITE_P(Backends, ExactlyOnceRemoval, ::testing::ValuesIn(programBackends()), backendName);

}  // namespace
}  // namespace tvx::testing
