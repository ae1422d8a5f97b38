// A power cut during the ticket import: the disk keeps only what was synced.
// The run goes on to call N of its host document calls, company writes and
// agency writes (the host's commit of a document lies between its Inserir
// and the next call), the company and agency files are taken as a power cut
// there would leave them (support/power_cut_vfs.h), and a run on them
// without faults must leave each ticket in exactly one invoice, marked with
// it. The in-flight record has no sync of its own: this holds only because
// the document's commit syncs it and the agency's marks are synced before
// the next record replaces it.
#include "addin/addin_runs.h"
#include "addin/solucao.h"
#include "agency_demo/agency_db.h"
#include "agency_demo/agency_db_generator.h"
#include "host_api/host_classes.h"
#include "host_erp/host_fixture.h"
#include "platform/automation/class_registry.h"
#include "platform/automation/clock.h"
#include "settings/dal_comandos.h"
#include "support/bilhete_do_dia.h"
#include "support/fake_desktop.h"
#include "support/power_cut_vfs.h"
#include "support/probed_access.h"
#include "support/sqlite_first_column.h"
#include "telvarix-host/demo_parameters.h"

#include <sqlite3.h>
#include <QDir>
#include <QDirIterator>

#include <sys/wait.h>
#include <unistd.h>

namespace tvx::testing {
namespace {

using agency::AgencyDb;

QStringList consulta(const QString& ficheiro, const QString& sql) { return sqliteFirstColumn(ficheiro, sql); }

void copiarPasta(const QString& de, const QString& para) {
    QDirIterator it(de, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString origem = it.next();
        const QString destino = QDir(para).filePath(QDir(de).relativeFilePath(origem));
        QDir().mkpath(QFileInfo(destino).path());
        QFile::copy(origem, destino);
    }
}

// The shim itself: a commit at synchronous = OFF is lost, one at FULL is kept.
TEST(PowerCutVfs, KeepsWhatWasSyncedAndLosesTheRest) {
    QTemporaryDir dir;
    const QString pasta = dir.filePath(QStringLiteral("a")), corte = dir.filePath(QStringLiteral("b"));
    QDir().mkpath(pasta);
    PowerCutVfs vfs;
    vfs.settle(pasta);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QDir(pasta).filePath(QStringLiteral("x.db")).toUtf8().constData(), &db), SQLITE_OK);
    const auto exec = [&](const char* sql) { ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK); };
    exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL; CREATE TABLE t (v INTEGER); INSERT INTO t VALUES (1)");
    exec("PRAGMA synchronous = OFF; INSERT INTO t VALUES (2)");
    vfs.cut(pasta, corte);
    exec("PRAGMA synchronous = FULL; INSERT INTO t VALUES (3)");  // syncs the log, 2 with it
    vfs.cut(pasta, dir.filePath(QStringLiteral("c")));
    sqlite3_close(db);
    EXPECT_EQ(consulta(QDir(corte).filePath(QStringLiteral("x.db")), QStringLiteral("SELECT v FROM t")),
              QStringList{QStringLiteral("1")});
    EXPECT_EQ(consulta(dir.filePath(QStringLiteral("c/x.db")), QStringLiteral("SELECT v FROM t")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
}

class PowerCut : public host_erp::testing::HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        settings->probe = [this](const char* chamada) { sondar(chamada); };
        registry::registerClass(addin::AccessProgId, [this] {
            return std::make_shared<ProbedAccess>([this](const char* c) { sondar(c); });
        });
        QDir(base.path()).mkpath(QStringLiteral("quorel"));
        writeSettings(QStringLiteral("quorel/BRISKO.EMPR01"),
                      QStringLiteral("[Api Vesk]\r\nLogin=vesk\r\npassword=vesk\r\nEmpresa=EMPR01\r\n"
                                     "[Ligação]\r\nServidor=SRV\\INST\r\nBaseDados=EMPR01\r\n"));
        auto ligacao = std::dynamic_pointer_cast<DalLigacao>(registry::create(host_classes::DalLigacao));
        ASSERT_TRUE(ligacao->Abrir(addinConnectionString()));
        DalComandos comandos;
        comandos.HlpDb_LigacaoSet(ligacao);
        comandos.HlpDb_ParametrosCreate();
        host_app::insertDemoParameters(*ligacao, {base.filePath(QStringLiteral("agencia.db")), 1});
        ligacao->Fechar();
        AgencyDb a = AgencyDb::create(base.filePath(QStringLiteral("agencia.db")));
        a.add(agency::Periodo{agency::periodo::Dia, QStringLiteral("DIA")});
        // Three invoices: R1/C0001 of two tickets, R1/C0002 and R2/C0001 of one.
        for (const auto& [id, ref, conta] : {std::tuple{1, "R1", "C0001"}, std::tuple{2, "R1", "C0001"},
                                             std::tuple{3, "R1", "C0002"}, std::tuple{4, "R2", "C0001"}})
            a.add(bilheteDoDia(id, ref, conta));
        a.close();
    }
    void TearDown() override {
        registry::unregisterClass(addin::AccessProgId);
        HostFixture::TearDown();
    }

    void sondar(const char*) {
        if (++chamadas_ == cortarEm_ && vfs_) {
            vfs_->cut(pasta_, pasta_ + QStringLiteral("-corte"));
            ::_exit(0);  // the power went: nothing more reaches the disk
        }
    }

    // A copy of the prepared base folder, made the host's, its agency file named in its parameters.
    void novaCopia(int n) {
        pasta_ = copias_.filePath(QString::number(n));
        copiarPasta(base.path(), pasta_);
        settings->baseFolderSetting = pasta_;
        consulta(empresa(), QStringLiteral("UPDATE qrl_PARAMETROS SET BDNOME = '%1'").arg(agencia()));
    }
    QString agencia() const { return QDir(pasta_).filePath(QStringLiteral("agencia.db")); }
    QString empresa() const {
        return host_erp::companyFilePath(pasta_, QStringLiteral("SRV\\INST"), QStringLiteral("EMPR01"));
    }

    void correr() {
        chamadas_ = 0;
        addin::Solucao solucao(desktop_, std::make_shared<addin::AddinRuns>());
        if (!solucao.ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("vesk"))) return;
        Variant pai, op(addin::OpImportarBilhetes), user(QStringLiteral("vesk"));
        solucao.Operacoes(pai, op, user);
        tryIgnoringError([&] { solucao.ConnectionClose(); });
    }
    // The run in a child process whose power goes at call `n`; the folder is
    // then what the disk kept (the whole folder when the run ended first).
    void correrAteCorte(int n) {
        const pid_t filho = ::fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            PowerCutVfs vfs;
            vfs.settle(pasta_);
            vfs_ = &vfs;
            cortarEm_ = n;
            correr();
            ::_exit(0);
        }
        int estado = 0;
        ::waitpid(filho, &estado, 0);
        const QString corte = pasta_ + QStringLiteral("-corte");
        if (!QDir(corte).exists()) return;
        QDir(pasta_).removeRecursively();
        ASSERT_TRUE(QDir().rename(corte, pasta_));
    }
    int chamadas() const { return chamadas_; }

    // Each ticket in exactly one invoice, and marked with that invoice.
    void verificar(const std::string& caso) {
        const QStringList marcas =
            consulta(agencia(), QStringLiteral("SELECT IFNULL(Factura, '') FROM [TKT Issued] ORDER BY ID"));
        ASSERT_EQ(marcas.size(), 4) << caso;
        for (int id = 1; id <= 4; ++id) {
            const QStringList facturas = consulta(
                empresa(),
                QStringLiteral("SELECT 'Tumo Vesk-' || c.TPDOC || ' ' || c.NNUMDOC || '/' || c.SERIE || '/' || c.ANO "
                               "FROM DOCGCCAB c JOIN DOCGCLIN l ON l.IDCAB = c.ID WHERE l.DESCRICAO = "
                               "'Bilhete Nº07404712345%1'")
                    .arg(id));
            ASSERT_EQ(facturas.size(), 1) << caso << ": ticket " << id << " is in " << facturas.size() << " invoices";
            EXPECT_EQ(marcas[id - 1], facturas[0]) << caso << ": ticket " << id;
        }
    }

    ScopedClock relogio_{QDateTime(QDate(2024, 3, 11), QTime(10, 30))};
    std::shared_ptr<FakeDesktop> desktop_ = std::make_shared<FakeDesktop>();
    QTemporaryDir copias_;
    QString pasta_;
    PowerCutVfs* vfs_ = nullptr;
    int cortarEm_ = 0;
    int chamadas_ = 0;
};

TEST_F(PowerCut, AtEveryCallOfTheRunThenARerunLeavesEachTicketInOneInvoice) {
    novaCopia(0);
    correr();
    const int total = chamadas();
    ASSERT_GT(total, 6);
    verificar("without a cut");
    for (int n = 1; n <= total; ++n) {
        novaCopia(n);
        correrAteCorte(n);
        correr();
        verificar("power cut at call " + std::to_string(n) + " of " + std::to_string(total));
    }
}

}  // namespace
}  // namespace tvx::testing
