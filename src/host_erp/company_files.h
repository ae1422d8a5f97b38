#pragma once
// Where the host keeps a company's database: one SQLite file per server and
// catalogue under the base folder,
//     <base>/companies/<server>/<catalogue>.db
// Server and catalogue names are matched without regard to case, as the
// server does, so both are lower-cased; "(local)", ".", "localhost" and
// "127.0.0.1" all name the local server ("local"), instance names included
// (".\SQLEXPRESS" and "(local)\sqlexpress" are one server). Every character
// other than a-z, 0-9, '_' and '-' is written as '~' and its UTF-8 bytes in
// hex ("SRV\INST" -> "srv~5Cinst"), so distinct names never share a file and
// no name can leave its folder.
#include <QString>

namespace tvx::host_erp {

// The file name piece for a server or catalogue name (empty for an empty name).
QString encodedName(const QString& name);
QString serverFolderName(const QString& server);

// The company file of `server` and `catalogue` under `base`; raises an
// AutomationError (5) when either name is empty.
QString companyFilePath(const QString& base, const QString& server, const QString& catalogue);

}  // namespace tvx::host_erp
