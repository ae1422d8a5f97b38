#pragma once
// Where "today" and "now" come from, so that runs and tests can fix the date.
#include <QDate>
#include <QDateTime>
#include <memory>

namespace tvx {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The same moment in UTC; the system clock reads it without the time zone's rules.
    virtual QDateTime nowUtc() const { return now().toUTC(); }
    QDate today() const { return now().date(); }
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    QDateTime nowUtc() const override { return QDateTime::currentDateTimeUtc(); }
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime at) : at_(std::move(at)) {}
    QDateTime now() const override { return at_; }

private:
    QDateTime at_;
};

// The process's clock (the system clock unless replaced).
const Clock& clock();
// Replaces the process's clock; nullptr restores the system clock.
void setClock(std::shared_ptr<const Clock> c);

// Fixes the clock for a scope (tests, demo runs) and restores the previous one.
class ScopedClock {
public:
    explicit ScopedClock(const QDateTime& at);
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    std::shared_ptr<const Clock> previous_;
};

}  // namespace tvx
