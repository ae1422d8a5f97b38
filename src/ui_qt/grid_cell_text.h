#pragma once
// The text a grid cell shows for a value: numbers in the column's display
// format, everything else as its text, line breaks shown as blanks.
#include "platform/automation/variant.h"

#include <QLocale>
#include <QString>

namespace tvx::ui_qt {

QString gridCellText(const Variant& value, const QString& format, const QLocale& locale = QLocale());

// A number in a display format of digit placeholders: '0' (a digit always
// written), '#' (a digit written only when significant), ',' among the
// integer placeholders (thousands grouped with the locale's separator) and
// '.' (the locale's decimal point). Other characters are not written.
// "###,###" writes 1234567 as "1,234,567" in English, and 0 as "".
QString formatNumber(double value, const QString& format, const QLocale& locale);

}  // namespace tvx::ui_qt
