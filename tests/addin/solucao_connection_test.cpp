// Opening, validating and closing the add-in over the fake host.
#include "addin/addin_folder.h"
#include "addin/solucao_fixture.h"

namespace tvx::testing {
namespace {

using addin::pStringLigacaoGet;

const QString IntegratedString = QStringLiteral(
    "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=SRV\\INST;Initial Catalog=EMPR01;Integrated "
    "Security=SSPI;");

TEST_F(SolucaoTest, OpenLogsOnSharesTheConnectionAndCreatesTheMissingTable) {
    host.tableExists = false;
    EXPECT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));

    const QString ini = iniFile(QStringLiteral("EMPR01"));
    EXPECT_EQ(estado().m_sIniFile, ini);
    EXPECT_EQ(estado().m_sEmpresa, QStringLiteral("EMPR01"));
    EXPECT_EQ(estado().m_sUserLogin, QStringLiteral("joao"));
    // Connection #1 is the unopened one made with the object; the open replaces it.
    EXPECT_TRUE(inOrder(host.log, {
                                      QStringLiteral("ConfigLigacao#1.Carregar(") + ini + QLatin1Char(')'),
                                      QStringLiteral("ConfigLigacao#1.Modo(0)"),
                                      QStringLiteral("ConfigLigacao#1.Recarregar"),
                                      QStringLiteral("DalLigacao#2.Abrir(") + IntegratedString + QLatin1Char(')'),
                                      QStringLiteral("SessaoApi#1.Iniciar(") + ini + QLatin1Char(')'),
                                      QStringLiteral("SessaoApi#1.Ligacao(DalLigacao#2)"),
                                  }));
    EXPECT_EQ(logCount(QStringLiteral("DalLigacao#2.Executar(CREATE TABLE [qrl_PARAMETROS])")), 1);
    EXPECT_EQ(estado().m_Comandos.HlpDb_Ligacao(), estado().m_Ligacao);
    EXPECT_TRUE(boxes().empty());

    // Opening again without a close: new component and session, the old ones
    // dropped without Fechar or Terminar; the table is found and left alone.
    EXPECT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));
    EXPECT_TRUE(inOrder(host.log, {QStringLiteral("SessaoApi#2.Ligacao(DalLigacao#3)")}));
    EXPECT_EQ(logCount(QStringLiteral("Fechar")) + logCount(QStringLiteral("Terminar")), 0);
    EXPECT_EQ(logCount(QStringLiteral("Executar")), 1);
    EXPECT_EQ(estado().m_Comandos.HlpDb_Ligacao(), estado().m_Ligacao);
}

TEST_F(SolucaoTest, SettingsComeFromTheFileAndTheConnectionComponent) {
    host.writeSettingsFile(QStringLiteral("EMPR01"),
                           QStringLiteral("[Api Vesk]\r\npassword=segredo\r\nLogin=admin\r\n"
                                          "Empresa=EMPR01\r\nperclog=1\r\nPercWindows=0\r\n"
                                          "[Ligação]\r\nServidor=FILESRV\r\nBaseDados=FILEDB\r\n"
                                          "User=fileuser\r\nPassWord=filepw\r\n"));
    host.configValues = {QStringLiteral("SRV"), QStringLiteral("DB"), QStringLiteral("sa"), QStringLiteral("pw")};
    EXPECT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));

    EXPECT_EQ(estado().m_sApiPassword, QStringLiteral("segredo"));
    EXPECT_EQ(estado().m_sApiLogin, QStringLiteral("admin"));
    EXPECT_EQ(estado().m_sApiEmpresa, QStringLiteral("EMPR01"));
    EXPECT_EQ(estado().m_sApiPerclog, QStringLiteral("1"));
    EXPECT_EQ(estado().m_sApiPercWindows, QStringLiteral("0"));
    // The component's answers replace the file's four values; all set, so no reload.
    EXPECT_EQ(estado().m_sServidor, QStringLiteral("SRV"));
    EXPECT_EQ(estado().m_sBaseDados, QStringLiteral("DB"));
    EXPECT_EQ(estado().m_sUser, QStringLiteral("sa"));
    EXPECT_EQ(estado().m_sPassWord, QStringLiteral("pw"));
    EXPECT_EQ(logCount(QStringLiteral("Recarregar")), 0);
    EXPECT_EQ(logCount(QStringLiteral("Abrir(Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=SRV;Initial "
                                      "Catalog=DB;User Id=sa;Password=pw; )")),
              1);

    // Without base\quorel the file is looked for next to the add-in.
    host.quorelExists = false;
    EXPECT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR02"), QStringLiteral("joao")));
    EXPECT_EQ(estado().m_sIniFile, addin::addinFolder() + QStringLiteral("\\BRISKO.EMPR02"));
    EXPECT_EQ(logCount(QStringLiteral("PastaExiste(") + host.base.path() + QStringLiteral("\\quorel)")), 2);
}

