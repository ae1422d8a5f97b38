#include "telvarix-host/open_failure_cause.h"

#include "host_erp/company_files.h"
#include "host_erp/company_open.h"
#include "host_erp/company_server.h"
#include "host_erp/connection_settings.h"
#include "host_erp/host_users.h"
#include "host_erp/settings_file.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/connection.h"
#include "platform/sql/postgres_backend.h"

#include <QDir>
#include <QFileInfo>

namespace tvx::host_app {

namespace {

QString companyCode(sql::Connection& company) {
    const auto rs = company.Query(QStringLiteral("SELECT CODIGO FROM EMPRESA"));
    return rs->RecordCount() > 0 ? rs->value(0).asString() : QString();
}

QString apiSetting(const QString& file, const char* key) {
    return host_erp::readSetting(file, host_erp::ApiSection, QString::fromLatin1(key));
}

// A file of the settings folder whose name differs from `settingsFile`'s only in letter case.
QString sameNameOtherCase(const QString& settingsFile) {
    const QFileInfo wanted(settingsFile);
    const QStringList names = wanted.dir().entryList(QDir::Files);
    for (const QString& name : names)
        if (name.compare(wanted.fileName(), Qt::CaseInsensitive) == 0) return wanted.dir().filePath(name);
    return {};
}

// The company database a settings file names: opened, or why it cannot be.
struct NamedCompany {
    std::unique_ptr<sql::Connection> connection;
    QString path;
    QString cause;  // when there is no connection
};

NamedCompany openNamedCompany(const host_erp::HostSettingsRef& host, const QString& settingsFile) {
    NamedCompany named;
    // The connection values as the host completes them.
    host_erp::ConnectionSettings connection(host);
    connection.Carregar(settingsFile);
    connection.Modo(0);
    connection.Recarregar();
    const QString server = connection.Servidor();
    const QString catalogue = connection.BaseDados();
    if (server.trimmed().isEmpty() || catalogue.trimmed().isEmpty()) {
        named.cause = QStringLiteral("%1 names no company database (BaseDados in [%2], or Empresa in [%3]).")
                          .arg(settingsFile, host_erp::ConnectionSection, host_erp::ApiSection);
        return named;
    }
    // On a server the database is named by the server's address (never a password).
    named.path = host_erp::isServerAddress(server)
                     ? QStringLiteral("'%1' on the PostgreSQL server %2")
                           .arg(host_erp::serverLogin(server, catalogue, {}, {}).database, sql::describeServer(server))
                     : host_erp::companyFilePath(host->baseFolder(), server, catalogue);
    try {
        named.connection =
            host_erp::openCompany(*host, server, catalogue, connection.Utilizador(), connection.Password());
    } catch (const AutomationError& e) {
        named.cause = QStringLiteral("the company database %1 cannot be used: %2").arg(named.path, e.description());
        return named;
    }
    if (!named.connection)
        named.cause = QStringLiteral("the company database %1 on server %2, named in %3, does not exist (no file %4).")
                          .arg(catalogue, server, settingsFile, named.path);
    return named;
}

}  // namespace

QString openFailureCause(const host_erp::HostSettingsRef& host, const QString& settingsFile) {
    if (!QFileInfo(settingsFile).isFile()) {
        if (const QString other = sameNameOtherCase(settingsFile); !other.isEmpty())
            return QStringLiteral(
                       "there is no settings file %1, but there is %2: company codes differ in letter case (use "
                       "--company %3).")
                .arg(settingsFile, other, QFileInfo(other).suffix());
        return QStringLiteral("there is no settings file %1.").arg(settingsFile);
    }
    const NamedCompany named = openNamedCompany(host, settingsFile);
    if (!named.connection) return named.cause;
    sql::Connection& company = *named.connection;
    const QString& path = named.path;

    const QString login = apiSetting(settingsFile, "Login");
    if (login.isEmpty())
        return QStringLiteral("%1 names no host user (Login in [%2]).").arg(settingsFile, host_erp::ApiSection);
    const QString empresa = apiSetting(settingsFile, "Empresa");
    const QString code = companyCode(company);
    if (code.isEmpty() || code.compare(empresa, Qt::CaseInsensitive) != 0)
        return QStringLiteral("%1 logs on to company '%2' (Empresa in [%3]), but the database %4 holds company '%5'.")
            .arg(settingsFile, empresa, host_erp::ApiSection, path, code);
    if (!host_erp::checkUser(company, login, apiSetting(settingsFile, "password")))
        return QStringLiteral(
                   "the host user '%1' of %2 is unknown or inactive in company %3, or its password is "
                   "wrong.")
            .arg(login, settingsFile, code);
    return {};
}

QString unknownUserCause(const host_erp::HostSettingsRef& host, const QString& settingsFile, const QString& user) {
    const NamedCompany named = openNamedCompany(host, settingsFile);
    if (!named.connection) return named.cause;
    if (host_erp::isActiveUser(*named.connection, user)) return {};
    return QStringLiteral("'%1' is not an active user of company %2 (table UTILIZADORES of %3).")
        .arg(user, companyCode(*named.connection), named.path);
}

}  // namespace tvx::host_app
