#include "host_erp/host_members.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"

namespace tvx::host_erp {

Variant toMemberKind(const Variant& value, MemberKind kind) {
    if (value.isEmpty()) return value;
    if (value.isObject()) err::raise(err::TypeMismatch);
    switch (kind) {
        case MemberKind::Text:
            return Variant(CStr(value));
        case MemberKind::Integer:
            return Variant(CInt(value));
        case MemberKind::Long:
            return Variant(CLng(value));
        case MemberKind::Double:
            return Variant(CDbl(value));
        case MemberKind::Money:
            return Variant(CCur(value));
        case MemberKind::Date:
            return Variant(CDate(value));
        case MemberKind::Boolean:
            return Variant(CBool(value));
    }
    return value;
}

QString textOf(const Variant& member) { return CStr(member); }

std::int32_t numberOr(const Variant& member, std::int32_t unset) { return member.isEmpty() ? unset : CLng(member); }

double doubleOr(const Variant& member, double unset) { return member.isEmpty() ? unset : CDbl(member); }

Currency moneyOr(const Variant& member, Currency unset) { return member.isEmpty() ? unset : CCur(member); }

}  // namespace tvx::host_erp
