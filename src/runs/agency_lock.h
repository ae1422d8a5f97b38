#pragma once
// The agency source's run lock: one run at a time per agency file, whatever
// company runs it, held as a lock on a file beside it ("<file>.lock"). The
// system frees it when the process ends, however it ends, so a run that
// died leaves nothing to clean; workstations that share the file share the
// lock through the file system. The lock file names its holder for the
// message of a refused run.
#include <QString>

namespace tvx {

class AgencyLock {
public:
    AgencyLock() = default;
    ~AgencyLock();
    AgencyLock(const AgencyLock&) = delete;
    AgencyLock& operator=(const AgencyLock&) = delete;

    // Takes the lock of `sFicheiro`. False when another run holds it or the
    // lock file cannot be made; recusa() tells the user why.
    bool adquirir(const QString& sFicheiro);
    const QString& recusa() const { return recusa_; }
    void libertar();

    static QString ficheiroDoBloqueio(const QString& sFicheiro) { return sFicheiro + QStringLiteral(".lock"); }

private:
    int fd_ = -1;
    QString recusa_;
};

}  // namespace tvx
