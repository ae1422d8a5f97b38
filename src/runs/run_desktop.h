#pragma once
// What a long run shows the user: message boxes, its progress window (with
// one turn of the message loop per row), and at the end the diagnostics
// viewer with the run's log. The entry object supplies them from its desktop.
#include "platform/ui/message_box.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/progress_window.h"

#include <functional>
#include <memory>

namespace tvx::ado {
class Recordset;
}

namespace tvx {

struct RunDesktop {
    ui::MessageBox& messages;
    ui::MessageLoop& messageLoop;
    // A new progress window each run (loaded hidden).
    std::function<std::unique_ptr<ui::ProgressWindow>()> newProgressWindow;
    // Creates a diagnostics viewer, gives it the log, shows it modally and
    // lets it go once the user leaves it.
    std::function<void(std::shared_ptr<ado::Recordset>)> viewDiagnostico;
};

}  // namespace tvx
