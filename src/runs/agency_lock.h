#pragma once
// The agency source's run lock: one run at a time per agency database,
// whatever company runs it and whatever name reaches the file (a symbolic
// link, a relative path, "..", a bind mount of its folder). It is a lock on
// a small file beside the database, named for the database's identity (its
// inode), made only once the path has been checked to be a database. The
// system frees the lock when the process ends, however it ends.
//
// The lock file also remembers who holds it, and keeps that after an
// unclean end: a run whose company left a document in flight on this file
// (killed half-way, or stopped by an error) leaves its company's name there,
// and runs of other companies are refused until that company has run again
// and completed it. Two writes per run, none per document.
#include <QString>

#include <sys/types.h>

namespace tvx {

class AgencyLock {
public:
    AgencyLock() = default;
    // Frees the lock as after an unclean end.
    ~AgencyLock();
    AgencyLock(const AgencyLock&) = delete;
    AgencyLock& operator=(const AgencyLock&) = delete;

    // Takes the lock of the agency database `sFicheiro` for company
    // `sEmpresa`. False when the path is not a database, another run holds
    // the lock, or another company left a run unfinished on it; recusa()
    // tells the user why.
    bool adquirir(const QString& sFicheiro, const QString& sEmpresa);
    const QString& recusa() const { return recusa_; }
    // Raises when the path no longer names the file the lock was taken on
    // (removed or replaced during the run).
    void verificar() const;
    // Frees the lock. `limpo`: nothing is left in flight, and the file
    // forgets the holder; otherwise it keeps the holder's company.
    void libertar(bool limpo);

    // Where the lock of a database file lives: beside it, named for its inode.
    static QString ficheiroDoBloqueio(const QString& sPasta, ino_t inode);

private:
    int fd_ = -1;
    QString ficheiro_;
    dev_t dispositivo_ = 0;
    ino_t inode_ = 0;
    QString recusa_;
};

}  // namespace tvx
