#pragma once
// Opens a file with the program the desktop associates with its type.
#include "platform/ui/shell.h"

namespace tvx::ui_qt {

class QtShell : public ui::Shell {
public:
    bool OpenDocument(const QString& path) override;
};

}  // namespace tvx::ui_qt
