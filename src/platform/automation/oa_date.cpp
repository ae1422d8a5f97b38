#include "platform/automation/variant.h"

#include <cmath>

namespace tvx {

namespace {

constexpr qint64 msPerDay = 86'400'000;

QDate epoch() { return QDate(1899, 12, 30); }

// Whole days from the epoch and milliseconds into that day. Negative values
// keep the date in the whole part and the time of day, still forward, in the
// fraction: -1.25 is 29-12-1899 06:00.
struct DayAndTime {
    qint64 day;
    qint64 ms;
};

// Far beyond the platform's years 100..9999; keeps the integer casts defined.
bool representable(double value) { return std::fabs(value) < 1e8; }

DayAndTime split(double value) {
    const double whole = std::trunc(value);
    qint64 day = qint64(whole);
    qint64 ms = std::llround(std::fabs(value - whole) * double(msPerDay));
    if (ms >= msPerDay) {  // rounded up to the next midnight
        ++day;
        ms = 0;
    }
    return {day, ms};
}

}  // namespace

OaDate OaDate::fromDate(const QDate& d) { return OaDate{double(epoch().daysTo(d))}; }

OaDate OaDate::fromDateTime(const QDateTime& dt) {
    const qint64 day = epoch().daysTo(dt.date());
    const double fraction = double(dt.time().msecsSinceStartOfDay()) / double(msPerDay);
    return OaDate{day < 0 ? double(day) - fraction : double(day) + fraction};
}

QDateTime OaDate::toDateTime() const {
    if (!representable(value)) return {};
    return QDateTime(date(), time());
}

QDate OaDate::date() const { return representable(value) ? epoch().addDays(split(value).day) : QDate(); }

QTime OaDate::time() const {
    return representable(value) ? QTime::fromMSecsSinceStartOfDay(int(split(value).ms)) : QTime();
}

bool OaDate::hasTime() const { return representable(value) && split(value).ms != 0; }

}  // namespace tvx
