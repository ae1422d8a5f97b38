#pragma once
// Deterministic draws for the generators: the engine is fully defined by the standard, and
// the helpers avoid the standard distributions, whose results differ between
// standard libraries.
#include <QTime>
#include <random>
#include <vector>

namespace tvx::agency {

class Draw {
public:
    explicit Draw(std::uint32_t seed) : engine_(seed) {}
    int below(int n) { return int(engine_() % std::uint32_t(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int p) { return below(100) < p; }
    double money(int lowCents, int highCents) { return between(lowCents, highCents) / 100.0; }
    // A time of day between 06:00 and 22:55, in steps of five minutes.
    QTime time() {
        const int hour = between(6, 22);
        return QTime(hour, 5 * below(12));
    }
    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[std::size_t(below(int(items.size())))];
    }
    std::mt19937& engine() { return engine_; }

private:
    std::mt19937 engine_;
};

}  // namespace tvx::agency
