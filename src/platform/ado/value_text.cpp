#include "platform/ado/value_text.h"

#include <QLocale>
#include <cmath>

namespace tvx::ado {

namespace {

const QDate kOaEpoch(1899, 12, 30);
constexpr int kSecondsPerDay = 86400;

// The leading run of digits of `text` from `pos` as a number; advances `pos`.
std::optional<int> takeDigits(QStringView text, qsizetype& pos, int minDigits, int maxDigits) {
    int value = 0, count = 0;
    while (pos < text.size() && count < maxDigits && text[pos].isDigit()) {
        value = value * 10 + text[pos].digitValue();
        ++pos;
        ++count;
    }
    if (count < minDigits) return std::nullopt;
    return value;
}

bool takeChar(QStringView text, qsizetype& pos, QChar c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

// "yyyy-mm-dd" (year first) or "m/d/yyyy" from `pos`.
std::optional<QDate> takeDate(QStringView text, qsizetype& pos, bool yearFirst) {
    const QChar separator = yearFirst ? u'-' : u'/';
    int parts[3] = {};
    for (int i = 0; i < 3; ++i) {
        const bool isYear = i == (yearFirst ? 0 : 2);
        const auto n = takeDigits(text, pos, isYear ? 4 : 1, isYear ? 4 : 2);
        if (!n || (i < 2 && !takeChar(text, pos, separator))) return std::nullopt;
        parts[i] = *n;
    }
    const QDate d = yearFirst ? QDate(parts[0], parts[1], parts[2]) : QDate(parts[2], parts[0], parts[1]);
    if (!d.isValid()) return std::nullopt;
    return d;
}

// "h:mm[:ss[.fff]]" from `pos`; the fraction of a second is dropped.
std::optional<QTime> takeTime(QStringView text, qsizetype& pos) {
    const auto h = takeDigits(text, pos, 1, 2);
    if (!h || !takeChar(text, pos, ':')) return std::nullopt;
    const auto m = takeDigits(text, pos, 2, 2);
    if (!m) return std::nullopt;
    int s = 0;
    if (takeChar(text, pos, ':')) {
        const auto sec = takeDigits(text, pos, 2, 2);
        if (!sec) return std::nullopt;
        s = *sec;
        if (takeChar(text, pos, '.') && !takeDigits(text, pos, 1, 9)) return std::nullopt;
    }
    const QTime t(*h, *m, s);
    if (!t.isValid()) return std::nullopt;
    return t;
}

}  // namespace

std::optional<double> numericValue(const Variant& v) {
    switch (v.type()) {
        case VarType::Integer:
            return double(v.asInteger());
        case VarType::Long:
            return double(v.asLong());
        case VarType::Double:
            return v.asDouble();
        case VarType::Currency:
            return v.asCurrency().toDouble();
        case VarType::Date:
            return v.asDate().value;
        case VarType::Boolean:
            return v.asBool() ? -1.0 : 0.0;
        default:
            return std::nullopt;
    }
}

QString doubleText(double d) { return QString::number(d, 'g', QLocale::FloatingPointShortest); }

QString valueText(const Variant& v) {
    switch (v.type()) {
        case VarType::String:
            return v.asString();
        case VarType::Integer:
            return QString::number(v.asInteger());
        case VarType::Long:
            return QString::number(v.asLong());
        case VarType::Double:
            return doubleText(v.asDouble());
        case VarType::Currency:
            return v.asCurrency().toString();
        case VarType::Date:
            return dateTimeText(v.asDate());
        case VarType::Boolean:
            return v.asBool() ? QStringLiteral("True") : QStringLiteral("False");
        default:
            return {};
    }
}

std::optional<double> parseNumber(QStringView text) {
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    if (!ok) return std::nullopt;
    return d;
}

OaDate oaDateOf(const QDate& date, const QTime& time) {
    const double days = double(kOaEpoch.daysTo(date));
    const double fraction = double(QTime(0, 0).secsTo(time)) / kSecondsPerDay;
    // Before the epoch the time still counts forward from midnight, so it is subtracted.
    return OaDate{days < 0 ? days - fraction : days + fraction};
}

QString dateTimeText(const OaDate& d) {
    double whole = std::trunc(d.value);
    auto seconds = std::llround(std::fabs(d.value - whole) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        whole += d.value < 0 ? -1 : 1;
    }
    const QDate date = kOaEpoch.addDays(qint64(whole));
    const QTime time = QTime(0, 0).addSecs(int(seconds));
    return date.toString(u"yyyy-MM-dd") + QLatin1Char('T') + time.toString(u"HH:mm:ss");
}

std::optional<OaDate> parseIsoDateTime(QStringView text) {
    text = text.trimmed();
    qsizetype pos = 0;
    const auto date = takeDate(text, pos, true);
    if (!date) return std::nullopt;
    QTime time(0, 0);
    if (pos < text.size()) {
        if (!takeChar(text, pos, 'T') && !takeChar(text, pos, ' ')) return std::nullopt;
        const auto t = takeTime(text, pos);
        if (!t || pos != text.size()) return std::nullopt;
        time = *t;
    }
    return oaDateOf(*date, time);
}

std::optional<OaDate> parseUsDateTime(QStringView text) {
    text = text.trimmed();
    qsizetype pos = 0;
    const auto date = takeDate(text, pos, false);
    if (!date) return std::nullopt;
    QTime time(0, 0);
    if (pos < text.size()) {
        if (!takeChar(text, pos, ' ')) return std::nullopt;
        auto t = takeTime(text, pos);
        if (!t) return std::nullopt;
        const QStringView rest = text.mid(pos).trimmed();
        const bool pm = rest.compare(u"PM", Qt::CaseInsensitive) == 0;
        const bool am = rest.compare(u"AM", Qt::CaseInsensitive) == 0;
        if (!rest.isEmpty() && !pm && !am) return std::nullopt;
        if ((am || pm) && (t->hour() < 1 || t->hour() > 12)) return std::nullopt;
        if (am && t->hour() == 12) t = t->addSecs(-12 * 3600);
        if (pm && t->hour() != 12) t = t->addSecs(12 * 3600);
        time = *t;
    }
    return oaDateOf(*date, time);
}

}  // namespace tvx::ado
