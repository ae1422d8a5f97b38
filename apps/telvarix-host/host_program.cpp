#include "telvarix-host/host_program.h"

#include "addin/addin_ui.h"
#include "host_erp/host_registration.h"
#include "host_erp/host_settings.h"
#include "platform/automation/class_registry.h"
#include "telvarix-host/command_line.h"

#include <QDir>
#include <QFileInfo>

namespace tvx::host_app {

HostProgram::HostProgram(const QString& base, std::ostream& out, ui_console::ConsoleAnswers answers)
    : base_(QDir::cleanPath(QDir(base).absolutePath())) {
    if (!QFileInfo(base_).isDir()) throw CommandFailure(QStringLiteral("no base folder %1.").arg(base_));
    host_erp::setBaseFolder(base_);
    host_erp::registerHostClasses();
    ui_console::registerConsoleDesktop(out, std::move(answers));
}

HostProgram::~HostProgram() {
    registry::unregisterClass(addin::DesktopProgId);
    host_erp::unregisterHostClasses();
    host_erp::setBaseFolder(QString());
}

}  // namespace tvx::host_app
