#pragma once
// The add-in's desktop for batch runs: printed message boxes answered with
// their default buttons, no message-loop work, file dialogs answered from
// preset file names, a one-line progress bar (plain lines when the output is
// not a terminal), a viewer that prints the log as a table and, when a save
// file is preset, saves it there through its "Gravar como" button, and a
// configuration window that prints its grid, applies preset edits and clicks
// a preset button. What they print goes through one transcript, which also
// records how each operation ended (see ConsoleTranscript).
#include "platform/ui/addin_ui.h"
#include "ui_console/console_config_window.h"
#include "ui_console/console_message_box.h"
#include "ui_console/console_message_loop.h"
#include "ui_console/console_progress_bar.h"
#include "ui_console/console_transcript.h"
#include "ui_console/console_viewer.h"

#include <QString>
#include <iosfwd>
#include <optional>
#include <vector>

namespace tvx::ui_console {

struct ConsoleAnswers {
    std::optional<QString> openFile;          // answers every open dialog; none: cancel
    std::optional<QString> saveFile;          // answers every save dialog; none: cancel
    std::vector<PropertyEdit> propertyEdits;  // made in the configuration window, in turn
    std::optional<QString> configButton;      // then clicked there, by caption
};

class ConsoleDesktop : public ui::AddinUi {
public:
    ConsoleDesktop(std::ostream& out, ConsoleAnswers answers = {}, ProgressOutput progress = ProgressOutput::Terminal);

    ui::MessageBox& messages() override { return messages_; }
    ui::MessageLoop& messageLoop() override { return loop_; }
    std::unique_ptr<ui::CommonDialog> newCommonDialog() override;
    std::unique_ptr<ui::ProgressWindow> newProgressWindow() override;
    ui::ViewerWindow newViewerWindow() override;
    ui::ConfigWindow newConfigWindow() override;
    ui::Shell& shell() override { return shell_; }

    ConsoleTranscript& transcript() { return transcript_; }

private:
    std::ostream& out_;
    ConsoleAnswers answers_;
    ProgressOutput progress_;
    ConsoleTranscript transcript_;
    ConsoleMessageBox messages_;
    ConsoleMessageLoop loop_;
    ConsoleShell shell_;
};

// Registers one console desktop, printing to `out`, as the desktop of the
// process; its progress bar redraws in place only when `out` is the
// standard output or error and that is a terminal.
std::shared_ptr<ConsoleDesktop> registerConsoleDesktop(std::ostream& out, ConsoleAnswers answers = {});

}  // namespace tvx::ui_console
