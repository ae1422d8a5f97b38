#pragma once
// Who runs: the workstation, the process and the moment the process started
// (so that a process number the system has given again is not taken for the
// process that held it before).
#include <QString>
#include <cstdint>

namespace tvx {

struct ProcessIdentity {
    QString estacao;  // the workstation's name
    std::int64_t pid = 0;
    std::int64_t arranque = 0;  // the process's start, in the system's own units

    bool operator==(const ProcessIdentity&) const = default;

    // This process.
    static ProcessIdentity current();
    // True when `p`, a process of this workstation, is still running.
    static bool isRunning(const ProcessIdentity& p);
};

}  // namespace tvx
