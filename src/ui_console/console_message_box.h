#pragma once
// A message box for batch runs: the box is printed and answered at once with
// its default button, so a run never waits for a person.
#include "platform/ui/message_box.h"

#include <iosfwd>

namespace tvx::ui_console {
class ConsoleTranscript;
}

namespace tvx::ui_console {

class ConsoleMessageBox : public ui::MessageBox {
public:
    // With a transcript the box goes through it (see ConsoleTranscript); else it is printed at once.
    explicit ConsoleMessageBox(std::ostream& out, ConsoleTranscript* transcript = nullptr);
    int MsgBox(const QString& prompt, int style = ui::vbOKOnly, const QString& title = {}) override;

private:
    std::ostream& out_;
    ConsoleTranscript* transcript_;
};

// The printed form of a box: its title, icon and text, the buttons with the
// default one in brackets, and the answer given.
QString consoleMessageBoxText(const QString& prompt, int style, const QString& title, int answer);

}  // namespace tvx::ui_console
