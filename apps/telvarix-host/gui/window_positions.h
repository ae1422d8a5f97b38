#pragma once
// Where the host's windows were last left, kept in the host's own settings
// file (a profile file, one section per window) with the keys and rules the
// add-in keeps its forms' placement by (platform/ui/form_position.h).
#include <QString>

class QWidget;

namespace tvx::host_gui {

class WindowPositions {
public:
    explicit WindowPositions(QString file) : file_(std::move(file)) {}

    const QString& file() const { return file_; }
    // Moves `window` where it was last left; a window never saved stays where
    // it is. A placement that cannot be read or set is let be.
    void restore(QWidget& window, const QString& section) const;
    // A file that cannot be written keeps no placement; the window does not mind.
    void save(QWidget& window, const QString& section) const;

private:
    QString file_;
};

}  // namespace tvx::host_gui
