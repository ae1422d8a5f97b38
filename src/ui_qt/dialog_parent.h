#pragma once
// The window a new dialog belongs to, so that it opens centred over what the
// user is looking at: the active modal window, else the active window (null
// when the application has none).
class QWidget;

namespace tvx::ui_qt {

QWidget* dialogParent();

}  // namespace tvx::ui_qt
