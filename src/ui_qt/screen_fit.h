#pragma once
// A top-level window kept within the part of its screen that windows may
// use: no larger than that (title bar and frame included) and, when it was
// placed, moved so that its title bar is on the screen. Called before the
// window is shown; a window that was never placed is centred by Qt.
class QWidget;

namespace tvx::ui_qt {

void fitToScreen(QWidget& window);

}  // namespace tvx::ui_qt
