#pragma once
// The desktop of the tests: a recording message box, a counting message
// loop, one scripted file dialog, progress windows that log what they are
// told, viewers that keep the rows they showed.
#include "platform/ui/addin_ui.h"
#include "support/fake_common_dialog.h"
#include "support/fake_message_box.h"
#include "support/fake_message_loop.h"
#include "support/fake_shell.h"

#include <QStringList>
#include <vector>

namespace tvx::testing {

class FakeDesktop : public ui::AddinUi {
public:
    FakeDesktop();
    ui::MessageBox& messages() override { return messages_; }
    ui::MessageLoop& messageLoop() override { return loop_; }
    std::unique_ptr<ui::CommonDialog> newCommonDialog() override;  // 429 when failDialog is set
    std::unique_ptr<ui::ProgressWindow> newProgressWindow() override;
    ui::ViewerWindow newViewerWindow() override;
    ui::Shell& shell() override { return shell_; }

    FakeMessageBox messages_;
    FakeMessageLoop loop_;
    FakeShell shell_;
    QStringList progress;                 // every call of every progress window
    std::vector<QStringList> viewerLogs;  // per viewer shown: "Linha|Estado|Descrição" per row
    FakeCommonDialog* dialog;             // the dialog handed out (or to be handed out)
    bool failDialog = false;
    int dialogsCreated = 0;

private:
    std::unique_ptr<FakeCommonDialog> pending_;
};

}  // namespace tvx::testing
