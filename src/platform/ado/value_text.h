#pragma once
// Plain texts of cell values, both ways: invariant numbers and the dates of
// rowset files ("yyyy-mm-ddThh:mm:ss") and of criteria ("#m/d/yyyy#").
#include "platform/automation/variant.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>
#include <optional>

namespace tvx::ado {

// A number for numeric, boolean (-1/0) and date values; nothing otherwise.
std::optional<double> numericValue(const Variant& v);
// Plain text of a value: invariant numbers, "True"/"False", ISO dates.
QString valueText(const Variant& v);
// Invariant number text ("12.5", "-3", "1e+20"); nothing when `text` is not one.
std::optional<double> parseNumber(QStringView text);
QString doubleText(double d);

// The platform's date value of a calendar date and time of day (no time zone involved).
OaDate oaDateOf(const QDate& date, const QTime& time);
// "yyyy-mm-ddThh:mm:ss", to the second.
QString dateTimeText(const OaDate& d);
// "yyyy-mm-dd", optionally followed by "T" or a blank and "hh:mm[:ss[.fff]]".
std::optional<OaDate> parseIsoDateTime(QStringView text);
// "m/d/yyyy", optionally followed by " h:mm[:ss]" and " AM"/" PM".
std::optional<OaDate> parseUsDateTime(QStringView text);

}  // namespace tvx::ado
