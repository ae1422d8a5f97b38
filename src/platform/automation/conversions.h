#pragma once
// The platform's conversion functions, as the add-in uses them.
// Texts are read and written with '.' as decimal separator and no grouping
// (the add-in always hands numbers over that way); halves round to even.
// Errors: 13 "Type mismatch" for a text that is not a number or date,
// 6 "Overflow" for a value outside the target's range, 94 "Invalid use of Null".
#include "platform/automation/variant.h"

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace tvx {

std::int16_t CInt(const Variant& v);
std::int32_t CLng(const Variant& v);
// CLng of a text, or `fallback` when the text is not a number that fits.
std::int32_t CLngOr(const QString& text, std::int32_t fallback);
double CDbl(const Variant& v);
Currency CCur(const Variant& v);
// Empty → "", Boolean → "True"/"False", Date → defaultDateText, numbers in
// invariant form (doubles with up to 15 significant digits).
QString CStr(const Variant& v);
bool CBool(const Variant& v);
// Accepts Date variants, numbers (as days since 30 Dec 1899) and texts in
// "dd-mm-yyyy", "dd/mm/yyyy", "yyyy-mm-dd", each optionally followed by " hh:mm[:ss]",
// or "yyyy-mm-ddThh:mm:ss", or a time alone (on 30-12-1899). Dates outside the
// years 100..9999 raise 6.
OaDate CDate(const Variant& v);

// The leading number of a text, never an error ("12x" → 12, "" → 0, " 2 45 7" → 2457).
// Blanks, tabs and line feeds are ignored anywhere. "&H" and "&O" numbers that fit
// 16 bits read as a signed Integer ("&HFFFF" → -1), those that fit 32 bits as a
// signed Long, larger ones unsigned. A number beyond a double gives ±infinity.
double Val(const QString& text);

// The platform's banker's rounding of a double to an integer (halves to even).
double roundHalfEven(double value);

// Date and time texts handed to the host: "dd-mm-yyyy" and "hh:mm:ss".
QString formatDate(const QDate& d);  // dd-mm-yyyy
QString formatTime(const QTime& t);  // hh:mm:ss (24 hours)
// The one default text form of a date: "dd-mm-yyyy", with " hh:mm:ss" appended
// only when the time is not midnight; a date of 30-12-1899 with a time shows the time alone.
QString defaultDateText(const OaDate& d);

// Platform string helpers the add-in relies on.
QString Trim(const QString& s);  // removes U+0020 blanks only, both ends
QString UCase(const QString& s);

}  // namespace tvx
