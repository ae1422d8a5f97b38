#pragma once
// The stand-in host as a running program: its base folder, its components
// registered under their class names, and the desktop the add-in shows
// itself on: the console one for batch commands (message boxes answered with
// their default buttons, file dialogs answered from the command line), real
// windows for the GUI.
#include "host_erp/host_settings.h"
#include "ui_console/console_desktop.h"

#include <QString>
#include <functional>
#include <iosfwd>
#include <memory>

namespace tvx::host_app {

class HostProgram {
public:
    // CommandFailure when `base` is not a folder. The console desktop, printing to `out`.
    HostProgram(const QString& base, std::ostream& out, ui_console::ConsoleAnswers answers = {});
    // The desktop that `registerDesktop` registers under ui::DesktopProgId.
    HostProgram(const QString& base, const std::function<void()>& registerDesktop);
    ~HostProgram();
    HostProgram(const HostProgram&) = delete;
    HostProgram& operator=(const HostProgram&) = delete;

    const QString& base() const { return base_; }
    // The settings the host's components were registered with.
    const host_erp::HostSettingsRef& settings() const { return settings_; }
    // The console desktop of a batch command; null for another desktop.
    ui_console::ConsoleDesktop* console() const { return console_.get(); }

private:
    QString base_;
    host_erp::HostSettingsRef settings_;
    std::shared_ptr<ui_console::ConsoleDesktop> console_;
};

}  // namespace tvx::host_app
