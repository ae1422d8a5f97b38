#include "telvarix-host/gui/host_guide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tvx::host_gui {

QString guideFile() {
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/doc/telvarix/guide.md"));
    for (const QString& path : {installed, QStringLiteral(TELVARIX_SOURCE_DIR "/docs/guide.md")})
        if (QFileInfo(path).isFile()) return QFileInfo(path).canonicalFilePath();
    return {};
}

}  // namespace tvx::host_gui
