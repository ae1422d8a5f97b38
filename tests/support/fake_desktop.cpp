#include "support/fake_desktop.h"

#include "platform/automation/automation_error.h"
#include "support/fake_data_grid.h"
#include "support/linhas_do_log.h"
#include "support/recording_progress_window.h"

namespace tvx::testing {

FakeDesktop::FakeDesktop() : pending_(std::make_unique<FakeCommonDialog>()) { dialog = pending_.get(); }

std::unique_ptr<ui::CommonDialog> FakeDesktop::newCommonDialog() {
    if (failDialog || !pending_) err::raise(err::CannotCreateObject, QStringLiteral("FakeDesktop"));
    ++dialogsCreated;
    return std::move(pending_);
}

std::unique_ptr<ui::ProgressWindow> FakeDesktop::newProgressWindow() {
    return std::make_unique<RecordingProgressWindow>(progress, stopAtLine);
}

ui::ViewerWindow FakeDesktop::newViewerWindow() {
    ui::ViewerWindow viewer;
    auto grid = std::make_unique<FakeDataGrid>();
    auto window = std::make_unique<FakeFormWindow>();
    // The user reads the log and closes the window.
    window->whileShown(
        [this, g = grid.get()] { viewerLogs.push_back(g->dataSource ? linhasDoLog(*g->dataSource) : QStringList{}); });
    viewer.grid = std::move(grid);
    viewer.window = std::move(window);
    return viewer;
}

ui::ConfigWindow FakeDesktop::newConfigWindow() {
    ui::ConfigWindow config;
    config.grid = std::make_unique<ui::PropertyGrid>();
    config.dialog = std::make_unique<FakeCommonDialog>();
    auto window = std::make_unique<FakeFormWindow>();
    window->whileShown([this] { ++configWindowsShown; });
    for (const ConfigAction& action : configUser)
        window->whileShown([action, grid = config.grid.get(), w = window.get()] { action(*grid, *w); });
    config.window = std::move(window);
    return config;
}

}  // namespace tvx::testing
