#pragma once
// The writes of a ticket import run, replayed with plain SQLite and nothing
// else: no host, no add-in, no reading of the tickets.
#include "host_demo/bench_demo.h"
#include "replay_plan.h"

namespace tvx::bench {

// Writes `plan` into the company and agency files with the run's transaction
// grouping and durability (see main.cpp); returns the seconds it took, wall
// and CPU, the connections' opening and closing included.
Timed rawReplay(const ReplayPlan& plan, const QString& company, const QString& agency);

}  // namespace tvx::bench
