#include "host_erp/host_settings.h"

#include <QDir>
#include <QStandardPaths>

namespace tvx::host_erp {

namespace {

QString& baseFolderSetting() {
    static QString folder;
    return folder;
}

QString& defaultServerSetting() {
    static QString server;
    return server;
}

int& lockTimeoutSetting() {
    static int ms = 0;
    return ms;
}

CompanySync& companySyncSetting() {
    static CompanySync sync = CompanySync::Full;
    return sync;
}

}  // namespace

CompanySync companySync() { return companySyncSetting(); }

void setCompanySync(CompanySync sync) { companySyncSetting() = sync; }

int lockTimeoutMs() { return lockTimeoutSetting() > 0 ? lockTimeoutSetting() : 5000; }

void setLockTimeoutMs(int ms) { lockTimeoutSetting() = ms; }

QString baseFolder() {
    if (!baseFolderSetting().isEmpty()) return baseFolderSetting();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("TumoVesk"));
}

void setBaseFolder(const QString& folder) { baseFolderSetting() = folder; }

QString defaultServer() {
    return defaultServerSetting().isEmpty() ? QStringLiteral("(local)") : defaultServerSetting();
}

void setDefaultServer(const QString& server) { defaultServerSetting() = server; }

QString localPath(const QString& path) { return QString(path).replace(u'\\', u'/'); }

}  // namespace tvx::host_erp
