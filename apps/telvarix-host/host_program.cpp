#include "telvarix-host/host_program.h"

#include "host_erp/host_registration.h"
#include "platform/automation/class_registry.h"
#include "platform/ui/addin_ui.h"
#include "telvarix-host/command_line.h"

#include <QDir>
#include <QFileInfo>

namespace tvx::host_app {

HostProgram::HostProgram(const QString& base, std::ostream& out, ui_console::ConsoleAnswers answers)
    : HostProgram(base,
                  [this, &out, &answers] { console_ = ui_console::registerConsoleDesktop(out, std::move(answers)); }) {}

HostProgram::HostProgram(const QString& base, const std::function<void()>& registerDesktop)
    : base_(QDir::cleanPath(QDir(base).absolutePath())) {
    if (!QFileInfo(base_).isDir()) throw CommandFailure(QStringLiteral("no base folder %1.").arg(base_));
    auto settings = std::make_shared<host_erp::HostSettings>();
    settings->baseFolderSetting = base_;
    settings_ = std::move(settings);
    host_erp::registerHostClasses(settings_);
    registerDesktop();
}

HostProgram::~HostProgram() {
    registry::unregisterClass(ui::DesktopProgId);
    host_erp::unregisterHostClasses();
}

}  // namespace tvx::host_app
