#include "telvarix-host/host_session.h"

#include "host_erp/company_connection.h"
#include "host_erp/connection_settings.h"
#include "host_erp/session.h"
#include "platform/automation/automation_error.h"
#include "telvarix-host/command_line.h"
#include "telvarix-host/open_failure_cause.h"

namespace tvx::host_app {

QString companyConnectionString(const host_erp::HostSettingsRef& host, const QString& settingsFile) {
    host_erp::ConnectionSettings settings(host);
    settings.Carregar(settingsFile);
    settings.Modo(0);
    settings.Recarregar();
    QString text = QStringLiteral("Provider=SQLOLEDB;Data Source=%1;Initial Catalog=%2;")
                       .arg(settings.Servidor(), settings.BaseDados());
    if (settings.Utilizador().isEmpty() && settings.Password().isEmpty())
        return text + QStringLiteral("Integrated Security=SSPI;");
    return text + QStringLiteral("User Id=%1;Password=%2;").arg(settings.Utilizador(), settings.Password());
}

namespace {

CommandFailure logonFailure(const host_erp::HostSettingsRef& host, const QString& settingsFile) {
    const QString cause = openFailureCause(host, settingsFile);
    return CommandFailure(QStringLiteral("Tumo Vesk cannot log on with the settings in %1: %2")
                              .arg(settingsFile, cause.isEmpty() ? QStringLiteral("the logon was refused.") : cause));
}

}  // namespace

HostSession::HostSession(const host_erp::HostSettingsRef& host, const QString& settingsFile)
    : ligacao_(std::make_shared<host_erp::CompanyConnection>(host)), api_(std::make_shared<host_erp::Session>(host)) {
    if (!ligacao_->Abrir(companyConnectionString(host, settingsFile))) throw logonFailure(host, settingsFile);
    if (!api_->Iniciar(settingsFile)) {
        ligacao_->Fechar();
        throw logonFailure(host, settingsFile);
    }
    api_->Ligacao(ligacao_);
}

HostSession::~HostSession() {
    tryIgnoringError([this] { api_->Terminar(); });
    tryIgnoringError([this] { ligacao_->Fechar(); });
}

}  // namespace tvx::host_app
