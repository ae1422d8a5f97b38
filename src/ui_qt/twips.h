#pragma once
// Twips, the platform's unit for window and column sizes (1440 to the inch),
// and a widget's pixels: 15 twips to the pixel on a 96 dpi screen.
#include <cstdint>

class QWidget;

namespace tvx::ui_qt {

std::int32_t twipsPerPixelX(const QWidget& widget);
std::int32_t twipsPerPixelY(const QWidget& widget);

}  // namespace tvx::ui_qt
