#pragma once
// The frame the conversion functions share: Empty gives a fixed result, Null
// raises 94, an object raises 13, and every other value is handed, as its
// stored type, to an overload set.
#include "platform/automation/automation_error.h"
#include "platform/automation/variant.h"

namespace tvx::detail {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

template <class R, class F>
R convertValue(const Variant& v, R empty, F&& convert) {
    switch (v.type()) {
        case VarType::Empty:
            return empty;
        case VarType::Null:
            err::raise(err::InvalidUseOfNull);
        case VarType::Boolean:
            return convert(v.asBool());
        case VarType::Integer:
            return convert(v.asInteger());
        case VarType::Long:
            return convert(v.asLong());
        case VarType::Double:
            return convert(v.asDouble());
        case VarType::Currency:
            return convert(v.asCurrency());
        case VarType::Date:
            return convert(v.asDate());
        case VarType::String:
            return convert(v.asString());
        case VarType::Object:
            break;
    }
    err::raise(err::TypeMismatch);
}

}  // namespace tvx::detail
