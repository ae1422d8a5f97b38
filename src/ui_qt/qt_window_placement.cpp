#include "ui_qt/qt_window_placement.h"

#include "ui_qt/twips.h"

#include <QScreen>
#include <QWidget>

namespace tvx::ui_qt {

bool QtWindowPlacement::isMinimised() const { return widget_.isMinimized(); }
bool QtWindowPlacement::isMaximised() const { return widget_.isMaximized(); }
std::int32_t QtWindowPlacement::left() const { return widget_.pos().x() * twipsPerPixelX(); }
std::int32_t QtWindowPlacement::top() const { return widget_.pos().y() * twipsPerPixelY(); }
std::int32_t QtWindowPlacement::width() const { return widget_.width() * twipsPerPixelX(); }
std::int32_t QtWindowPlacement::height() const { return widget_.height() * twipsPerPixelY(); }

void QtWindowPlacement::move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    const int x = twipsPerPixelX();
    const int y = twipsPerPixelY();
    widget_.move(left / x, top / y);
    widget_.resize(width / x, height / y);
}

void QtWindowPlacement::maximise() { widget_.setWindowState(widget_.windowState() | Qt::WindowMaximized); }

std::int32_t QtWindowPlacement::screenWidth() const {
    const QRect area = widget_.screen()->availableGeometry();
    return (area.x() + area.width()) * twipsPerPixelX();
}

std::int32_t QtWindowPlacement::screenHeight() const {
    const QRect area = widget_.screen()->availableGeometry();
    return (area.y() + area.height()) * twipsPerPixelY();
}

std::int32_t QtWindowPlacement::twipsPerPixelX() const { return ui_qt::twipsPerPixelX(widget_); }
std::int32_t QtWindowPlacement::twipsPerPixelY() const { return ui_qt::twipsPerPixelY(widget_); }

}  // namespace tvx::ui_qt
