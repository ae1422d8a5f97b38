#include "platform/ado/value_compare.h"

#include "platform/ado/value_text.h"

namespace tvx::ado {

namespace {

int sign(double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

int compareNumbers(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

int compareTexts(const QString& a, const QString& b) { return sign(a.compare(b, Qt::CaseInsensitive)); }

bool isBlank(const Variant& v) { return v.isNull() || v.isEmpty(); }

// Rank for sorting values of different kinds.
int rankOf(const Variant& v) {
    if (isBlank(v)) return 0;
    if (numericValue(v)) return 1;
    return 2;
}

}  // namespace

int compareForSort(const Variant& a, const Variant& b) {
    const int ra = rankOf(a), rb = rankOf(b);
    if (ra != rb) return ra < rb ? -1 : 1;
    if (ra == 0) return 0;
    if (ra == 1) return compareNumbers(*numericValue(a), *numericValue(b));
    return compareTexts(valueText(a), valueText(b));
}

std::optional<int> compareForCriteria(const Variant& cell, const Variant& wanted) {
    if (isBlank(cell) || isBlank(wanted)) return std::nullopt;
    const auto a = numericValue(cell);
    const auto b = numericValue(wanted);
    if (a && b) return compareNumbers(*a, *b);
    // A number against a text: compare as numbers when the text is one.
    if (a && !b && wanted.type() == VarType::String) {
        if (const auto n = parseNumber(wanted.asString())) return compareNumbers(*a, *n);
    } else if (!a && b && cell.type() == VarType::String) {
        if (const auto n = parseNumber(cell.asString())) return compareNumbers(*n, *b);
    }
    return compareTexts(valueText(cell), valueText(wanted));
}

}  // namespace tvx::ado
