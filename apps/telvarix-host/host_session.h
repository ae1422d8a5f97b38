#pragma once
// The host's own logon to a company, for what the host does itself (its
// sales view, the demo's documents): the company connection the settings
// file names and a session logged on with its "Api Vesk" values, as the
// add-in gets them.
#include "host_erp/host_settings.h"

#include <QString>
#include <memory>

namespace tvx {
class DalLigacao;
class SessaoApi;
}  // namespace tvx

namespace tvx::host_app {

class HostSession {
public:
    // CommandFailure when the company cannot be opened or the logon is refused.
    HostSession(const host_erp::HostSettingsRef& host, const QString& settingsFile);
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    SessaoApi& api() { return *api_; }
    DalLigacao& ligacao() { return *ligacao_; }

private:
    std::shared_ptr<DalLigacao> ligacao_;
    std::shared_ptr<SessaoApi> api_;
};

// The connection string of the company a settings file names (the host's
// defaults filling in what it leaves out).
QString companyConnectionString(const host_erp::HostSettingsRef& host, const QString& settingsFile);

}  // namespace tvx::host_app
