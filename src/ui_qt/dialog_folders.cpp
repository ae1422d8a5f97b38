#include "ui_qt/dialog_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace tvx::ui_qt {

namespace {

// A title as a settings key: '/' and '\' would make it a path of groups.
QString keyOf(const QString& title) {
    QString key = title;
    return QStringLiteral("Pastas/") + key.replace(u'/', u'_').replace(u'\\', u'_');
}

}  // namespace

QString DialogFolders::lastFolder(const QString& title) const {
    QString folder = folders_.value(title);
    if (folder.isEmpty() && !settingsFile_.isEmpty())
        folder = QSettings(settingsFile_, QSettings::IniFormat).value(keyOf(title)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void DialogFolders::remember(const QString& title, const QString& folder) {
    folders_.insert(title, folder);
    if (settingsFile_.isEmpty()) return;
    QSettings settings(settingsFile_, QSettings::IniFormat);
    settings.setValue(keyOf(title), folder);
}

QString startFolder(const DialogFolders& folders, const QString& title, const QString& presetFile) {
    if (const QString last = folders.lastFolder(title); !last.isEmpty()) return last;
    if (!presetFile.isEmpty()) {
        const QFileInfo preset(presetFile);
        if (preset.isAbsolute() && preset.isFile()) return preset.absolutePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace tvx::ui_qt
