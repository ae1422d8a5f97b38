// The runs' locks over a real company database and real files: one run at a
// time per company and per agency file, across processes, the lock of a
// process that died taken over, the in-flight record kept across a crash.
#include "runs/run_locks.h"
#include "host_api/dal_ligacao.h"
#include "host_api/host_classes.h"
#include "host_erp/host_fixture.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/class_registry.h"
#include "platform/automation/clock.h"
#include "platform/automation/conversions.h"
#include "runs/agency_lock.h"
#include "runs/company_run_lock.h"
#include "settings/dal_comandos.h"
#include "support/database_file_stub.h"
#include "support/fake_message_box.h"
#include "support/faulty_dal_ligacao.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTimeZone>

#include <optional>

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

using testing::databaseFileStub;

class AgencyLockTest : public ::testing::Test {
protected:
    QStringList ficheirosDaPasta() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    QString ficheiro = databaseFileStub(dir.filePath(QStringLiteral("agencia.db")));
};

TEST_F(AgencyLockTest, OneHolderPerFileUntilItLetsGoOrDies) {
    AgencyLock primeiro;
    ASSERT_TRUE(primeiro.adquirir(ficheiro, QStringLiteral("EMPR01"))) << primeiro.recusa().toStdString();
    AgencyLock segundo;
    EXPECT_FALSE(segundo.adquirir(ficheiro, QStringLiteral("EMPR01")));
    EXPECT_TRUE(segundo.recusa().contains(QStringLiteral("processo %1").arg(::getpid())))
        << segundo.recusa().toStdString();
    primeiro.libertar(true);
    EXPECT_TRUE(segundo.adquirir(ficheiro, QStringLiteral("EMPR01")));
    segundo.libertar(true);

    // A holder that is killed frees the file without anyone's help.
    int pronto[2];
    ASSERT_EQ(::pipe(pronto), 0);
    const pid_t filho = ::fork();
    if (filho == 0) {
        AgencyLock lock;
        const char ok = lock.adquirir(ficheiro, QStringLiteral("EMPR01")) ? 'y' : 'n';
        (void)!::write(pronto[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(pronto[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    AgencyLock enquantoVive;
    EXPECT_FALSE(enquantoVive.adquirir(ficheiro, QStringLiteral("EMPR01")));
    ::kill(filho, SIGKILL);
    ::waitpid(filho, nullptr, 0);
    EXPECT_TRUE(enquantoVive.adquirir(ficheiro, QStringLiteral("EMPR01")));
}

TEST_F(AgencyLockTest, EveryNameOfTheFileReachesTheSameLock) {
    QDir(dir.path()).mkpath(QStringLiteral("outra"));
    ASSERT_TRUE(QFile::link(ficheiro, dir.filePath(QStringLiteral("outra/ligacao.db"))));
    ASSERT_EQ(::link(QFile::encodeName(ficheiro).constData(),
                     QFile::encodeName(dir.filePath(QStringLiteral("rigida.db"))).constData()),
              0);
    AgencyLock primeiro;
    ASSERT_TRUE(primeiro.adquirir(ficheiro, QStringLiteral("EMPR01")));
    for (const QString& nome :
         {dir.filePath(QStringLiteral("outra/ligacao.db")), dir.filePath(QStringLiteral("rigida.db")),
          dir.filePath(QStringLiteral("outra/../agencia.db"))}) {
        AgencyLock outro;
        EXPECT_FALSE(outro.adquirir(nome, QStringLiteral("EMPR02"))) << nome.toStdString();
    }
}

TEST_F(AgencyLockTest, APathThatIsNotADatabaseIsRefusedAndNothingIsMadeBesideIt) {
    QFile texto(dir.filePath(QStringLiteral("passwd")));
    texto.open(QIODevice::WriteOnly);
    texto.write("root:x:0:0:root:/root:/bin/bash\n");
    texto.close();
    const QStringList antes = ficheirosDaPasta();
    for (const QString& nome :
         {dir.filePath(QStringLiteral("passwd")), dir.filePath(QStringLiteral("sumiu/agencia.db")),
          dir.filePath(QStringLiteral("nada.db")), dir.path()}) {
        AgencyLock lock;
        EXPECT_FALSE(lock.adquirir(nome, QStringLiteral("EMPR01")));
        EXPECT_TRUE(lock.recusa().contains(nome)) << lock.recusa().toStdString();
    }
    EXPECT_EQ(ficheirosDaPasta(), antes);
}

TEST_F(AgencyLockTest, ACompanyThatEndedUncleanlyKeepsTheFileFromOtherCompaniesUntilItRunsAgain) {
    {
        AgencyLock a;
        ASSERT_TRUE(a.adquirir(ficheiro, QStringLiteral("EMPRA")));
        a.libertar(false);  // something left in flight
    }
    AgencyLock b;
    EXPECT_FALSE(b.adquirir(ficheiro, QStringLiteral("EMPRB")));
    EXPECT_TRUE(b.recusa().contains(QStringLiteral("abra a empresa EMPRA"))) << b.recusa().toStdString();
    {
        AgencyLock a;  // the same company completes it
        ASSERT_TRUE(a.adquirir(ficheiro, QStringLiteral("EMPRA")));
        a.libertar(true);
    }
    EXPECT_TRUE(b.adquirir(ficheiro, QStringLiteral("EMPRB")));
}

TEST_F(AgencyLockTest, AFileRemovedOrReplacedDuringTheRunIsNoticed) {
    AgencyLock lock;
    ASSERT_TRUE(lock.adquirir(ficheiro, QStringLiteral("EMPR01")));
    EXPECT_NO_THROW(lock.verificar());
    ASSERT_TRUE(QFile::rename(ficheiro, ficheiro + QStringLiteral(".old")));
    EXPECT_THROW(lock.verificar(), AutomationError);
    databaseFileStub(ficheiro);  // another file under the same name
    EXPECT_THROW(lock.verificar(), AutomationError);
}

TEST_F(CompanyRunLockTest, ARefusedAgencyLockIsShownUnderTheRunsTitleAndGivesTheCompanyLockBack) {
    const QString ficheiro = databaseFileStub(base.filePath(QStringLiteral("agencia.db")));
    AgencyLock outro;
    ASSERT_TRUE(outro.adquirir(ficheiro, QStringLiteral("EMPR01")));
    testing::FakeMessageBox mensagens;
    RunLocks locks(comandos, 1000, Coluna::Factura);
    EXPECT_FALSE(locks.adquirir(QStringLiteral("EMPR01"), ficheiro, mensagens, QStringLiteral("Importação")));
    ASSERT_EQ(mensagens.calls().size(), 1u);
    EXPECT_EQ(mensagens.last().title, QStringLiteral("Importação"));
    EXPECT_TRUE(mensagens.last().prompt.startsWith(QStringLiteral("O ficheiro da agência ")));
    CompanyRunLock empresa(comandos, 1003, Coluna::Recibo);
    EXPECT_TRUE(empresa.adquirir(QStringLiteral("EMPR01")));
}

TEST_F(CompanyRunLockTest, TheAgencyFileIsKeptFromOtherCompaniesWhileARecordIsInFlightAndChecked) {
    const QString ficheiro = databaseFileStub(base.filePath(QStringLiteral("agencia.db")));
    testing::FakeMessageBox mensagens;
    {
        RunLocks locks(comandos, 1000, Coluna::Factura);
        ASSERT_TRUE(locks.adquirir(QStringLiteral("EMPR01"), ficheiro, mensagens, QStringLiteral("Importação")));
        locks.registar(pendente(3));
        locks.libertar();  // ended with the record in flight
    }
    AgencyLock outra;
    EXPECT_FALSE(outra.adquirir(ficheiro, QStringLiteral("EMPR02")));
    {
        RunLocks locks(comandos, 1000, Coluna::Factura);
        ASSERT_TRUE(locks.adquirir(QStringLiteral("EMPR01"), ficheiro, mensagens, QStringLiteral("Importação")));
        locks.resolvido();
        // No record is written once the file under the name is another one.
        ASSERT_TRUE(QFile::rename(ficheiro, ficheiro + QStringLiteral(".old")));
        EXPECT_THROW(locks.registar(pendente(4)), AutomationError);
        ASSERT_TRUE(QFile::rename(ficheiro + QStringLiteral(".old"), ficheiro));
        locks.libertar();
    }
    EXPECT_TRUE(outra.adquirir(ficheiro, QStringLiteral("EMPR02")));
}

// The lock's timing, on the clock port: a sign of life at most every 30
// seconds, another workstation's lock taken only after five minutes without
// one on this workstation's clock, and a lost race for the free lock refused.
class RunLockTiming : public CompanyRunLockTest {
protected:
    void SetUp() override {
        CompanyRunLockTest::SetUp();
        CompanyRunLock criador(comandos, 1000, Coluna::Factura);  // the table and its row
        ASSERT_TRUE(criador.adquirir(QStringLiteral("EMPR01")));
    }
    void em(qint64 segundos) {
        relogio.reset();
        relogio.emplace(t0.addSecs(segundos));
    }
    QString batimento() {
        auto rs = comandos.HlpDb_Ligacao();
        std::shared_ptr<ado::Recordset> linha;
        rs->Consultar(QString(), QStringLiteral("SELECT BATIMENTO FROM qrl_EXECUCOES"), linha, -1, 0);
        return CStr(linha->value(0));
    }
    void emOutroPosto(const QString& sinal) {
        comandos.HlpDb_Executar(QStringLiteral("UPDATE qrl_EXECUCOES SET ESTACAO = 'POSTO-7', PROCESSO = 4242, "
                                               "ARRANQUE = 1, INICIO = '%1', BATIMENTO = '%2'")
                                    .arg(utc(t0), sinal));
    }
    static QString utc(const QDateTime& t) { return t.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ")); }

    const QDateTime t0{QDate(2026, 12, 8), QTime(9, 0), QTimeZone::utc()};
    std::optional<ScopedClock> relogio{std::in_place, t0};
};

TEST_F(RunLockTiming, ASignOfLifeIsWrittenAtMostEveryThirtySecondsCountedFromTheLastWrite) {
    comandos.HlpDb_Executar(QStringLiteral("UPDATE qrl_EXECUCOES SET ESTACAO = '', PROCESSO = 0, ARRANQUE = 0"));
    CompanyRunLock lock(comandos, 1000, Coluna::Factura);
    ASSERT_TRUE(lock.adquirir(QStringLiteral("EMPR01")));
    EXPECT_EQ(batimento(), utc(t0));
    for (const auto& [segundos, esperado] : std::vector<std::pair<int, int>>{{29, 0}, {30, 30}, {59, 30}, {61, 61}}) {
        em(segundos);
        lock.batimento();
        EXPECT_EQ(batimento(), utc(t0.addSecs(esperado))) << "at " << segundos << " s";
    }
    em(80);
    lock.registar(pendente(1));  // a record is a sign of life too
    em(109);
    lock.batimento();
    EXPECT_EQ(batimento(), utc(t0.addSecs(80)));
}

TEST_F(RunLockTiming, AnotherWorkstationsLockIsTakenOnlyAfterFiveMinutesWithoutASignOfLife) {
    CompanyRunLock lock(comandos, 1000, Coluna::Factura);
    emOutroPosto(utc(t0.addSecs(-(CompanyRunLock::SegundosAteAbandono - 1))));
    EXPECT_FALSE(lock.adquirir(QStringLiteral("EMPR01")));
    emOutroPosto(utc(t0.addSecs(-CompanyRunLock::SegundosAteAbandono)));
    EXPECT_TRUE(lock.adquirir(QStringLiteral("EMPR01")));
}

TEST_F(RunLockTiming, ASignOfLifeThisClockCannotPlaceIsCountedFromWhenItWasFirstSeen) {
    for (const QString& sinal : {utc(t0.addSecs(3600)), QStringLiteral("ontem"), QString()}) {
        em(0);
        emOutroPosto(sinal);
        CompanyRunLock lock(comandos, 1000, Coluna::Factura);
        EXPECT_FALSE(lock.adquirir(QStringLiteral("EMPR01"))) << sinal.toStdString();
        em(CompanyRunLock::SegundosAteAbandono - 1);
        EXPECT_FALSE(lock.adquirir(QStringLiteral("EMPR01"))) << sinal.toStdString();
        em(CompanyRunLock::SegundosAteAbandono);
        EXPECT_TRUE(lock.adquirir(QStringLiteral("EMPR01"))) << sinal.toStdString();
    }
}

TEST_F(RunLockTiming, SignsOfLifeAreReadAsUtcWhateverTheLocalTimeZone) {
    // In a zone two hours ahead of UTC, a sign of life one minute old is not two hours old.
    EXPECT_EQ(noFilho([this](DalComandos& c) {
                  ::setenv("TZ", "Etc/GMT-2", 1);
                  ::tzset();
                  c.HlpDb_Executar(QStringLiteral("UPDATE qrl_EXECUCOES SET ESTACAO = 'POSTO-7', PROCESSO = 4242, "
                                                  "ARRANQUE = 1, BATIMENTO = '%1'")
                                       .arg(utc(t0.addSecs(-60))));
                  CompanyRunLock lock(c, 1000, Coluna::Factura);
                  ::_exit(lock.adquirir(QStringLiteral("EMPR01")) ? 1 : 2);
              }),
              2);
}

TEST_F(RunLockTiming, ARunThatLosesTheRaceForTheFreeLockIsRefused) {
    comandos.HlpDb_Executar(QStringLiteral("UPDATE qrl_EXECUCOES SET ESTACAO = '', PROCESSO = 0, ARRANQUE = 0"));
    // Between this run's look at the free row and its taking it, another run takes it.
    auto intercepta = std::make_shared<testing::FaultyDalLigacao>(comandos.HlpDb_Ligacao());
    DalComandos lento;
    lento.HlpDb_LigacaoSet(intercepta);
    CompanyRunLock outro(comandos, 1003, Coluna::Recibo);
    intercepta->antesDeExecutar = [&](const QString& sql) {
        if (sql.startsWith(QStringLiteral("UPDATE qrl_EXECUCOES SET ESTACAO")) && !intercepta->falha) {
            intercepta->falha = testing::FalhaLigacao{};  // once
            ASSERT_TRUE(outro.adquirir(QStringLiteral("EMPR01")));
        }
    };
    CompanyRunLock lock(lento, 1000, Coluna::Factura);
    EXPECT_FALSE(lock.adquirir(QStringLiteral("EMPR01")));
    EXPECT_FALSE(lock.recusa().isEmpty());
}

}  // namespace
}  // namespace tvx
