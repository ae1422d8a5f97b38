// The entry object over the stand-in host: a real company database, the
// host's logon and connection settings read from the settings file.
#include "addin/addin_runs.h"
#include "addin/recording_runs.h"
#include "addin/solucao.h"
#include "host_erp/host_fixture.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "settings/dal_comandos.h"
#include "support/fake_desktop.h"

#include <QDir>

namespace tvx::testing {
namespace {

class SolucaoOverHostTest : public host_erp::testing::HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        QDir(base.path()).mkpath(QStringLiteral("quorel"));
        settings(QStringLiteral("vesk"));
        solucao = std::make_unique<addin::Solucao>(desktop, runs);
    }
    void TearDown() override {
        solucao.reset();
        HostFixture::TearDown();
    }
    void settings(const QString& password) const {
        writeSettings(QStringLiteral("quorel/BRISKO.EMPR01"),
                      QStringLiteral("[Api Vesk]\r\nLogin=vesk\r\npassword=%1\r\nEmpresa=EMPR01\r\n"
                                     "[Ligação]\r\nServidor=SRV\\INST\r\nBaseDados=EMPR01\r\n")
                          .arg(password));
    }
    // The parameters row, with the hidden switch on and BDUSER as given.
    void parametros(const QString& bdUser) {
        solucao->estado().m_Comandos.HlpDb_Executar(
            QStringLiteral(
                "INSERT INTO qrl_PARAMETROS (FATTIPODOCUM, FATSECTOR, FATSERIE, FATFINALIZA, ARMAZEM, ARTIGOFARE, "
                "ARTIGOTAXAS, ARTIGOSERVICEFEE, ARTIGOISENCAOIVA, BDNOME, BDUSER, BDPASSW, RECTIPODOCUM, RECSECTOR, "
                "RECSERIE, RPCTIPODOCUM, RPCSECTOR, RPCSERIE) VALUES ('FT', '1', 1, 1, 'A1', 'FARE', 'TAXAS', 'FEE', "
                "'M99', 'agencia.db', '%1', 'Karven', 'RE', '1', 1, 'RA', '1', 1)")
                .arg(bdUser));
    }
    QString valor(const QString& sql) {
        std::shared_ptr<ado::Recordset> rs;
        solucao->estado().m_Ligacao->Consultar(QString(), sql, rs, -1, 0);
        return CStr(rs->value(0));
    }
    void operacao(std::int32_t code) {
        Variant pai, op(code), user(QStringLiteral("vesk"));
        solucao->Operacoes(pai, op, user);
    }

    std::shared_ptr<FakeDesktop> desktop = std::make_shared<FakeDesktop>();
    std::shared_ptr<RecordingRuns> runs = std::make_shared<RecordingRuns>();
    std::unique_ptr<addin::Solucao> solucao;
};

TEST_F(SolucaoOverHostTest, OpensCreatesTheParametersTableAndDispatches) {
    ASSERT_TRUE(solucao->ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("vesk")))
        << (desktop->messages_.calls().empty() ? std::string() : desktop->messages_.last().prompt.toStdString());
    EXPECT_EQ(solucao->estado().m_sIniFile, base.path() + QStringLiteral("\\quorel\\BRISKO.EMPR01"));
    // The table is there and empty: the dispatch still runs, the editor can add the first row.
    EXPECT_EQ(solucao->estado().m_Comandos.HlpDb_ParametrosGet()->RecordCount(), 0);
    operacao(1002);
    EXPECT_EQ(runs->log, QStringList{QStringLiteral("config")});

    parametros(QString());
    desktop->dialog->chooseNext(QStringLiteral("/dados/bilhetes.csv"));
    operacao(1000);
    EXPECT_EQ(runs->log.last(), QStringLiteral("tickets csv /dados/bilhetes.csv"));
    EXPECT_TRUE(desktop->messages_.calls().empty());

    // Same company: nothing happens; a company the host does not have: switched off.
    EXPECT_TRUE(solucao->ConnectionValidate(QStringLiteral("EMPR01"), QStringLiteral("vesk")));
    EXPECT_FALSE(solucao->ConnectionValidate(QStringLiteral("EMPR09"), QStringLiteral("vesk")));
    EXPECT_EQ(desktop->messages_.last().title, addin::TituloValidacao);
    EXPECT_TRUE(solucao->ConnectionClose());
    EXPECT_TRUE(solucao->ConnectionClose());
}

