#include "host_erp/session_state.h"

#include "host_erp/company_connection.h"
#include "platform/automation/automation_error.h"

namespace tvx::host_erp {

sql::Connection& companyDatabase(const SessionState& session) {
    auto* company = dynamic_cast<CompanyConnection*>(session.ligacao.get());
    if (!company)
        throw AutomationError(err::ObjectNotSet, QStringLiteral("A sessão não tem ligação à base de dados da empresa."),
                              QStringLiteral("SessaoApi"));
    return company->connection();
}

}  // namespace tvx::host_erp
