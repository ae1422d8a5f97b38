#pragma once
// A company database on a PostgreSQL server.
//
// The settings file's "Ligação" section names it: a Servidor of the form
// "postgresql://HOST[:PORT]" (any libpq URI, a Unix-socket folder as
// "postgresql:///?host=/path"; "postgres://" too) is a server, BaseDados the
// database (lower-cased: the server's catalogue names ignore case, as SQL
// Server's do), User / PassWord the login (both empty: the operating-system
// user). Every other Servidor names the embedded SQLite files.
//
// The schema is company_schema.h's, on the server's types: texts are citext
// (every text compares without regard to case, as under SQL Server's usual
// collation; the embedded file ignores case in codes only), sized by a
// CHECK; bit is the domain tvx_bit (smallint), money numeric(19,4), float
// double precision, datetime timestamp(3), the AUTOINCREMENT keys identity
// columns. A company database holds the table EMPRESA.
//
// Durability: every commit returns once its write-ahead log record is on
// the server's disk (synchronous_commit on; CompanySync::Normal turns it off
// for the host's connections, knowingly), and the log is written in order:
// the add-in's in-flight record and each document are on disk before the
// agency's file is marked, so a power cut of the server loses nothing that a
// mark names.
#include "host_erp/company_database.h"

#include <QString>
#include <functional>
#include <memory>

namespace tvx::sql {
class Connection;
struct ServerLogin;
}  // namespace tvx::sql

namespace tvx::host_erp {

struct HostSettings;

bool isServerAddress(const QString& server);

// The login for `catalogue` on `server` (a server address).
sql::ServerLogin serverLogin(const QString& server, const QString& catalogue, const QString& user,
                             const QString& password);

// The open company database, speaking T-SQL. Raises an AutomationError with
// the server's reason when it cannot be reached or refuses the login or the
// database, or naming the database when it holds no company.
std::unique_ptr<sql::Connection> openServerCompany(const HostSettings& settings, const sql::ServerLogin& login);

// Creates the database on the server (refusing one that exists), with the
// schema, the company row and whatever `fill` adds, all in one transaction;
// on any failure the new database is dropped again.
void createServerCompany(const sql::ServerLogin& login, const CompanyInfo& info,
                         const std::function<void(const QSqlDatabase&)>& fill = {});

// Drops the database (a set-up that did not finish).
void dropServerCompany(const sql::ServerLogin& login);

// The company schema in PostgreSQL's SQL (after serverPrerequisitesSql()).
QString serverCompanySchemaSql();

}  // namespace tvx::host_erp
