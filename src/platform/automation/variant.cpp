#include "platform/automation/variant.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"

#include <array>
#include <ostream>

namespace tvx {

namespace {

template <class T, class Storage>
const T& stored(const Storage& storage) {
    const T* value = std::get_if<T>(&storage);
    if (!value) err::raise(err::TypeMismatch);
    return *value;
}

}  // namespace

Variant Variant::null() { return Variant(Storage(NullTag{})); }

Variant::Variant(bool b) : v_(std::in_place_type<bool>, b) {}
Variant::Variant(std::int16_t i) : v_(std::in_place_type<std::int16_t>, i) {}
Variant::Variant(std::int32_t l) : v_(std::in_place_type<std::int32_t>, l) {}
Variant::Variant(double d) : v_(std::in_place_type<double>, d) {}
Variant::Variant(Currency c) : v_(std::in_place_type<Currency>, c) {}
Variant::Variant(OaDate d) : v_(std::in_place_type<OaDate>, d) {}
Variant::Variant(const QString& s) : v_(std::in_place_type<QString>, s) {}
Variant::Variant(const char* utf8) : v_(std::in_place_type<QString>, QString::fromUtf8(utf8)) {}
Variant::Variant(ObjectRef o) : v_(std::in_place_type<ObjectRef>, std::move(o)) {}

VarType Variant::type() const {
    // In the order of the alternatives of Storage.
    static constexpr std::array<VarType, std::variant_size_v<Storage>> types = {
        VarType::Empty,    VarType::Null, VarType::Integer, VarType::Long,   VarType::Double,
        VarType::Currency, VarType::Date, VarType::String,  VarType::Object, VarType::Boolean,
    };
    return types[v_.index()];
}

bool Variant::isNumeric() const {
    switch (type()) {
        case VarType::Integer:
        case VarType::Long:
        case VarType::Double:
        case VarType::Currency:
        case VarType::Boolean:
            return true;
        default:
            return false;
    }
}

bool Variant::asBool() const { return stored<bool>(v_); }
std::int16_t Variant::asInteger() const { return stored<std::int16_t>(v_); }
std::int32_t Variant::asLong() const { return stored<std::int32_t>(v_); }
double Variant::asDouble() const { return stored<double>(v_); }
Currency Variant::asCurrency() const { return stored<Currency>(v_); }
OaDate Variant::asDate() const { return stored<OaDate>(v_); }
const QString& Variant::asString() const { return stored<QString>(v_); }
const ObjectRef& Variant::asObject() const { return stored<ObjectRef>(v_); }

bool Variant::operator==(const Variant& other) const { return v_ == other.v_; }

QString debugText(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty:
            return QStringLiteral("Empty");
        case VarType::Null:
            return QStringLiteral("Null");
        case VarType::Integer:
            return QStringLiteral("Integer:") + CStr(v);
        case VarType::Long:
            return QStringLiteral("Long:") + CStr(v);
        case VarType::Double:
            return QStringLiteral("Double:") + CStr(v);
        case VarType::Currency:
            return QStringLiteral("Currency:") + CStr(v);
        case VarType::Date:
            return QStringLiteral("Date:") + CStr(v);
        case VarType::String:
            return QStringLiteral("String:\"%1\"").arg(v.asString());
        case VarType::Object:
            return v.asObject() ? QStringLiteral("Object") : QStringLiteral("Object:Nothing");
        case VarType::Boolean:
            return QStringLiteral("Boolean:") + CStr(v);
    }
    return {};
}

std::ostream& operator<<(std::ostream& out, const Variant& v) { return out << debugText(v).toStdString(); }

}  // namespace tvx
