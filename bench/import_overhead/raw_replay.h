#pragma once
// The writes of a ticket import run, replayed with plain SQLite and nothing
// else: no host, no add-in, no reading of the tickets.
#include "replay_plan.h"

namespace tvx::bench {

// Writes `plan` into the company and agency files with the run's transaction
// grouping and durability (see main.cpp); returns the seconds it took, the
// connections' opening and closing included.
double rawReplay(const ReplayPlan& plan, const QString& company, const QString& agency);

}  // namespace tvx::bench
