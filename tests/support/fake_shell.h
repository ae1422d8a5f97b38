#pragma once
// A shell that records the documents it was asked to open.
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

}  // namespace tvx::testing
