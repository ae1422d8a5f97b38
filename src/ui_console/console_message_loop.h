#pragma once
// Batch runs draw nothing, so there is nothing for a turn of the message loop to do.
#include "platform/ui/message_loop.h"

namespace tvx::ui_console {

class ConsoleMessageLoop : public ui::MessageLoop {
public:
    void DoEvents() override {}
};

}  // namespace tvx::ui_console
