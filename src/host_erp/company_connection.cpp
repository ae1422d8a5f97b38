#include "host_erp/company_connection.h"

#include "host_erp/company_open.h"
#include "host_erp/company_script.h"
#include "host_erp/host_settings.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/connection.h"
#include "platform/sql/connection_string.h"

#include <limits>

namespace tvx::host_erp {

namespace {

const QString kSource = QStringLiteral("DalLigacao");

bool isServerProvider(const QString& provider) {
    for (QStringView p : {u"SQLOLEDB", u"SQLNCLI", u"MSOLEDBSQL"})
        if (provider.startsWith(p, Qt::CaseInsensitive)) return true;
    return false;
}

// The SQL Server provider the string names, directly or under the data-shape provider.
QString serverProvider(const sql::ConnectionString& cs) {
    const QString provider = cs.value(u"Provider");
    return provider.compare(u"MSDataShape", Qt::CaseInsensitive) == 0 ? cs.value(u"Data Provider") : provider;
}

}  // namespace

CompanyConnection::CompanyConnection(HostSettingsRef settings) : settings_(std::move(settings)) {}
CompanyConnection::~CompanyConnection() = default;

bool CompanyConnection::Abrir(const QString& sLigacao) {
    const sql::ConnectionString cs = sql::ConnectionString::parse(sLigacao);
    if (!isServerProvider(serverProvider(cs)))
        throw AutomationError(err::ProviderNotFound, err::description(err::ProviderNotFound), kSource);
    connection_.reset();
    const QString server = cs.value(u"Data Source").isEmpty() ? settings_->defaultServer() : cs.value(u"Data Source");
    connection_ =
        openCompany(*settings_, server, cs.value(u"Initial Catalog"), cs.value(u"User Id"), cs.value(u"Password"));
    return connection_ != nullptr;
}

void CompanyConnection::Fechar() { connection_.reset(); }

sql::Connection& CompanyConnection::connection() const {
    if (!connection_) err::raise(err::ObjectClosed, kSource);
    return *connection_;
}

void CompanyConnection::Consultar(const QString&, const QString& sSql, std::shared_ptr<ado::Recordset>& rs, int, int) {
    rs = connection().Query(sSql);
}

namespace {

std::int16_t changedRows(qint64 changed) {
    return std::int16_t(std::min<qint64>(changed, std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

std::int16_t CompanyConnection::Executar(const QString&, const QString& sSql) {
    settings_->sondar("DalLigacao.Executar");
    return changedRows(executeScript(connection(), sSql));
}

std::int16_t CompanyConnection::ExecutarDiferido(const QString&, const QString& sSql,
                                                 const std::vector<Variant>& valores) {
    settings_->sondar("DalLigacao.Executar");
    return changedRows(connection().ExecuteDeferred(sSql, valores));
}

void CompanyConnection::Gravar(const QString&, std::shared_ptr<ado::Recordset>& rs) {
    settings_->sondar("DalLigacao.Gravar");
    if (!rs) err::raise(err::ObjectNotSet, kSource);
    connection().WriteBack(*rs);
}

}  // namespace tvx::host_erp
