#pragma once
// One turn of the host's message loop, so that windows repaint during a long run.

namespace tvx::ui {

class MessageLoop {
public:
    virtual ~MessageLoop() = default;
    virtual void DoEvents() = 0;
};

}  // namespace tvx::ui
