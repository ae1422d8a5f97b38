#pragma once
// Settings of the stand-in host program that its components read: the base
// folder (PastaBase) and the server name used when a connection settings file
// names none. The host program sets them (command-line options); the
// defaults are a folder "TumoVesk" under the user's data folder and "(local)".
#include <QString>

namespace tvx::host_erp {

QString baseFolder();
void setBaseFolder(const QString& folder);  // empty restores the default

QString defaultServer();
void setDefaultServer(const QString& server);  // empty restores the default

// How long a company statement waits for another connection's write before
// it fails with "database is locked" (default 5000 ms).
int lockTimeoutMs();
void setLockTimeoutMs(int ms);  // 0 or less restores the default

// How a company database syncs its commits. Full, the default: every
// committed document is on disk when the commit returns, so the agency's
// file never holds a marker for an invoice a power cut could still take
// back. Normal: WAL syncs only at checkpoints, several times faster, but a
// power cut may lose the last documents committed (never corrupting the
// file) while their tickets are already marked. For installations that
// accept that, knowingly.
enum class CompanySync { Full, Normal };
CompanySync companySync();
void setCompanySync(CompanySync sync);

// A folder path as the add-in writes it ('\' separates folders, as on its
// platform), in this system's form.
QString localPath(const QString& path);

}  // namespace tvx::host_erp
