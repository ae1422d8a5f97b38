#include "host_erp/session.h"

#include "host_erp/company_open.h"
#include "host_erp/connection_settings.h"
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
std::unique_ptr<sql::Connection> companyOf(const QString& file) {
    ConnectionSettings settings;
    settings.Carregar(file);
    if (settings.Servidor().isEmpty() || settings.BaseDados().isEmpty()) {
        settings.Modo(0);
        settings.Recarregar();
    }
    return openCompany(settings.Servidor(), settings.BaseDados());
}

QString companyCode(sql::Connection& company) {
    const auto rs = company.Query(QStringLiteral("SELECT CODIGO FROM EMPRESA"));
    return rs->RecordCount() > 0 ? rs->value(0).asString() : QString();
}

template <class T>
std::shared_ptr<T> notYetAvailable(const char* what) {
    throw AutomationError(err::CannotCreateObject,
                          QStringLiteral("ActiveX component can't create object: %1").arg(QLatin1String(what)),
                          QStringLiteral("SessaoApi"));
}

}  // namespace

bool Session::Iniciar(const QString& sFicheiro) {
    loggedOn_ = false;
    if (!QFileInfo(resolveProfilePath(sFicheiro)).isFile()) return false;
    const QString login = readSetting(sFicheiro, ApiSection, QStringLiteral("Login"));
    const QString password = readSetting(sFicheiro, ApiSection, QStringLiteral("password"));
    const QString empresa = readSetting(sFicheiro, ApiSection, QStringLiteral("Empresa"));
    if (login.isEmpty()) return false;
    const auto company = companyOf(sFicheiro);
    if (!company) return false;
    const QString code = companyCode(*company);
    if (code.isEmpty() || code.compare(empresa, Qt::CaseInsensitive) != 0) return false;
    if (!checkUser(*company, login, password)) return false;
    loggedOn_ = true;
    login_ = login;
    empresa_ = code;
    return true;
}

bool Session::Terminar() {
    loggedOn_ = false;
    ligacao_.reset();
    return true;
}

std::shared_ptr<tvx::DocComercial> Session::DocComercial() { return notYetAvailable<tvx::DocComercial>("DocComercial"); }

std::shared_ptr<tvx::LinhaDocComercial> Session::LinhaDocComercial() {
    return notYetAvailable<tvx::LinhaDocComercial>("LinhaDocComercial");
}

std::shared_ptr<tvx::DocFinanceiro> Session::DocFinanceiro() {
    return notYetAvailable<tvx::DocFinanceiro>("DocFinanceiro");
}

std::shared_ptr<tvx::LinhaDocFinanceiro> Session::LinhaDocFinanceiro() {
    return notYetAvailable<tvx::LinhaDocFinanceiro>("LinhaDocFinanceiro");
}

std::shared_ptr<tvx::DocContabilistico> Session::DocContabilistico() {
    return notYetAvailable<tvx::DocContabilistico>("DocContabilistico");
}

}  // namespace tvx::host_erp