TEST(ConnectionString, BothCredentialFormsAndBothProviderForms) {
    EXPECT_EQ(pStringLigacaoGet("MSDataShape", "SQLOLEDB", "SRV\\INST", "EMPR01", "", ""), IntegratedString);
    EXPECT_EQ(pStringLigacaoGet("MSDataShape", "SQLOLEDB", "S", "D", "sa", "x;y"),
              "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=S;Initial Catalog=D;User Id=sa;Password=x;y; ");
    // A password alone still gives the user-and-password form.
    EXPECT_EQ(pStringLigacaoGet("", "SQLOLEDB", "S", "D", "", "pw"),
              "Provider=SQLOLEDB;Data Source=S;Initial Catalog=D;User Id=;Password=pw; ");
    EXPECT_EQ(pStringLigacaoGet("", "SQLOLEDB", "S", "D", "sa", ""),
              "Provider=SQLOLEDB;Data Source=S;Initial Catalog=D;User Id=sa;Password=; ");
}

TEST_F(SolucaoTest, AnEmptyUserMakesTheComponentReloadEvenWithAPassword) {
    host.configValues = {QStringLiteral("S"), QStringLiteral("D"), QString(), QStringLiteral("pw")};
    host.reloadedValues = {QStringLiteral("S2"), QStringLiteral("D2"), QString(), QStringLiteral("pw2")};
    EXPECT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));
    EXPECT_TRUE(inOrder(host.log, {QStringLiteral("ConfigLigacao#1.Recarregar"),
                                   QStringLiteral("DalLigacao#2.Abrir(Provider=MSDataShape;Data Provider=SQLOLEDB;"
                                                  "Data Source=S2;Initial Catalog=D2;User Id=;Password=pw2; )")}));
}

TEST_F(SolucaoTest, RefusedConnectionAndRefusedLogon) {
    // A component that will not open: False, no message, no session.
    host.abrirAnswer = false;
    EXPECT_FALSE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(host.created(QStringLiteral("SessaoApi")), 0);
    EXPECT_EQ(estado().m_Comandos.HlpDb_Ligacao(), nullptr);

    // An earlier good open, then a logon the host refuses: the database is
    // closed again and the helpers keep the earlier connection.
    host.abrirAnswer = true;
    ASSERT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));
    const auto earlier = estado().m_Comandos.HlpDb_Ligacao();
    host.iniciarAnswer = false;
    EXPECT_FALSE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, QStringLiteral("Erro. Não foi possivel ligar ao Tumo Vesk"));
    EXPECT_EQ(boxes()[0].title, QStringLiteral("Ligação ao Servidor/Tumo Vesk"));
    EXPECT_EQ(boxes()[0].style, ui::vbExclamation);
    EXPECT_TRUE(inOrder(host.log, {QStringLiteral("SessaoApi#2.Iniciar(") + iniFile(QStringLiteral("EMPR01")) + ")",
                                   QStringLiteral("DalLigacao#4.Fechar")}));
    EXPECT_EQ(estado().m_Ligacao, nullptr);
    EXPECT_EQ(estado().m_Comandos.HlpDb_Ligacao(), earlier);
}

