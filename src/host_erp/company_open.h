#pragma once
// Opening a company's database by server and catalogue (see company_files.h).
#include <QString>
#include <memory>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

struct HostSettings;

// The open company database, speaking T-SQL; nullptr when the host has no
// such company (no file is ever created). A file that is not a company
// database, or cannot be read, raises an AutomationError naming it.
std::unique_ptr<sql::Connection> openCompany(const HostSettings& settings, const QString& server,
                                             const QString& catalogue);

}  // namespace tvx::host_erp
