#include "platform/automation/conversions.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/number_text.h"
#include "platform/automation/value_dispatch.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tvx {

using detail::convertValue;
using detail::Overloaded;

namespace {

detail::DecimalText numberText(const QString& text) {
    auto number = detail::parseDecimalText(text);
    if (!number) err::raise(err::TypeMismatch);
    return *number;
}

std::int16_t booleanNumber(bool b) { return b ? VariantTrue : VariantFalse; }

// CInt and CLng: the value rounded halves to even, within lo..hi (else 6).
std::int64_t roundedInteger(const Variant& v, std::int64_t lo, std::int64_t hi) {
    const auto checked = [lo, hi](std::int64_t n) {
        if (n < lo || n > hi) err::raise(err::Overflow);
        return n;
    };
    const auto fromDouble = [lo, hi](double d) {
        const double r = roundHalfEven(d);
        if (!(r >= double(lo) && r <= double(hi))) err::raise(err::Overflow);  // NaN included
        return std::int64_t(r);
    };
    return convertValue<std::int64_t>(
        v, 0,
        Overloaded{
            [](bool b) -> std::int64_t { return booleanNumber(b); }, fromDouble,
            [&](Currency c) { return checked(c.roundedUnits()); }, [&](const OaDate& d) { return fromDouble(d.value); },
            [&](const QString& s) {
                const auto n = numberText(s).roundedScaled(0);
                if (!n) err::raise(err::Overflow);
                return checked(*n);
            },
            [&](auto n) { return checked(n); },  // Integer, Long
        });
}

// The platform's text of a double: up to 15 significant digits, no trailing
// zeros, exponent form ("1E+16", "1E-05") outside the plain range.
QString doubleText(double d) {
    if (d == 0) return QStringLiteral("0");  // also -0
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    return text.replace(u'e', u'E');
}

}  // namespace

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double below = std::floor(value);
    const double diff = value - below;
    if (diff < 0.5) return below;
    if (diff > 0.5) return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::int16_t CInt(const Variant& v) {
    return std::int16_t(
        roundedInteger(v, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

std::int32_t CLng(const Variant& v) {
    return std::int32_t(
        roundedInteger(v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t CLngOr(const QString& text, std::int32_t fallback) {
    std::int32_t result = fallback;
    tryIgnoringError([&] { result = CLng(Variant(text)); });
    return result;
}

double CDbl(const Variant& v) {
    return convertValue<double>(v, 0,
                                Overloaded{
                                    [](bool b) -> double { return booleanNumber(b); },
                                    [](Currency c) { return c.toDouble(); }, [](const OaDate& d) { return d.value; },
                                    [](const QString& s) {
                                        const auto d = numberText(s).toDouble();
                                        if (!d) err::raise(err::Overflow);
                                        return *d;
                                    },
                                    [](auto n) -> double { return n; },  // Integer, Long, Double
                                });
}

Currency CCur(const Variant& v) {
    return convertValue<Currency>(v, {},
                                  Overloaded{
                                      [](bool b) { return Currency::fromLong(booleanNumber(b)); },
                                      [](double d) { return Currency::fromDouble(d); }, [](Currency c) { return c; },
                                      [](const OaDate& d) { return Currency::fromDouble(d.value); },
                                      [](const QString& s) { return Currency::parse(s); },
                                      [](auto n) { return Currency::fromLong(n); },  // Integer, Long
                                  });
}

QString CStr(const Variant& v) {
    return convertValue<QString>(
        v, {},
        Overloaded{
            [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); },
            [](double d) { return doubleText(d); }, [](Currency c) { return c.toString(); },
            [](const OaDate& d) { return defaultDateText(d); }, [](const QString& s) { return s; },
            [](auto n) { return QString::number(n); },  // Integer, Long
        });
}

bool CBool(const Variant& v) {
    return convertValue<bool>(v, false,
                              Overloaded{
                                  [](bool b) { return b; }, [](Currency c) { return c.scaled() != 0; },
                                  [](const OaDate& d) { return d.value != 0; },
                                  [](const QString& s) {
                                      const QStringView word = detail::trimBlanks(s);
                                      if (word.compare(u"True", Qt::CaseInsensitive) == 0) return true;
                                      if (word.compare(u"False", Qt::CaseInsensitive) == 0) return false;
                                      return !numberText(s).isZero();
                                  },
                                  [](auto n) { return n != 0; },  // Integer, Long, Double
                              });
}

}  // namespace tvx
