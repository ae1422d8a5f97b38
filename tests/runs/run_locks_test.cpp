// The runs' locks over a real company database and real files: one run at a
// time per company and per agency file, across processes, the lock of a
// process that died taken over, the in-flight record kept across a crash.
#include "runs/run_locks.h"
#include "host_api/dal_ligacao.h"
#include "host_api/host_classes.h"
#include "host_erp/host_fixture.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/class_registry.h"
#include "runs/agency_lock.h"
#include "runs/company_run_lock.h"
#include "settings/dal_comandos.h"
#include "support/fake_message_box.h"

#include <QDateTime>
#include <QFile>

#include <sys/wait.h>
#include <unistd.h>

namespace tvx {
namespace {

using Coluna = CompanyRunLock::Coluna;

class CompanyRunLockTest : public host_erp::testing::HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        comandos = ligado();
    }
    DalComandos ligado() {
        auto ligacao = std::dynamic_pointer_cast<DalLigacao>(registry::create(host_classes::DalLigacao));
        EXPECT_TRUE(ligacao->Abrir(addinConnectionString()));
        DalComandos c;
        c.HlpDb_LigacaoSet(ligacao);
        return c;
    }
    // Runs `corpo` in a child process that then ends without any cleanup.
    // Its exit status.
    template <class F>
    int noFilho(F corpo) {
        const pid_t filho = ::fork();
        if (filho == 0) {
            DalComandos proprio = ligado();
            corpo(proprio);
            ::_exit(0);
        }
        int estado = 0;
        ::waitpid(filho, &estado, 0);
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    }
    static DocumentoPendente pendente(std::int32_t id) {
        DocumentoPendente p;
        p.tipoDocumento = QStringLiteral("FT");
        p.agencia = QStringLiteral("/agencia/a.db");
        p.conta = QStringLiteral("C0001");
        p.referencia = QStringLiteral("R'1");  // quotes travel safely
        p.ids = {id, id + 1};
        p.linhas = {QStringLiteral("Bilhete Nº074 1"), QStringLiteral("Bilhete Nº074 2")};
        return p;
    }

    DalComandos comandos;
};

TEST_F(CompanyRunLockTest, OneRunAtATimeAndTheSecondIsToldWhoHoldsIt) {
    CompanyRunLock primeiro(comandos, 1000, Coluna::Factura);
    ASSERT_TRUE(primeiro.adquirir(QStringLiteral("EMPR01")));

    // A second run, even of this same process (a re-entry through the message loop), is refused.
    CompanyRunLock segundo(comandos, 1003, Coluna::Recibo);
    EXPECT_FALSE(segundo.adquirir(QStringLiteral("EMPR01")));
    EXPECT_TRUE(segundo.recusa().contains(QStringLiteral("EMPR01")));
    EXPECT_TRUE(segundo.recusa().contains(QStringLiteral("processo %1").arg(::getpid())))
        << segundo.recusa().toStdString();

    // Another process is refused too, while this one lives.
    EXPECT_EQ(noFilho([](DalComandos& c) {
                  CompanyRunLock outro(c, 1000, Coluna::Factura);
                  ::_exit(outro.adquirir(QStringLiteral("EMPR01")) ? 1 : 2);
              }),
              2);

    primeiro.libertar();
    EXPECT_TRUE(segundo.adquirir(QStringLiteral("EMPR01")));
}

TEST_F(CompanyRunLockTest, TheLockAndRecordOfAProcessThatDiedAreTakenOverAtOnce) {
    noFilho([](DalComandos& c) {
        CompanyRunLock lock(c, 1000, Coluna::Factura);
        if (lock.adquirir(QStringLiteral("EMPR01"))) lock.registar(pendente(7));
        ::_exit(0);  // dies holding the lock, the invoice in flight
    });
    CompanyRunLock lock(comandos, 1000, Coluna::Factura);
    ASSERT_TRUE(lock.adquirir(QStringLiteral("EMPR01")));
    EXPECT_EQ(lock.anterior(), pendente(7));

    // Not settled: freeing the lock keeps the record for the next run.
    lock.libertar();
    CompanyRunLock seguinte(comandos, 1000, Coluna::Factura);
    ASSERT_TRUE(seguinte.adquirir(QStringLiteral("EMPR01")));
    EXPECT_EQ(seguinte.anterior(), pendente(7));
    // The transfer runs keep their own record.
    seguinte.resolvido();
    seguinte.libertar();
    CompanyRunLock recibos(comandos, 1003, Coluna::Recibo);
    ASSERT_TRUE(recibos.adquirir(QStringLiteral("EMPR01")));
    EXPECT_TRUE(recibos.anterior().vazio());
    recibos.libertar();
    CompanyRunLock limpo(comandos, 1000, Coluna::Factura);
    ASSERT_TRUE(limpo.adquirir(QStringLiteral("EMPR01")));
    EXPECT_TRUE(limpo.anterior().vazio());
}

