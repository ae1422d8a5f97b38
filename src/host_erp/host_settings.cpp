#include "host_erp/host_settings.h"

#include <QDir>
#include <QStandardPaths>

namespace tvx::host_erp {

QString HostSettings::baseFolder() const {
    if (!baseFolderSetting.isEmpty()) return baseFolderSetting;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("TumoVesk"));
}

QString HostSettings::defaultServer() const {
    return defaultServerSetting.isEmpty() ? QStringLiteral("(local)") : defaultServerSetting;
}

int HostSettings::lockTimeoutMs() const { return lockTimeoutMsSetting > 0 ? lockTimeoutMsSetting : 5000; }

QString localPath(const QString& path) { return QString(path).replace(u'\\', u'/'); }

}  // namespace tvx::host_erp
