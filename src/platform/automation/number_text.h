#pragma once
// Reading of the numeric texts the conversions accept: surrounding blanks,
// optional sign, digits with an optional '.' part and an optional exponent
// (E or D). Kept exact as decimal digits so that rounding is done on the
// written value, not on its nearest double.
#include <QStringView>
#include <cstdint>
#include <optional>
#include <string>

namespace tvx::detail {

// value = (negative ? -1 : 1) * digits * 10^exponent; digits has no leading zeros
// and is empty for zero.
struct DecimalText {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;

    bool isZero() const { return digits.empty(); }
    // value * 10^decimals rounded halves to even; nullopt when beyond 64 bits.
    std::optional<std::int64_t> roundedScaled(int decimals) const;
    // Nearest double; nullopt when beyond the range of a double (tiny values give 0).
    std::optional<double> toDouble() const;
};

// nullopt when `text` as a whole is not such a number.
std::optional<DecimalText> parseDecimalText(QStringView text);

// `text` without the blanks (space, tab, CR, LF) allowed around numbers and dates.
QStringView trimBlanks(QStringView text);

}  // namespace tvx::detail
