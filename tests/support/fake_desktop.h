#pragma once
// The desktop of the tests: a recording message box, a counting message
// loop, one scripted file dialog, progress windows that log what they are
// told, viewers that keep the rows they showed, configuration windows whose
// user acts from a script.
#include "platform/ui/addin_ui.h"
#include "support/fake_common_dialog.h"
#include "support/fake_form_window.h"
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
    // A configuration window whose user plays configUser's actions, in turn, while it is shown.
    ui::ConfigWindow newConfigWindow() override;
    ui::Shell& shell() override { return shell_; }

    // What the user does in a configuration window, with its grid and window.
    using ConfigAction = std::function<void(ui::PropertyGrid&, FakeFormWindow&)>;

    FakeMessageBox messages_;
    FakeMessageLoop loop_;
    FakeShell shell_;
    QStringList progress;                 // every call of every progress window
    int stopAtLine = 0;                   // the user asks a run to stop when its progress shows this line
    std::vector<QStringList> viewerLogs;  // per viewer shown: "Linha|Estado|Descrição" per row
    FakeCommonDialog* dialog;             // the dialog handed out (or to be handed out)
    bool failDialog = false;
    int dialogsCreated = 0;
    std::vector<ConfigAction> configUser;  // for every configuration window
    int configWindowsShown = 0;

private:
    std::unique_ptr<FakeCommonDialog> pending_;
};

}  // namespace tvx::testing
