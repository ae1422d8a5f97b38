#pragma once
// A power cut for SQLite files, in process: registered as SQLite's default
// file system, it passes every call on to the usual one and remembers, for
// each database file and log it opened, the content the file had at its last
// sync. cut() writes a folder as a power cut at that moment would leave it:
// every file SQLite wrote as it was at its last sync (one never synced is
// gone), shared-memory indexes gone, other files as they are. Unsynced
// writes are all lost, the harshest case that a disk keeping writes in order
// allows.
#include <QString>

#include <map>
#include <string>

namespace tvx::testing {

class PowerCutVfs {
public:
    PowerCutVfs();   // registers it as the default
    ~PowerCutVfs();  // and gives the default back
    PowerCutVfs(const PowerCutVfs&) = delete;
    PowerCutVfs& operator=(const PowerCutVfs&) = delete;

    // Takes every file under `folder` as on disk now (before a run starts).
    void settle(const QString& folder);
    // Writes into `to` (made; it must not exist) the folder `from` as a power cut now would leave it.
    void cut(const QString& from, const QString& to) const;

    // Called by the file system: `path` was synced, or removed and the removal synced.
    void synced(const std::string& path);
    void removed(const std::string& path);
    void opened(const std::string& path);

private:
    std::map<std::string, std::string> durable_;  // by absolute path; a file SQLite opened and never synced is absent
    std::map<std::string, bool> touched_;         // every file SQLite opened
};

}  // namespace tvx::testing
