#pragma once
// Opening a company's database by server and catalogue (see company_files.h
// and company_server.h).
#include <QString>
#include <memory>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

struct HostSettings;

// The open company database, speaking T-SQL; nullptr when the host has no
// such company (no file is ever created). A file that is not a company
// database, or cannot be read, raises an AutomationError naming it. A server
// address (company_server.h) opens the database on that server with the
// login `user` / `password`.
std::unique_ptr<sql::Connection> openCompany(const HostSettings& settings, const QString& server,
                                             const QString& catalogue, const QString& user = {},
                                             const QString& password = {});

}  // namespace tvx::host_erp
