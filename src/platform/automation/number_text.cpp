#include "platform/automation/number_text.h"

#include <charconv>
#include <cstdlib>
#include <limits>

namespace tvx::detail {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Exponents are capped far beyond any representable value so they cannot overflow.
constexpr std::int64_t ExponentCap = 100000;

struct Cursor {
    QStringView text;
    qsizetype at = 0;

    bool atEnd() const { return at >= text.size(); }
    QChar peek() const { return atEnd() ? QChar() : text[at]; }
    bool take(char16_t c) {
        if (atEnd() || text[at] != c) return false;
        ++at;
        return true;
    }
    // Appends the run of digits at the cursor to `out`; returns how many.
    qsizetype digits(std::string& out) {
        const qsizetype start = at;
        while (!atEnd() && isDigit(text[at])) out.push_back(char(text[at++].unicode()));
        return at - start;
    }
};

}  // namespace

QStringView trimBlanks(QStringView text) {
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    while (!text.isEmpty() && isBlank(text.front())) text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text;
}

std::optional<DecimalText> parseDecimalText(QStringView text) {
    Cursor c{trimBlanks(text)};
    DecimalText result;
    if (c.take(u'-'))
        result.negative = true;
    else
        c.take(u'+');

    std::string all;
    const qsizetype whole = c.digits(all);
    qsizetype fraction = 0;
    if (c.take(u'.')) fraction = c.digits(all);
    if (whole + fraction == 0) return std::nullopt;

    std::int64_t exponent = 0;
    const QChar e = c.peek();
    if (e == u'E' || e == u'e' || e == u'D' || e == u'd') {
        ++c.at;
        const bool negativeExponent = c.take(u'-');
        if (!negativeExponent) c.take(u'+');
        std::string expDigits;
        if (c.digits(expDigits) == 0) return std::nullopt;
        for (char d : expDigits) exponent = std::min(exponent * 10 + (d - '0'), ExponentCap);
        if (negativeExponent) exponent = -exponent;
    }
    if (!c.atEnd()) return std::nullopt;

    exponent -= fraction;
    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos) return DecimalText{result.negative, {}, 0};
    all.erase(0, first);
    // Trailing zeros move into the exponent, keeping digits short.
    const auto last = all.find_last_not_of('0');
    exponent += std::int64_t(all.size() - last - 1);
    all.erase(last + 1);
    result.digits = std::move(all);
    result.exponent = exponent;
    return result;
}

std::optional<std::int64_t> DecimalText::roundedScaled(int decimals) const {
    if (isZero()) return 0;
    const std::int64_t shift = exponent + decimals;
    const std::int64_t length = std::int64_t(digits.size());
    const std::int64_t wholeLength = length + shift;  // digits before the decimal point
    if (wholeLength > 19) return std::nullopt;

    std::uint64_t magnitude = 0;
    const auto push = [&magnitude](int digit) {
        return !__builtin_mul_overflow(magnitude, 10u, &magnitude) &&
               !__builtin_add_overflow(magnitude, std::uint64_t(digit), &magnitude);
    };
    for (std::int64_t i = 0; i < wholeLength; ++i)
        if (!push(i < length ? digits[std::size_t(i)] - '0' : 0)) return std::nullopt;

    if (wholeLength < length) {
        // Halves to even on the dropped digits.
        const std::int64_t firstDropped = std::max<std::int64_t>(wholeLength, 0);
        const bool beyondFirst = wholeLength < 0;  // the first dropped digit is an implicit 0
        const int dropped = beyondFirst ? 0 : digits[std::size_t(firstDropped)] - '0';
        const bool restNonZero = beyondFirst || std::size_t(firstDropped + 1) < digits.size();
        const bool up = dropped > 5 || (dropped == 5 && (restNonZero || magnitude % 2 == 1));
        if (up && __builtin_add_overflow(magnitude, 1u, &magnitude)) return std::nullopt;
    }

    constexpr std::uint64_t maxPositive = std::uint64_t(std::numeric_limits<std::int64_t>::max());
    if (negative) {
        if (magnitude > maxPositive + 1) return std::nullopt;
        return magnitude == maxPositive + 1 ? std::numeric_limits<std::int64_t>::min() : -std::int64_t(magnitude);
    }
    if (magnitude > maxPositive) return std::nullopt;
    return std::int64_t(magnitude);
}

std::optional<double> DecimalText::toDouble() const {
    if (isZero()) return negative ? -0.0 : 0.0;
    const std::string text = (negative ? "-" : "") + digits + "e" + std::to_string(exponent);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const bool tooLarge = std::int64_t(digits.size()) + exponent > 0;
        if (tooLarge) return std::nullopt;
        return negative ? -0.0 : 0.0;
    }
    return value;
}

}  // namespace tvx::detail
