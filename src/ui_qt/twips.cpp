#include "ui_qt/twips.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tvx::ui_qt {

namespace {

std::int32_t twipsPerPixel(double dotsPerInch) {
    constexpr double TwipsPerInch = 1440;
    return dotsPerInch > 0 ? std::max(1, int(std::lround(TwipsPerInch / dotsPerInch))) : 15;
}

}  // namespace

std::int32_t twipsPerPixelX(const QWidget& widget) { return twipsPerPixel(widget.logicalDpiX()); }
std::int32_t twipsPerPixelY(const QWidget& widget) { return twipsPerPixel(widget.logicalDpiY()); }

}  // namespace tvx::ui_qt
