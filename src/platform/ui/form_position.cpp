#include "platform/ui/form_position.h"

#include "platform/automation/conversions.h"

#include <algorithm>
#include <limits>

namespace tvx::ui {
namespace {

constexpr std::int64_t kScreenMarginPixels = 4;

// Keeps [pos, pos + size] at least `margin` inside [0, screen]: by moving
// first, then by shrinking.
void keepInside(std::int64_t& pos, std::int64_t& size, std::int64_t screen, std::int64_t margin) {
    pos = std::max(pos, margin);
    if (pos + size <= screen - margin) return;
    pos = std::max(screen - margin - size, margin);
    if (pos + size > screen - margin) size = screen - margin - pos;
}

std::int32_t toLong(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void saveFormPosition(const WindowPlacement& window, FormPositionKeys& keys) {
    if (window.isMinimised()) return;
    const bool maximised = window.isMaximised();
    keys.write(QStringLiteral("Maximised"), maximised ? QStringLiteral("1") : QStringLiteral("0"));
    if (maximised) return;
    keys.write(QStringLiteral("Left"), QString::number(window.left()));
    keys.write(QStringLiteral("Top"), QString::number(window.top()));
    keys.write(QStringLiteral("Width"), QString::number(window.width()));
    keys.write(QStringLiteral("Height"), QString::number(window.height()));
}

void loadFormPosition(WindowPlacement& window, FormPositionKeys& keys, std::int32_t minWidth, std::int32_t minHeight) {
    auto read = [&keys](const char* key, std::int32_t fallback) {
        return CLngOr(keys.read(QString::fromLatin1(key)), fallback);
    };
    // 64 bits, so stored values near the limits cannot overflow the sums below.
    std::int64_t left = read("Left", window.left());
    std::int64_t top = read("Top", window.top());
    std::int64_t width = std::max(read("Width", window.width()), minWidth);
    std::int64_t height = std::max(read("Height", window.height()), minHeight);
    keepInside(left, width, window.screenWidth(), kScreenMarginPixels * window.twipsPerPixelX());
    keepInside(top, height, window.screenHeight(), kScreenMarginPixels * window.twipsPerPixelY());
    if (width >= minWidth && height >= minHeight) window.move(toLong(left), toLong(top), toLong(width), toLong(height));
    if (read("Maximised", 0) != 0) window.maximise();
}

}  // namespace tvx::ui
