#include "ui_qt/grid_cell_text.h"

#include "platform/automation/conversions.h"

#include <algorithm>
#include <cmath>

namespace tvx::ui_qt {

QString formatNumber(double value, const QString& format, const QLocale& locale) {
    const qsizetype point = format.indexOf(QLatin1Char('.'));
    const QStringView integerPart = QStringView(format).left(point < 0 ? format.size() : point);
    const QStringView decimalPart = point < 0 ? QStringView() : QStringView(format).mid(point + 1);
    const bool grouped = integerPart.contains(QLatin1Char(','));
    const qsizetype minIntegers = integerPart.count(QLatin1Char('0'));
    const qsizetype minDecimals = decimalPart.count(QLatin1Char('0'));
    const qsizetype decimals = minDecimals + decimalPart.count(QLatin1Char('#'));

    const QString digits = QString::number(std::abs(value), 'f', int(decimals));
    const bool zero = std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0' || c == u'.'; });
    const qsizetype dot = digits.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? digits : digits.left(dot);
    QString fraction = dot < 0 ? QString() : digits.mid(dot + 1);

    while (!whole.isEmpty() && whole.front() == QLatin1Char('0')) whole.remove(0, 1);
    if (whole.size() < minIntegers) whole.prepend(QString(minIntegers - whole.size(), QLatin1Char('0')));
    while (fraction.size() > minDecimals && fraction.back() == QLatin1Char('0')) fraction.chop(1);
    if (grouped)
        for (qsizetype at = whole.size() - 3; at > 0; at -= 3) whole.insert(at, locale.groupSeparator());

    QString text = whole;
    if (!fraction.isEmpty()) text += locale.decimalPoint() + fraction;
    return (value < 0 && !zero ? QStringLiteral("-") : QString()) + text;
}

QString gridCellText(const Variant& value, const QString& format, const QLocale& locale) {
    if (value.isNull() || value.isEmpty()) return {};
    if (!format.isEmpty() && value.isNumeric() && value.type() != VarType::Boolean)
        return formatNumber(CDbl(value), format, locale);
    QString text = CStr(value);
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
}

}  // namespace tvx::ui_qt
