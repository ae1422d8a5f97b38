#include "host_erp/company_open.h"

#include "host_erp/company_database.h"
#include "host_erp/company_files.h"
#include "host_erp/company_server.h"
#include "host_erp/host_settings.h"
#include "host_erp/tsql_dialect.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/connection.h"

#include <QFileInfo>

namespace tvx::host_erp {

std::unique_ptr<sql::Connection> openCompany(const HostSettings& settings, const QString& server,
                                             const QString& catalogue, const QString& user, const QString& password) {
    if (server.trimmed().isEmpty() || catalogue.trimmed().isEmpty()) return nullptr;
    if (isServerAddress(server)) return openServerCompany(settings, serverLogin(server, catalogue, user, password));
    const QString path = companyFilePath(settings.baseFolder(), server, catalogue);
    if (!QFileInfo(path).isFile()) return nullptr;
    auto c = sql::Connection::openSqlite(path, std::make_shared<TsqlDialect>(),
                                         sql::ConnectionOptions{settings.lockTimeoutMs()});
    if (!isCompanyDatabase(c->sqliteHandle()))
        throw AutomationError(err::Unspecified,
                              QStringLiteral("The file '%1' is not a Tumo Vesk company database.").arg(path),
                              QStringLiteral("Tumo Vesk"));
    applyCompanyConnectionSettings(c->sqliteHandle(), settings.companySync);
    return c;
}

}  // namespace tvx::host_erp
