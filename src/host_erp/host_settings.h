#pragma once
// Settings of the stand-in host program that its components read: the base
// folder (PastaBase), the server name used when a connection settings file
// names none, how long a statement waits for another connection's lock and
// how the company database syncs its commits. The host program fills one
// from its command line and hands it to the components it registers.
#include <QString>
#include <functional>
#include <memory>

namespace tvx::host_erp {

// How a company database syncs its commits. Full, the default: every
// committed document is on disk when the commit returns, so the agency's
// file never holds a marker for an invoice a power cut could still take
// back. Normal: WAL syncs only at checkpoints, several times faster, but a
// power cut may lose the last documents committed (never corrupting the
// file) while their tickets are already marked. For installations that
// accept that, knowingly.
enum class CompanySync { Full, Normal };

struct HostSettings {
    // Empty: a folder "TumoVesk" under the user's data folder.
    QString baseFolderSetting;
    // Empty: "(local)".
    QString defaultServerSetting;
    // How long a company statement waits for another connection's write
    // before it fails with "database is locked"; 0 or less: 5000 ms.
    int lockTimeoutMsSetting = 0;
    CompanySync companySync = CompanySync::Full;
    // Called with the call's name at the start of every document call
    // (Validar, Inserir, Finalizar, Ler, Remover) and every write to the
    // company database; empty in the real host. Tests use it to make a
    // chosen call fail, refuse (a document call answers non-zero when the
    // probe raises a host Refusal, host_refusal.h), or end the process there
    // as a crash would.
    std::function<void(const char*)> probe;

    void sondar(const char* chamada) const {
        if (probe) probe(chamada);
    }

    QString baseFolder() const;
    QString defaultServer() const;
    int lockTimeoutMs() const;
};

// The settings the host's components share, fixed once the host has started.
using HostSettingsRef = std::shared_ptr<const HostSettings>;

// A folder path as the add-in writes it ('\' separates folders, as on its
// platform), in this system's form.
QString localPath(const QString& path);

}  // namespace tvx::host_erp
