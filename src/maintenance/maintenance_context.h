#pragma once
// What the maintenance commands borrow from the entry object: what every run
// borrows (the removal is a run: it takes the company's run lock and logs
// each number), and the host's base folder, where the script file is.
#include "runs/run_context.h"

#include <QString>
#include <functional>

namespace tvx {

struct MaintenanceContext {
    RunContext run;
    // The base folder component's folder (PastaBase), asked when a script runs.
    std::function<QString()> pastaBase;
    // Uses the command up (BDUSER given back as it was before the command
    // was typed): called just before the command changes anything, once the
    // removal holds its run lock; empty: nothing to give back.
    std::function<void()> comandoGastar;
};

}  // namespace tvx
