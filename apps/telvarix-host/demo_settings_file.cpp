#include "telvarix-host/demo_settings_file.h"

#include "host_erp/host_settings.h"
#include "host_erp/settings_file.h"
#include "platform/automation/automation_error.h"
#include "platform/profile/profile_string.h"

#include <utility>
#include <vector>

namespace tvx::host_app {

void writeDemoSettingsFile(const QString& path, const QString& company, const HostLogon& logon, const QString& server) {
    using Entry = std::pair<QString, QString>;
    const std::vector<std::pair<QString, std::vector<Entry>>> sections = {
        {host_erp::ApiSection,
         {{QStringLiteral("password"), logon.password},
          {QStringLiteral("Login"), logon.login},
          {QStringLiteral("Empresa"), company},
          {QStringLiteral("perclog"), QStringLiteral("0")},
          {QStringLiteral("PercWindows"), QStringLiteral("0")}}},
        {host_erp::ConnectionSection,
         {{QStringLiteral("Servidor"), server.isEmpty() ? host_erp::HostSettings().defaultServer() : server},
          {QStringLiteral("BaseDados"), company},
          {QStringLiteral("User"), QString()},
          {QStringLiteral("PassWord"), QString()}}},
    };
    for (const auto& [section, entries] : sections)
        for (const auto& [key, value] : entries)
            if (WritePrivateProfileStringA(section, key, value, path) == 0)
                throw AutomationError(err::PathFileAccess,
                                      QStringLiteral("Cannot write %1 of [%2] to %3.").arg(key, section, path),
                                      QStringLiteral("setup-demo"));
}

}  // namespace tvx::host_app
