#pragma once
// The platform's Currency: a 64-bit integer counting ten-thousandths, so sums
// and differences of money are exact.
#include <QString>
#include <compare>
#include <cstdint>
#include <iosfwd>

namespace tvx {

class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    // From a count of ten-thousandths (1.5 = 15000).
    static constexpr Currency fromScaled(std::int64_t scaled) {
        Currency c;
        c.scaled_ = scaled;
        return c;
    }
    static Currency fromLong(std::int64_t units);  // error 6 when out of range
    // Halves to even at the 4th decimal of the double's shortest text (0.00015 →
    // 0.0002); error 6 out of range, NaN or infinite.
    static Currency fromDouble(double value);
    // Invariant text: optional sign, digits, optional '.' and up to any decimals
    // (rounded halves to even at the 4th); surrounding blanks allowed. Error 13 otherwise.
    static Currency parse(const QString& text);

    constexpr std::int64_t scaled() const { return scaled_; }
    double toDouble() const;
    // Whole units, halves to even (2.5 → 2, 3.5 → 4).
    std::int64_t roundedUnits() const;
    // Invariant text, '.' separator, no trailing zeros: "12.5", "-3", "0.0001".
    QString toString() const;

    // Exact arithmetic; results outside the range raise error 6.
    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    std::int64_t scaled_ = 0;
};

// Test output and diagnostics: the invariant text.
std::ostream& operator<<(std::ostream& out, const Currency& c);

}  // namespace tvx
