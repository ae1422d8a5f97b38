#pragma once
// Shell and message-loop fakes: they only record what was asked of them.
#include "platform/ui/message_loop.h"
#include "platform/ui/shell.h"

#include <QStringList>

namespace tvx::testing {

class FakeShell : public ui::Shell {
public:
    bool OpenDocument(const QString& path) override {
        opened.append(path);
        return succeeds;
    }
    QStringList opened;
    bool succeeds = true;
};

class FakeMessageLoop : public ui::MessageLoop {
public:
    void DoEvents() override { ++turns; }
    int turns = 0;
};

}  // namespace tvx::testing
