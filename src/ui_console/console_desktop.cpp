#include "ui_console/console_desktop.h"

#include "platform/automation/class_registry.h"
#include "ui_console/console_common_dialog.h"

namespace tvx::ui_console {

ConsoleDesktop::ConsoleDesktop(std::ostream& out, ConsoleAnswers answers)
    : out_(out), answers_(std::move(answers)), messages_(out) {}

std::unique_ptr<ui::CommonDialog> ConsoleDesktop::newCommonDialog() {
    return std::make_unique<ConsoleCommonDialog>(out_, answers_.openFile, answers_.saveFile);
}

void registerConsoleDesktop(std::ostream& out, ConsoleAnswers answers) {
    // One desktop for the whole process, as a platform has.
    auto desktop = std::make_shared<ConsoleDesktop>(out, std::move(answers));
    registry::registerClass(addin::DesktopProgId, [desktop] { return desktop; });
}

}  // namespace tvx::ui_console
