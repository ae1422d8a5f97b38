#include "platform/automation/clock.h"

#include <mutex>

namespace tvx {

namespace {

struct ClockState {
    std::mutex lock;
    std::shared_ptr<const Clock> current;  // null: the system clock
};

ClockState& state() {
    static ClockState s;
    return s;
}

std::shared_ptr<const Clock> currentClock() {
    std::lock_guard guard(state().lock);
    return state().current;
}

}  // namespace

const Clock& clock() {
    static const SystemClock system;
    // The process keeps the replaced clock alive until the next replacement.
    const auto current = currentClock();
    return current ? *current : system;
}

void setClock(std::shared_ptr<const Clock> c) {
    std::lock_guard guard(state().lock);
    state().current = std::move(c);
}

ScopedClock::ScopedClock(const QDateTime& at) : previous_(currentClock()) {
    setClock(std::make_shared<FixedClock>(at));
}

ScopedClock::~ScopedClock() { setClock(std::move(previous_)); }

}  // namespace tvx
