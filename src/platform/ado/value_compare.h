#pragma once
// Comparing cell values the way Filter, Find and Sort do: numbers and dates
// by value, texts without regard to case.
#include "platform/automation/variant.h"

#include <optional>

namespace tvx::ado {

// Order for sorting: Null (and Empty) first, then numbers and dates, then texts.
int compareForSort(const Variant& a, const Variant& b);
// Order of a cell against a criterion's value; nothing when the cell is Null
// or Empty (no criterion matches a Null cell).
std::optional<int> compareForCriteria(const Variant& cell, const Variant& wanted);

}  // namespace tvx::ado
