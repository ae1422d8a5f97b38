#include "platform/automation/currency.h"

#include "platform/automation/automation_error.h"
#include "platform/automation/number_text.h"

#include <charconv>
#include <limits>
#include <ostream>

namespace tvx {

namespace {
constexpr std::int64_t maxScaled = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t minScaled = std::numeric_limits<std::int64_t>::min();
}  // namespace

Currency Currency::fromLong(std::int64_t units) {
    if (units > maxScaled / Scale || units < minScaled / Scale) err::raise(err::Overflow);
    return fromScaled(units * Scale);
}

Currency Currency::fromDouble(double value) {
    // Rounded on the shortest decimal text of the double, so that 0.00015 is
    // a half (→ 0.0002) rather than the 1.4999... its binary form multiplies to.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    const auto number = detail::parseDecimalText(QString::fromLatin1(buffer, written.ptr - buffer));
    const auto scaled = number ? number->roundedScaled(4) : std::nullopt;  // NaN and infinities: no number
    if (!scaled) err::raise(err::Overflow);
    return fromScaled(*scaled);
}

Currency Currency::parse(const QString& text) {
    const auto number = detail::parseDecimalText(text);
    if (!number) err::raise(err::TypeMismatch);
    const auto scaled = number->roundedScaled(4);
    if (!scaled) err::raise(err::Overflow);
    return fromScaled(*scaled);
}

double Currency::toDouble() const { return double(scaled_) / double(Scale); }

std::int64_t Currency::roundedUnits() const {
    std::int64_t units = scaled_ / Scale;
    const std::int64_t rest = scaled_ % Scale;  // same sign as scaled_
    const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
    if (twice > Scale || (twice == Scale && units % 2 != 0)) units += rest < 0 ? -1 : 1;
    return units;
}

QString Currency::toString() const {
    // Magnitude as unsigned so that the most negative value has one too.
    const std::uint64_t magnitude = scaled_ < 0 ? 0 - std::uint64_t(scaled_) : std::uint64_t(scaled_);
    QString text = QString::number(magnitude / Scale);
    std::uint64_t fraction = magnitude % Scale;
    if (fraction != 0) {
        QString decimals = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (decimals.endsWith(u'0')) decimals.chop(1);
        text += u'.' + decimals;
    }
    return scaled_ < 0 ? u'-' + text : text;
}

Currency Currency::operator+(Currency other) const {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(scaled_, other.scaled_, &sum)) err::raise(err::Overflow);
    return fromScaled(sum);
}

Currency Currency::operator-(Currency other) const {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(scaled_, other.scaled_, &difference)) err::raise(err::Overflow);
    return fromScaled(difference);
}

Currency Currency::operator-() const { return Currency() - *this; }

std::ostream& operator<<(std::ostream& out, const Currency& c) { return out << c.toString().toStdString(); }

}  // namespace tvx
