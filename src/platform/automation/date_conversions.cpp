#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "platform/automation/number_text.h"
#include "platform/automation/value_dispatch.h"

#include <QRegularExpression>
#include <array>

namespace tvx {

namespace {

// The platform's date range: 1 Jan 100 to 31 Dec 9999.
constexpr double firstDay = -657434;
constexpr double dayAfterLast = 2958466;

OaDate checkedDate(double value) {
    // Times of the first day lie between firstDay and firstDay - 1 (fraction rule).
    if (!(value > firstDay - 1 && value < dayAfterLast)) err::raise(err::Overflow);
    return OaDate{value};
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// Date texts CDate reads; groups d, m, y and optionally h, n (minutes), s.
const std::array<QRegularExpression, 3>& dateForms() {
    static const QString time = QStringLiteral("(?<h>\\d{1,2}):(?<n>\\d{2})(?::(?<s>\\d{2}))?");
    static const std::array<QRegularExpression, 3> forms = {
        QRegularExpression(
            QStringLiteral("^(?<d>\\d{1,2})(?<sep>[-/])(?<m>\\d{1,2})\\k<sep>(?<y>\\d{4})(?: +%1)?$").arg(time)),
        QRegularExpression(QStringLiteral("^(?<y>\\d{4})-(?<m>\\d{1,2})-(?<d>\\d{1,2})(?:(?: +|T)%1)?$").arg(time)),
        QRegularExpression(QStringLiteral("^%1$").arg(time)),
    };
    return forms;
}

int group(const QRegularExpressionMatch& match, const QString& name, int absent) {
    const QString text = match.captured(name);
    return text.isEmpty() ? absent : text.toInt();
}

OaDate parseDateText(const QString& text) {
    const QString trimmed = detail::trimBlanks(text).toString();

    for (const QRegularExpression& form : dateForms()) {
        const QRegularExpressionMatch match = form.match(trimmed);
        if (!match.hasMatch()) continue;
        const QDate date(group(match, QStringLiteral("y"), 1899), group(match, QStringLiteral("m"), 12),
                         group(match, QStringLiteral("d"), 30));
        const QTime time(group(match, QStringLiteral("h"), 0), group(match, QStringLiteral("n"), 0),
                         group(match, QStringLiteral("s"), 0));
        if (!date.isValid() || !time.isValid() || date.year() < 100) break;
        return OaDate::fromDateTime(QDateTime(date, time, Qt::UTC));  // UTC: no daylight-saving gaps
    }
    err::raise(err::TypeMismatch);
}

}  // namespace

OaDate CDate(const Variant& v) {
    return detail::convertValue<OaDate>(
        v, {},
        detail::Overloaded{
            [](const OaDate& d) { return d; }, [](const QString& s) { return parseDateText(s); },
            [&v](auto) { return checkedDate(CDbl(v)); },  // numbers count days
        });
}

QString formatDate(const QDate& d) {
    if (!d.isValid()) return {};
    return QStringLiteral("%1-%2-%3")
        .arg(twoDigits(d.day()), twoDigits(d.month()))
        .arg(d.year(), 4, 10, QLatin1Char('0'));
}

QString formatTime(const QTime& t) {
    if (!t.isValid()) return {};
    return QStringLiteral("%1:%2:%3").arg(twoDigits(t.hour()), twoDigits(t.minute()), twoDigits(t.second()));
}

QString defaultDateText(const OaDate& d) {
    if (!d.hasTime()) return formatDate(d.date());
    if (d.date() == QDate(1899, 12, 30)) return formatTime(d.time());
    return formatDate(d.date()) + u' ' + formatTime(d.time());
}

}  // namespace tvx
