#include "platform/ado/field_value.h"

#include "platform/ado/ado_errors.h"
#include "platform/automation/conversions.h"

#include <cmath>
#include <limits>

namespace tvx::ado {

Variant wholeNumber(double value) {
    if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max())
        return Variant(std::int32_t(value));
    return Variant(value);
}

namespace {

Variant bigInteger(const Variant& value) {
    const double d = roundHalfEven(CDbl(value));
    // 2^63: the first value a 64-bit column cannot hold.
    if (!(std::fabs(d) < 9223372036854775808.0)) raise(err::Overflow, QString());
    return wholeNumber(d);
}

Variant text(const FieldInfo& field, const Variant& value) {
    QString s = CStr(value);
    if (field.definedSize > 0 && !isLongType(field.type) && s.size() > field.definedSize) raiseMultipleStep();
    return Variant(std::move(s));
}

}  // namespace

Variant coerceForField(const FieldInfo& field, const Variant& value) {
    if (value.isNull() || value.isEmpty()) return Variant::null();
    if (value.isObject()) raise(err::TypeMismatch, QString());
    switch (valueKindOf(field.type)) {
        case ValueKind::SmallInt:
            return Variant(CInt(value));
        case ValueKind::Long:
            return Variant(CLng(value));
        case ValueKind::BigInt:
            return bigInteger(value);
        case ValueKind::Real:
            return Variant(CDbl(value));
        case ValueKind::Money:
            return Variant(CCur(value));
        case ValueKind::Date:
            return Variant(CDate(value));
        case ValueKind::Boolean:
            return Variant(CBool(value));
        case ValueKind::Text:
            return text(field, value);
    }
    return value;
}

}  // namespace tvx::ado
