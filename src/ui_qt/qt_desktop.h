#pragma once
// The add-in's desktop with real windows: message boxes, file dialogs,
// progress windows, viewers and the configuration window as Qt windows over the application's active
// window, one turn of Qt's event loop per progress update, and the
// desktop's associated programs for opening files.
#include "platform/ui/addin_ui.h"
#include "ui_qt/qt_message_box.h"
#include "ui_qt/qt_message_loop.h"
#include "ui_qt/qt_shell.h"

#include <memory>

namespace tvx::ui_qt {

class DialogFolders;

class QtDesktop : public ui::AddinUi {
public:
    // `settingsFile`: where the file dialogs' last folders are kept ("": for this process only).
    explicit QtDesktop(const QString& settingsFile = {});

    ui::MessageBox& messages() override { return messages_; }
    ui::MessageLoop& messageLoop() override { return loop_; }
    std::unique_ptr<ui::CommonDialog> newCommonDialog() override;
    std::unique_ptr<ui::ProgressWindow> newProgressWindow() override;
    ui::ViewerWindow newViewerWindow() override;
    ui::ConfigWindow newConfigWindow() override;
    ui::Shell& shell() override { return shell_; }

private:
    QtMessageBox messages_;
    QtMessageLoop loop_;
    QtShell shell_;
    std::shared_ptr<DialogFolders> folders_;
};

// Registers one Qt desktop as the desktop of the process (a QApplication must exist).
void registerQtDesktop(const QString& settingsFile = {});

}  // namespace tvx::ui_qt
