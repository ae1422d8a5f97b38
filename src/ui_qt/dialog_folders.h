#pragma once
// The folder each file dialog was last used in, by its title, so that the
// next use starts there; kept in a settings file when one is given (section
// "Pastas"), else for the life of the process.
#include <QHash>
#include <QString>

namespace tvx::ui_qt {

class DialogFolders {
public:
    explicit DialogFolders(QString settingsFile = {}) : settingsFile_(std::move(settingsFile)) {}

    // The folder last used by the dialog titled `title`; "" when none (or it is gone).
    QString lastFolder(const QString& title) const;
    void remember(const QString& title, const QString& folder);

private:
    QString settingsFile_;
    QHash<QString, QString> folders_;
};

// Where a dialog starts: the folder it last used, else beside a preset file
// that exists, else the user's documents folder.
QString startFolder(const DialogFolders& folders, const QString& title, const QString& presetFile);

}  // namespace tvx::ui_qt
