#include "ui_qt/qt_desktop.h"

#include "platform/automation/class_registry.h"
#include "ui_qt/dialog_folders.h"
#include "ui_qt/qt_common_dialog.h"
#include "ui_qt/qt_config_window.h"
#include "ui_qt/qt_progress_window.h"
#include "ui_qt/qt_viewer_window.h"

namespace tvx::ui_qt {

QtDesktop::QtDesktop(const QString& settingsFile) : folders_(std::make_shared<DialogFolders>(settingsFile)) {}

std::unique_ptr<ui::CommonDialog> QtDesktop::newCommonDialog() {
    return std::make_unique<QtCommonDialog>(messages_, folders_);
}

std::unique_ptr<ui::ProgressWindow> QtDesktop::newProgressWindow() { return newQtProgressWindow(); }

ui::ViewerWindow QtDesktop::newViewerWindow() { return newQtViewerWindow(); }

ui::ConfigWindow QtDesktop::newConfigWindow() { return newQtConfigWindow(messages_, nullptr, folders_); }

void registerQtDesktop(const QString& settingsFile) {
    // One desktop for the whole process, as a platform has.
    auto desktop = std::make_shared<QtDesktop>(settingsFile);
    registry::registerClass(ui::DesktopProgId, [desktop] { return desktop; });
}

}  // namespace tvx::ui_qt
