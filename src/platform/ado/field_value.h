#pragma once
// Turning an assigned value into what a typed field holds.
#include "platform/ado/field_info.h"
#include "platform/automation/variant.h"

namespace tvx::ado {

// The value `field` stores when `value` is assigned to it: numbers, dates and
// booleans go through the platform's conversions (and raise their errors),
// texts longer than a text field's defined size raise the multiple-step
// error. Null and Empty both store Null.
Variant coerceForField(const FieldInfo& field, const Variant& value);

// A whole number as the narrowest variant that holds it (Long, else Double).
Variant wholeNumber(double value);

}  // namespace tvx::ado
