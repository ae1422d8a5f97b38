#include "host_api/config_ligacao.h"
#include "host_api/host_classes.h"
#include "host_api/pastas.h"
#include "host_api/sessao_api.h"
#include "host_erp/host_fixture.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/class_registry.h"

#include <QDir>

namespace tvx::host_erp {
namespace {

using namespace host_erp::testing;

template <class T>
std::shared_ptr<T> create(const QString& progId) {
    return std::dynamic_pointer_cast<T>(registry::create(progId));
}

QString settingsText(const QString& login, const QString& password, const QString& empresa,
                     const QString& ligacao = QStringLiteral("Servidor=SRV\\INST\r\nBaseDados=EMPR01\r\n")) {
    return QStringLiteral(
               "[Api Vesk]\r\nLogin=%1\r\npassword=%2\r\nEmpresa=%3\r\nperclog=1\r\nPercWindows=0\r\n"
               "[Ligação]\r\n%4")
        .arg(login, password, empresa, ligacao);
}

class SessionTest : public HostFixture {
protected:
    bool logon(const QString& text) {
        auto api = create<SessaoApi>(host_classes::SessaoApi);
        return api->Iniciar(writeSettings(QStringLiteral("BRISKO.EMPR01"), text));
    }
};

TEST_F(SessionTest, LogsOnOnlyWithTheCompanysUserAndPassword) {
    EXPECT_TRUE(logon(settingsText(QStringLiteral("vesk"), QStringLiteral("vesk"), QStringLiteral("EMPR01"))));
    EXPECT_TRUE(logon(settingsText(QStringLiteral("VESK"), QStringLiteral("vesk"), QStringLiteral("empr01"))));
    EXPECT_FALSE(logon(settingsText(QStringLiteral("vesk"), QStringLiteral("errada"), QStringLiteral("EMPR01"))));
    EXPECT_FALSE(logon(settingsText(QStringLiteral("ninguem"), QStringLiteral("vesk"), QStringLiteral("EMPR01"))));
    EXPECT_FALSE(logon(settingsText(QString(), QString(), QStringLiteral("EMPR01"))));
    EXPECT_FALSE(logon(settingsText(QStringLiteral("vesk"), QStringLiteral("vesk"), QStringLiteral("EMPR02"))));
    EXPECT_FALSE(logon(settingsText(QStringLiteral("vesk"), QStringLiteral("vesk"), QStringLiteral("EMPR01"),
                                    QStringLiteral("Servidor=SRV\\INST\r\nBaseDados=OUTRA\r\n"))));
    // Without connection values the host's defaults name the company: its default server, the file's Empresa.
    EXPECT_TRUE(
        logon(settingsText(QStringLiteral("vesk"), QStringLiteral("vesk"), QStringLiteral("EMPR01"), QString())));
    auto api = create<SessaoApi>(host_classes::SessaoApi);
    EXPECT_FALSE(api->Iniciar(base.filePath(QStringLiteral("BRISKO.NENHUMA"))));
    EXPECT_EQ(QDir(base.path()).entryList(QDir::Files), QStringList{QStringLiteral("BRISKO.EMPR01")});
}

TEST_F(SessionTest, SharesTheConnectionItIsGivenUntilItEnds) {
    auto api = create<SessaoApi>(host_classes::SessaoApi);
    ASSERT_TRUE(api->Iniciar(
        writeSettings(QStringLiteral("BRISKO.EMPR01"),
                      settingsText(QStringLiteral("vesk"), QStringLiteral("vesk"), QStringLiteral("EMPR01")))));
    auto ligacao = create<DalLigacao>(host_classes::DalLigacao);
    api->Ligacao(ligacao);
    EXPECT_EQ(api->Ligacao(), ligacao);
    EXPECT_TRUE(api->Terminar());
    EXPECT_FALSE(api->Ligacao());
    EXPECT_TRUE(api->Terminar());
    EXPECT_THROW(api->DocComercial(), AutomationError);
}

TEST_F(SessionTest, ConnectionSettingsReadTheFileAndFillGapsOnlyInModeZero) {
    const QString file =
        writeSettings(QStringLiteral("BRISKO.EMPR01"),
                      settingsText(QStringLiteral("vesk"), QStringLiteral("vesk"), QStringLiteral("EMPR01"),
                                   QStringLiteral("servidor = SRV\\INST \r\nUser=sa\r\nPassWord=\"p;w\"\r\n")));
    auto config = create<ConfigLigacao>(host_classes::ConfigLigacao);
    config->Carregar(QString(file).replace(u'/', u'\\'));  // the add-in's separators
    EXPECT_EQ(config->Servidor(), QStringLiteral("SRV\\INST"));
    EXPECT_EQ(config->BaseDados(), QString());
    EXPECT_EQ(config->Utilizador(), QStringLiteral("sa"));
    EXPECT_EQ(config->Password(), QStringLiteral("p;w"));
    config->Recarregar();
    EXPECT_EQ(config->BaseDados(), QString());
    config->Modo(0);
    config->Recarregar();
    EXPECT_EQ(config->BaseDados(), QStringLiteral("EMPR01"));
    EXPECT_EQ(config->Utilizador(), QStringLiteral("sa"));

    auto empty = create<ConfigLigacao>(host_classes::ConfigLigacao);
    empty->Carregar(base.filePath(QStringLiteral("nada.ini")));
    empty->Modo(0);
    empty->Recarregar();
    EXPECT_EQ(empty->Servidor(), QStringLiteral("SRV\\INST"));
    EXPECT_EQ(empty->BaseDados(), QString());
    EXPECT_EQ(empty->Utilizador(), QString());
}

TEST_F(SessionTest, FolderHelpersAnswerForTheHostsBaseFolder) {
    auto pasta = create<PastaBase>(host_classes::PastaBase);
    auto existe = create<PastaExiste>(host_classes::PastaExiste);
    EXPECT_EQ(pasta->Pasta(), base.path());
    ASSERT_TRUE(QDir(base.path()).mkdir(QStringLiteral("quorel")));
    EXPECT_TRUE(existe->Existe(pasta->Pasta() + QStringLiteral("\\quorel")));
    EXPECT_FALSE(existe->Existe(pasta->Pasta() + QStringLiteral("\\outra")));
    EXPECT_FALSE(existe->Existe(writeSettings(QStringLiteral("ficheiro"), QString())));
    EXPECT_FALSE(existe->Existe(QString()));
    settings->baseFolderSetting.clear();
    EXPECT_TRUE(pasta->Pasta().endsWith(u"TumoVesk"));
}

}  // namespace
}  // namespace tvx::host_erp
