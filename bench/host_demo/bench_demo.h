#pragma once
// A demo company with N generated tickets and transfers, set up in a
// temporary folder of its own (removed with the object), and runs of the real
// host program on it, timed as a whole: process start, add-in load, progress
// bar and printed log included.
#include "telvarix-host/setup_demo.h"

#include <QStringList>
#include <QTemporaryDir>

namespace tvx::bench {

struct Timed {
    double seconds = 0;
    double cpuSeconds = 0;  // user and system
    int exitCode = -1;      // -1 when the program crashed
    long peakKb = 0;        // the program's largest resident set, in kB (runHost)
};

// User and system seconds of this process, or of its waited-for children.
double cpuSeconds(bool children = false);

// Runs telvarix-host with `arguments`, its output dropped; prints its error
// output when it fails.
Timed runHost(const QStringList& arguments);

class BenchDemo {
public:
    // `server`: a PostgreSQL server's address for the company database ("" for the embedded file).
    BenchDemo(int tickets, int transfers, const QString& server = {});

    const host_app::DemoReport& report() const { return report_; }
    const host_app::CompanyLayout& layout() const { return report_.layout; }
    double setupSeconds() const { return setupSeconds_; }
    // `telvarix-host run --operation <operation>` on the company, `more` arguments after.
    Timed run(const char* operation, const QStringList& more = {}) const;
    const QString& base() const { return options_.base; }
    // The first column of the first row `sql` selects from the agency file.
    int agencyCount(const QString& sql) const;
    // The agency's tickets a ticket import run today would still take.
    int ticketsLeftToday() const;
    // Copies every file of the demo's folder into `folder` (which must exist),
    // sub-folders included.
    void copyInto(const QString& folder) const;

private:
    host_app::DemoReport setUp();

    QTemporaryDir dir_;
    host_app::DemoOptions options_;
    double setupSeconds_ = 0;
    host_app::DemoReport report_;
};

}  // namespace tvx::bench
