#include "ui_console/console_desktop.h"

#include "platform/automation/class_registry.h"
#include "ui_console/console_common_dialog.h"

#include <unistd.h>
#include <iostream>

namespace tvx::ui_console {

namespace {

ProgressOutput progressOutputFor(const std::ostream& out) {
    const bool terminal =
        (&out == &std::cout && isatty(STDOUT_FILENO)) || (&out == &std::cerr && isatty(STDERR_FILENO));
    return terminal ? ProgressOutput::Terminal : ProgressOutput::Lines;
}

}  // namespace

ConsoleDesktop::ConsoleDesktop(std::ostream& out, ConsoleAnswers answers, ProgressOutput progress)
    : out_(out),
      answers_(std::move(answers)),
      progress_(progress),
      transcript_(out),
      messages_(out, &transcript_),
      shell_(out) {}

std::unique_ptr<ui::CommonDialog> ConsoleDesktop::newCommonDialog() {
    return std::make_unique<ConsoleCommonDialog>(out_, answers_.openFile, answers_.saveFile, &transcript_);
}

std::unique_ptr<ui::ProgressWindow> ConsoleDesktop::newProgressWindow() {
    return std::make_unique<ConsoleProgressBar>(out_, 30, progress_, &transcript_);
}

ui::ViewerWindow ConsoleDesktop::newViewerWindow() {
    ui::ViewerWindow viewer;
    auto grid = std::make_unique<ConsoleDataGrid>();
    viewer.window = std::make_unique<ConsoleViewerWindow>(out_, *grid, answers_.saveFile.has_value(), &transcript_);
    viewer.grid = std::move(grid);
    return viewer;
}

ui::ConfigWindow ConsoleDesktop::newConfigWindow() {
    ui::ConfigWindow config;
    config.grid = std::make_unique<ui::PropertyGrid>();
    config.dialog = newCommonDialog();
    config.window = std::make_unique<ConsoleConfigWindow>(out_, *config.grid, answers_.propertyEdits,
                                                          answers_.configButton, &transcript_);
    return config;
}

std::shared_ptr<ConsoleDesktop> registerConsoleDesktop(std::ostream& out, ConsoleAnswers answers) {
    // One desktop for the whole process, as a platform has.
    auto desktop = std::make_shared<ConsoleDesktop>(out, std::move(answers), progressOutputFor(out));
    registry::registerClass(ui::DesktopProgId, [desktop] { return desktop; });
    return desktop;
}

}  // namespace tvx::ui_console