TEST_F(CompanyRunLockTest, AnotherWorkstationsLockIsTakenOverOnlyAfterFiveMinutesWithoutASignOfLife) {
    CompanyRunLock criador(comandos, 1000, Coluna::Factura);
    ASSERT_TRUE(criador.adquirir(QStringLiteral("EMPR01")));
    criador.libertar();
    const auto posto = [&](qint64 segundos) {
        const QString hora =
            QDateTime::currentDateTimeUtc().addSecs(-segundos).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
        comandos.HlpDb_Executar(QStringLiteral("UPDATE qrl_EXECUCOES SET ESTACAO = 'POSTO-7', PROCESSO = 4242, "
                                               "ARRANQUE = 1, INICIO = '%1', BATIMENTO = '%1'")
                                    .arg(hora));
    };
    posto(60);
    CompanyRunLock lock(comandos, 1000, Coluna::Factura);
    EXPECT_FALSE(lock.adquirir(QStringLiteral("EMPR01")));
    EXPECT_TRUE(lock.recusa().contains(QStringLiteral("POSTO-7"))) << lock.recusa().toStdString();
    posto(CompanyRunLock::SegundosAteAbandono + 60);
    EXPECT_TRUE(lock.adquirir(QStringLiteral("EMPR01")));

    // The workstation comes back and finds its lock gone: its next record is refused.
    CompanyRunLock perdido(comandos, 1000, Coluna::Factura);
    EXPECT_FALSE(perdido.adquirir(QStringLiteral("EMPR01")));
    posto(0);
    EXPECT_THROW(lock.registar(pendente(1)), AutomationError);
}

class AgencyLockTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString ficheiro = dir.filePath(QStringLiteral("agencia.db"));
};

TEST_F(AgencyLockTest, OneHolderPerFileUntilItLetsGoOrDies) {
    AgencyLock primeiro;
    ASSERT_TRUE(primeiro.adquirir(ficheiro)) << primeiro.recusa().toStdString();
    AgencyLock segundo;
    EXPECT_FALSE(segundo.adquirir(ficheiro));
    EXPECT_TRUE(segundo.recusa().contains(QStringLiteral("processo %1").arg(::getpid())))
        << segundo.recusa().toStdString();
    primeiro.libertar();
    EXPECT_TRUE(segundo.adquirir(ficheiro));
    segundo.libertar();

    // A holder that is killed frees the file without anyone's help.
    int pronto[2];
    ASSERT_EQ(::pipe(pronto), 0);
    const pid_t filho = ::fork();
    if (filho == 0) {
        AgencyLock lock;
        const char ok = lock.adquirir(ficheiro) ? 'y' : 'n';
        (void)!::write(pronto[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(pronto[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    AgencyLock enquantoVive;
    EXPECT_FALSE(enquantoVive.adquirir(ficheiro));
    ::kill(filho, SIGKILL);
    ::waitpid(filho, nullptr, 0);
    EXPECT_TRUE(enquantoVive.adquirir(ficheiro));
}

TEST_F(AgencyLockTest, AFolderThatCannotHoldTheLockFileRefusesWithItsReason) {
    AgencyLock lock;
    EXPECT_FALSE(lock.adquirir(dir.filePath(QStringLiteral("sumiu/agencia.db"))));
    EXPECT_TRUE(lock.recusa().contains(QStringLiteral("sumiu/agencia.db.lock"))) << lock.recusa().toStdString();
}

TEST_F(CompanyRunLockTest, ARefusedAgencyLockIsShownUnderTheRunsTitleAndGivesTheCompanyLockBack) {
    const QString ficheiro = base.filePath(QStringLiteral("agencia.db"));
    AgencyLock outro;
    ASSERT_TRUE(outro.adquirir(ficheiro));
    testing::FakeMessageBox mensagens;
    RunLocks locks(comandos, 1000, Coluna::Factura);
    EXPECT_FALSE(locks.adquirir(QStringLiteral("EMPR01"), ficheiro, mensagens, QStringLiteral("Importação")));
    ASSERT_EQ(mensagens.calls().size(), 1u);
    EXPECT_EQ(mensagens.last().title, QStringLiteral("Importação"));
    EXPECT_TRUE(mensagens.last().prompt.startsWith(QStringLiteral("O ficheiro da agência ")));
    CompanyRunLock empresa(comandos, 1003, Coluna::Recibo);
    EXPECT_TRUE(empresa.adquirir(QStringLiteral("EMPR01")));
}

}  // namespace
}  // namespace tvx
