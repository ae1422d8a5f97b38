#pragma once
// The writes of a ticket import run, replayed with plain SQLite and nothing
// else: no host, no add-in, no reading of the tickets.
#include "host_demo/bench_demo.h"
#include "replay_plan.h"

namespace tvx::bench {

// What the replay writes per invoice besides the document and its marks.
enum class InFlight {
    None,      // the two commits alone: the document's, then the marks'
    Deferred,  // the in-flight record before them, as the run writes it: at synchronous = NORMAL
};

// Writes `plan` into the company and agency files with the run's transaction
// grouping and durability (see main.cpp); returns the seconds it took, wall
// and CPU, the connections' opening and closing included.
Timed rawReplay(const ReplayPlan& plan, const QString& company, const QString& agency, InFlight inFlight);

}  // namespace tvx::bench