TEST_F(SolucaoTest, ErrorsDuringTheOpenEndInItsMessage) {
    // An error raised by the logon itself: False, shown, the database left open.
    host.iniciarError = AutomationError(-2147467259, QStringLiteral("Sessão indisponível"), QStringLiteral("Api"));
    EXPECT_FALSE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, QStringLiteral("Erro Sessão indisponível"));
    EXPECT_EQ(boxes()[0].title, addin::TituloLigacao);
    EXPECT_EQ(boxes()[0].style, ui::vbExclamation);
    EXPECT_EQ(logCount(QStringLiteral("Fechar")), 0);

    // The parameters table cannot be created: the add-in is open all the same.
    host.iniciarError.reset();
    host.tableExists = false;
    host.executarError = AutomationError(-2147217900, QStringLiteral("CREATE TABLE permission denied"));
    EXPECT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].prompt, QStringLiteral("Erro CREATE TABLE permission denied"));
    EXPECT_EQ(boxes()[1].title, QStringLiteral("Ligação ao Servidor"));
    EXPECT_EQ(estado().m_Comandos.HlpDb_Ligacao(), estado().m_Ligacao);
    EXPECT_NE(estado().m_Api, nullptr);
}

TEST_F(SolucaoTest, CloseTwiceAndAFailingSessionEnd) {
    ASSERT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));
    EXPECT_TRUE(solucao().ConnectionClose());
    EXPECT_TRUE(inOrder(host.log, {QStringLiteral("SessaoApi#1.Terminar"), QStringLiteral("DalLigacao#2.Fechar")}));
    EXPECT_EQ(estado().m_Ligacao, nullptr);
    EXPECT_TRUE(solucao().ConnectionClose());  // nothing left to close: still True
    EXPECT_EQ(logCount(QStringLiteral("Fechar")), 1);
    EXPECT_TRUE(boxes().empty());

    // ConnectionClose has no handler: the session's error goes back to the caller.
    host.terminarError = AutomationError(5, QStringLiteral("Sessão terminada"));
    try {
        solucao().ConnectionClose();
        ADD_FAILURE() << "the session's error did not reach the caller";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.description(), QStringLiteral("Sessão terminada"));
        EXPECT_EQ(e.source(), QStringLiteral("pDesligarApi"));
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(SolucaoTest, ValidateReopensOnlyForAnotherCompany) {
    ASSERT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));
    const auto logSize = host.log.size();
    EXPECT_TRUE(solucao().ConnectionValidate(QStringLiteral("EMPR01"), QStringLiteral("maria")));
    EXPECT_EQ(host.log.size(), logSize);

    // Letter case counts: another company.
    EXPECT_TRUE(solucao().ConnectionValidate(QStringLiteral("empr01"), QStringLiteral("maria")));
    EXPECT_TRUE(inOrder(host.log.mid(logSize),
                        {QStringLiteral("SessaoApi#1.Terminar"), QStringLiteral("DalLigacao#2.Fechar"),
                         QStringLiteral("SessaoApi#2.Iniciar(") + iniFile(QStringLiteral("empr01")) + ")"}));
    EXPECT_EQ(estado().m_sEmpresa, QStringLiteral("empr01"));
    EXPECT_EQ(estado().m_sUserLogin, QStringLiteral("maria"));
    EXPECT_TRUE(boxes().empty());

    host.abrirAnswer = false;
    EXPECT_FALSE(solucao().ConnectionValidate(QStringLiteral("EMPR02"), QStringLiteral("maria")));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, QStringLiteral("Erro. Não foi possivel estabelecer a ligação à empresa EMPR02.\r\n"
                                                "A Solução vai ser desactivada."));
    EXPECT_EQ(boxes()[0].title, QStringLiteral("Validação da ligação ao Servidor"));
    EXPECT_EQ(boxes()[0].style, ui::vbExclamation);

    // An error on the way (here the session's end) ends in the validation's message.
    host.abrirAnswer = true;
    ASSERT_TRUE(solucao().ConnectionOpen(QStringLiteral("EMPR01"), QStringLiteral("joao")));
    host.terminarError = AutomationError(5, QStringLiteral("Sessão terminada"));
    EXPECT_FALSE(solucao().ConnectionValidate(QStringLiteral("EMPR03"), QStringLiteral("maria")));
    EXPECT_EQ(desktop->messages_.last().prompt, QStringLiteral("Erro Sessão terminada"));
    EXPECT_EQ(desktop->messages_.last().title, addin::TituloValidacao);
}

}  // namespace
}  // namespace tvx::testing
