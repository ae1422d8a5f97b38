#include "ui_qt/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace tvx::ui_qt {

namespace {

// The frame around the inside: known once the window was shown, else the
// style's title bar and a thin border, so that a first show fits too.
QSize frameExtra(const QWidget& window) {
    const QSize known = window.frameGeometry().size() - window.size();
    if (window.isVisible() && !known.isEmpty()) return known;
    const int border = 4;
    return {2 * border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border};
}

}  // namespace

void fitToScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    const QSize extra = frameExtra(window);
    const QSize room = (available.size() - extra).expandedTo({1, 1});
    if (window.minimumWidth() > room.width() || window.minimumHeight() > room.height())
        window.setMinimumSize(window.minimumSize().boundedTo(room));
    window.resize(window.size().boundedTo(room));
    if (!window.testAttribute(Qt::WA_Moved)) return;
    const QSize outer = window.size() + extra;
    const int x = std::clamp(window.x(), available.left(), available.right() + 1 - outer.width());
    const int y = std::clamp(window.y(), available.top(), available.bottom() + 1 - outer.height());
    if (x != window.x() || y != window.y()) window.move(x, y);
}

}  // namespace tvx::ui_qt
