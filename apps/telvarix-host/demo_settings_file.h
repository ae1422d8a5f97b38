#pragma once
// The add-in's settings file of a demo company: the host logon ("Api Vesk")
// and the company database ("Ligação": the host's default server or a
// PostgreSQL server, the company's own catalogue, Windows authentication).
#include <QString>

namespace tvx::host_app {

struct HostLogon {
    QString login;
    QString password;
};

// Writes the file through the profile-string functions (Windows-1252, as the
// platform writes it). Raises an AutomationError when a value cannot be written.
// `server` is the Servidor ("" for the host's default server).
void writeDemoSettingsFile(const QString& path, const QString& company, const HostLogon& logon,
                           const QString& server = {});

}  // namespace tvx::host_app
