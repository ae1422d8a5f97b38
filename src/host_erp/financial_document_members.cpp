#include "host_erp/financial_document_members.h"

#include "host_erp/host_catalogue.h"
#include "platform/automation/automation_error.h"

namespace tvx::host_erp {

void FinancialHeader::setChecked(const QString& name, const Variant& value, MemberKind kind, const QString& table,
                                 const QString& message) {
    const Variant converted = toMemberKind(value, kind);
    const QString code = textOf(converted);
    if (!code.isEmpty() && !hasCode(companyDatabase(*session_), table, code))
        throw AutomationError(err::InvalidPropertyValue, message.arg(code), QStringLiteral("DocFinanceiro"));
    members_.store(name, converted);
}

}  // namespace tvx::host_erp
