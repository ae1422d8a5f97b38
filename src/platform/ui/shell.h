#pragma once
// The desktop shell: opens a file with the program associated with its type.
#include <QString>

namespace tvx::ui {

class Shell {
public:
    virtual ~Shell() = default;
    // Returns false when no program could be started for the file.
    virtual bool OpenDocument(const QString& path) = 0;
};

}  // namespace tvx::ui
