#pragma once
// What the host's document objects share with the session that made them:
// the logon and the company connection the add-in handed to the session.
// Documents outlive neither: after Terminar they cannot reach the company.
#include "host_erp/host_settings.h"

#include <QString>
#include <memory>

namespace tvx {
class DalLigacao;
}
namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

struct SessionState {
    bool loggedOn = false;
    QString login;
    QString empresa;
    std::shared_ptr<tvx::DalLigacao> ligacao;
    HostSettingsRef settings;  // the host's settings (its probe) for the session's documents
};

// The host's probe of a document call (host_settings.h), when the session has settings.
inline void sondar(const SessionState& session, const char* chamada) {
    if (session.settings) session.settings->sondar(chamada);
}

// The company database of the session: raises 91 when the session has no
// connection of this host, 3704 when that connection is closed.
sql::Connection& companyDatabase(const SessionState& session);

}  // namespace tvx::host_erp
