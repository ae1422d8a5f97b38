#pragma once
// A message loop that counts its turns.
#include "platform/ui/message_loop.h"

namespace tvx::testing {

class FakeMessageLoop : public ui::MessageLoop {
public:
    void DoEvents() override { ++turns; }
    int turns = 0;
};

}  // namespace tvx::testing