TEST_F(SolucaoOverHostTest, TheConfigurationEditorHandsOnTheCommandTakenAtConfirmar) {
    ASSERT_TRUE(solucao->ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("vesk")));
    const auto confirma = [](const QString& comando) {
        return [comando](ui::PropertyGrid& grid, FakeFormWindow& window) {
            grid.userSetValue(*grid.FindItem(1010), Variant(comando));
            window.click(QStringLiteral("cmdConf"));
        };
    };
    desktop->configUser = {confirma(QStringLiteral("RE 2024 1 3"))};
    solucao->pConfiguracaoEditar();
    EXPECT_EQ(runs->log, QStringList{QStringLiteral("command RE 2024 1 3 (was )")});
    const auto rs = solucao->estado().m_Comandos.HlpDb_ParametrosGet();
    ASSERT_EQ(rs->RecordCount(), 1);  // the first row, added by the editor
    EXPECT_EQ(rs->value(QStringLiteral("BDUSER")), Variant("RE 2024 1 3"));

    // A command that fails ends in the editor's own message.
    runs->commandError = AutomationError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    desktop->configUser = {confirma(QStringLiteral(" RE 2024 1 3"))};
    solucao->pConfiguracaoEditar();
    ASSERT_EQ(desktop->messages_.calls().size(), 1u);
    EXPECT_EQ(desktop->messages_.last().prompt, QStringLiteral("Type mismatch"));
    EXPECT_EQ(desktop->messages_.last().title, QStringLiteral("Configuração"));
    EXPECT_EQ(desktop->messages_.last().style, ui::vbOKOnly);

    // Sair: no command.
    runs->commandError.reset();
    desktop->configUser = {[](ui::PropertyGrid&, FakeFormWindow& window) { window.click(QStringLiteral("cmdSair")); }};
    solucao->pConfiguracaoEditar();
    EXPECT_EQ(runs->log.last(), QStringLiteral("command  (was  RE 2024 1 3)"));
    EXPECT_EQ(desktop->configWindowsShown, 3);
}

TEST_F(SolucaoOverHostTest, AMaintenanceCommandRunsOnceThenBdUserIsAsItWasBefore) {
    ASSERT_TRUE(solucao->ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("vesk")));
    parametros(QStringLiteral("zunk "));  // as "Confirmar" saved it
    // The script sees BDUSER given back already: a crash after its commit cannot repeat it.
    writeSettings(QStringLiteral("quorel/ZUNK.TXT"),
                  QStringLiteral("CREATE TABLE NOTAS (N NVARCHAR(10));\r\nINSERT INTO NOTAS SELECT BDUSER FROM "
                                 "qrl_PARAMETROS\r\n"));
    addin::AddinRuns manutencao;
    manutencao.pManutencaoExecutar(*solucao, QStringLiteral("zunk "), QStringLiteral("sa"));
    EXPECT_EQ(valor(QStringLiteral("SELECT N FROM NOTAS")), QStringLiteral("sa"));
    EXPECT_EQ(valor(QStringLiteral("SELECT BDUSER FROM qrl_PARAMETROS")), QStringLiteral("sa"));
    // The next "Confirmar", made for another setting, takes BDUSER as it now is.
    manutencao.pManutencaoExecutar(*solucao, QStringLiteral("sa"), QStringLiteral("sa"));
    EXPECT_EQ(valor(QStringLiteral("SELECT COUNT(*) FROM NOTAS")), QStringLiteral("1"));
    EXPECT_TRUE(desktop->messages_.calls().empty());
}

TEST_F(SolucaoOverHostTest, AWrongPasswordIsARefusedLogon) {
    settings(QStringLiteral("errada"));
    EXPECT_FALSE(solucao->ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("vesk")));
    ASSERT_EQ(desktop->messages_.calls().size(), 1u);
    EXPECT_EQ(desktop->messages_.last().prompt, QStringLiteral("Erro. Não foi possivel ligar ao Tumo Vesk"));
    EXPECT_EQ(solucao->estado().m_Ligacao, nullptr);
    EXPECT_EQ(solucao->estado().m_Comandos.HlpDb_Ligacao(), nullptr);
}

}  // namespace
}  // namespace tvx::testing
