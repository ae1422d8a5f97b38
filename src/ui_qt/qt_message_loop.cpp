#include "ui_qt/qt_message_loop.h"

#include <QCoreApplication>

namespace tvx::ui_qt {

void QtMessageLoop::DoEvents() { QCoreApplication::processEvents(); }

}  // namespace tvx::ui_qt
