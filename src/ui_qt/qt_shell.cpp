#include "ui_qt/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace tvx::ui_qt {

bool QtShell::OpenDocument(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace tvx::ui_qt
