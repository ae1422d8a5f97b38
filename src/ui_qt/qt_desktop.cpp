#include "ui_qt/qt_desktop.h"

#include "platform/automation/class_registry.h"
#include "ui_qt/qt_common_dialog.h"
#include "ui_qt/qt_config_window.h"
#include "ui_qt/qt_progress_window.h"
#include "ui_qt/qt_viewer_window.h"

namespace tvx::ui_qt {

std::unique_ptr<ui::CommonDialog> QtDesktop::newCommonDialog() { return std::make_unique<QtCommonDialog>(messages_); }

std::unique_ptr<ui::ProgressWindow> QtDesktop::newProgressWindow() { return newQtProgressWindow(); }

ui::ViewerWindow QtDesktop::newViewerWindow() { return newQtViewerWindow(); }

ui::ConfigWindow QtDesktop::newConfigWindow() { return newQtConfigWindow(messages_); }

void registerQtDesktop() {
    // One desktop for the whole process, as a platform has.
    auto desktop = std::make_shared<QtDesktop>();
    registry::registerClass(ui::DesktopProgId, [desktop] { return desktop; });
}

}  // namespace tvx::ui_qt
