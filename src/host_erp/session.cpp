#include "host_erp/session.h"

#include "host_erp/accounting_document.h"
#include "host_erp/commercial_document.h"
#include "host_erp/company_open.h"
#include "host_erp/connection_settings.h"
#include "host_erp/financial_document.h"
#include "host_erp/host_users.h"
#include "host_erp/settings_file.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/profile/profile_string.h"
#include "platform/sql/connection.h"

#include <QFileInfo>

namespace tvx::host_erp {

namespace {

// The company database the settings file's connection values name.
std::unique_ptr<sql::Connection> companyOf(const HostSettingsRef& host, const QString& file) {
    ConnectionSettings settings(host);
    settings.Carregar(file);
    if (settings.Servidor().isEmpty() || settings.BaseDados().isEmpty()) {
        settings.Modo(0);
        settings.Recarregar();
    }
    return openCompany(*host, settings.Servidor(), settings.BaseDados(), settings.Utilizador(), settings.Password());
}

QString companyCode(sql::Connection& company) {
    const auto rs = company.Query(QStringLiteral("SELECT CODIGO FROM EMPRESA"));
    return rs->RecordCount() > 0 ? rs->value(0).asString() : QString();
}

}  // namespace

Session::Session(HostSettingsRef settings) : settings_(std::move(settings)), state_(std::make_shared<SessionState>()) {
    state_->settings = settings_;
}

bool Session::Iniciar(const QString& sFicheiro) {
    state_->loggedOn = false;
    if (!QFileInfo(resolveProfilePath(sFicheiro)).isFile()) return false;
    const QString login = readSetting(sFicheiro, ApiSection, QStringLiteral("Login"));
    const QString password = readSetting(sFicheiro, ApiSection, QStringLiteral("password"));
    const QString empresa = readSetting(sFicheiro, ApiSection, QStringLiteral("Empresa"));
    if (login.isEmpty()) return false;
    const auto company = companyOf(settings_, sFicheiro);
    if (!company) return false;
    const QString code = companyCode(*company);
    if (code.isEmpty() || code.compare(empresa, Qt::CaseInsensitive) != 0) return false;
    if (!checkUser(*company, login, password)) return false;
    state_->loggedOn = true;
    state_->login = login;
    state_->empresa = code;
    return true;
}

bool Session::Terminar() {
    state_->loggedOn = false;
    state_->ligacao.reset();
    return true;
}

const std::shared_ptr<SessionState>& Session::openState() const {
    if (!state_->loggedOn)
        throw AutomationError(err::CannotCreateObject, QStringLiteral("A sessão não está iniciada."),
                              QStringLiteral("SessaoApi"));
    return state_;
}

std::shared_ptr<tvx::DocComercial> Session::DocComercial() { return std::make_shared<CommercialDocument>(openState()); }

std::shared_ptr<tvx::LinhaDocComercial> Session::LinhaDocComercial() {
    openState();
    return std::make_shared<CommercialLine>();
}

std::shared_ptr<tvx::DocFinanceiro> Session::DocFinanceiro() {
    return std::make_shared<FinancialDocument>(openState());
}

std::shared_ptr<tvx::LinhaDocFinanceiro> Session::LinhaDocFinanceiro() {
    openState();
    return std::make_shared<FinancialLine>();
}

std::shared_ptr<tvx::DocContabilistico> Session::DocContabilistico() {
    return std::make_shared<AccountingDocument>(openState());
}

}  // namespace tvx::host_erp
