#include "platform/automation/conversions.h"
#include "platform/automation/number_text.h"

#include <cmath>
#include <limits>

namespace tvx {

namespace {

// Val ignores these anywhere in the text.
bool ignoredByVal(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

int digitValue(QChar c, int base) {
    int d = -1;
    if (c >= u'0' && c <= u'9')
        d = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        d = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        d = c.unicode() - u'A' + 10;
    return d < base ? d : -1;
}

// "&H" / "&O" numbers: values that fit 16 bits read as a signed Integer, those
// that fit 32 bits as a signed Long ("&HFFFF" → -1), larger ones as they are.
double radixNumber(QStringView digits, int base) {
    std::uint64_t value = 0;
    for (QChar c : digits) {
        const int d = digitValue(c, base);
        if (d < 0) break;
        if (value > (std::numeric_limits<std::uint64_t>::max() - std::uint64_t(d)) / std::uint64_t(base)) break;
        value = value * std::uint64_t(base) + std::uint64_t(d);
    }
    if (value <= 0xFFFF) return double(std::int16_t(std::uint16_t(value)));
    if (value <= 0xFFFFFFFF) return double(std::int32_t(std::uint32_t(value)));
    return double(value);
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Length of the leading decimal number: sign, digits, '.', digits, exponent.
qsizetype leadingNumberLength(QStringView s) {
    qsizetype at = 0;
    const auto digitsFrom = [&s](qsizetype i) {
        while (i < s.size() && isDigit(s[i])) ++i;
        return i;
    };
    if (at < s.size() && (s[at] == u'-' || s[at] == u'+')) ++at;
    const qsizetype wholeStart = at;
    at = digitsFrom(at);
    bool anyDigit = at > wholeStart;
    if (at < s.size() && s[at] == u'.') {
        const qsizetype fractionEnd = digitsFrom(at + 1);
        anyDigit = anyDigit || fractionEnd > at + 1;
        at = fractionEnd;
    }
    if (!anyDigit) return 0;
    if (at < s.size() && QStringView(u"EeDd").contains(s[at])) {
        qsizetype e = at + 1;
        if (e < s.size() && (s[e] == u'-' || s[e] == u'+')) ++e;
        const qsizetype exponentEnd = digitsFrom(e);
        if (exponentEnd > e) at = exponentEnd;
    }
    return at;
}

}  // namespace

double Val(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!ignoredByVal(c)) s += c;

    if (s.size() >= 2 && s[0] == u'&') {
        const QChar radix = s[1].toUpper();
        if (radix == u'H') return radixNumber(QStringView(s).mid(2), 16);
        if (radix == u'O') return radixNumber(QStringView(s).mid(2), 8);
    }
    const qsizetype length = leadingNumberLength(s);
    if (length == 0) return 0;
    const auto number = detail::parseDecimalText(QStringView(s).left(length));
    if (!number) return 0;
    const auto value = number->toDouble();
    if (!value) return number->negative ? -HUGE_VAL : HUGE_VAL;
    return *value + 0.0;  // no negative zero
}

}  // namespace tvx
