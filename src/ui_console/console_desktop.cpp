#include "ui_console/console_desktop.h"

#include "platform/automation/class_registry.h"
#include "ui_console/console_common_dialog.h"
#include "ui_console/console_progress_bar.h"

namespace tvx::ui_console {

ConsoleDesktop::ConsoleDesktop(std::ostream& out, ConsoleAnswers answers)
    : out_(out), answers_(std::move(answers)), messages_(out), shell_(out) {}

std::unique_ptr<ui::CommonDialog> ConsoleDesktop::newCommonDialog() {
    return std::make_unique<ConsoleCommonDialog>(out_, answers_.openFile, answers_.saveFile);
}

std::unique_ptr<ui::ProgressWindow> ConsoleDesktop::newProgressWindow() {
    return std::make_unique<ConsoleProgressBar>(out_);
}

ui::ViewerWindow ConsoleDesktop::newViewerWindow() {
    ui::ViewerWindow viewer;
    auto grid = std::make_unique<ConsoleDataGrid>();
    viewer.window = std::make_unique<ConsoleViewerWindow>(out_, *grid);
    viewer.grid = std::move(grid);
    return viewer;
}

void registerConsoleDesktop(std::ostream& out, ConsoleAnswers answers) {
    // One desktop for the whole process, as a platform has.
    auto desktop = std::make_shared<ConsoleDesktop>(out, std::move(answers));
    registry::registerClass(ui::DesktopProgId, [desktop] { return desktop; });
}

}  // namespace tvx::ui_console
