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
};

}  // namespace tvx
