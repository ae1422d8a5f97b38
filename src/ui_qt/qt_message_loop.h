#pragma once
// One turn of the application's event loop: pending paints, window-system
// events and input are handled, so that a window updated during a long run
// shows its new state.
#include "platform/ui/message_loop.h"

namespace tvx::ui_qt {

class QtMessageLoop : public ui::MessageLoop {
public:
    void DoEvents() override;
};

}  // namespace tvx::ui_qt
