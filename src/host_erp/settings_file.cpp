#include "host_erp/settings_file.h"

#include "platform/profile/profile_string.h"

namespace tvx::host_erp {

QString readSetting(const QString& file, const QString& section, const QString& key) {
    QString value;
    const std::uint32_t length = GetPrivateProfileStringA(section, key, QString(), value, 255, file);
    return value.left(qsizetype(length));
}

}  // namespace tvx::host_erp
