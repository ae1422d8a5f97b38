// The ticket import's cost over the database writes it makes. For each N, a
// demo company is set up with N generated tickets and its folder copied; the
// real import (`telvarix-host run --operation 1000`) runs on the original and
// is timed as a whole, then the raw replay writes the same rows into the copy
// with plain SQLite and is timed too: the floor a hand-written importer could
// reach. Both copies must end with the same invoices, lines and markers.
//
// The replay includes, as the run writes them: the run lock's table, row and
// taking; per invoice the in-flight UPDATE of qrl_EXECUCOES (its own commit),
// one BEGIN IMMEDIATE … COMMIT with the NUMERACAO counter, the DOCGCCAB
// header and its DOCGCLIN lines, then one in the agency file with an UPDATE
// [TKT Issued] SET Factura per ticket; and at the end the lock's release that
// clears the in-flight record. Same WAL files, foreign keys and synchronous =
// FULL as the run. It leaves out every read (tickets, customers, articles,
// parameters), the heartbeat (at most one per 30 s) and the process start.
// CPU seconds are user and system time, the run's of the host process.
//
// Usage: bench_import_overhead [--server] [TICKETS ...]; without counts 2,000
// and 10,000. With --server each count also runs on a throwaway PostgreSQL
// server against a plain-libpq replay (server_overhead.h).
#include "host_demo/bench_demo.h"
#include "raw_replay.h"
#include "replay_plan.h"
#include "server_overhead.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string_view>
#include <vector>

namespace {

using namespace tvx;
using namespace tvx::bench;

// Rows of `table` in one file and not in the other, both ways.
qint64 rowsDiffering(const QString& file, const QString& other, const char* table) {
    SqliteDb db(file);
    const std::string attach =
        "ATTACH DATABASE '" + QString(other).replace(u'\'', QStringLiteral("''")).toStdString() + "' AS other";
    db.exec(attach);
    const std::string t = std::string("\"") + table + "\"";
    return db.number("SELECT (SELECT COUNT(*) FROM (SELECT * FROM main." + t + " EXCEPT SELECT * FROM other." + t +
                     ")) + (SELECT COUNT(*) FROM (SELECT * FROM other." + t + " EXCEPT SELECT * FROM main." + t + "))");
}

bool benchOverhead(int tickets) {
    const BenchDemo demo(tickets, 0);
    QTemporaryDir copyDir;
    demo.copyInto(copyDir.path());
    const host_app::CompanyLayout copy(copyDir.path(), demo.layout().company);

    const Timed run = demo.run("1000");
    const int left = demo.ticketsLeftToday();
    if (run.exitCode != 0 || left != 0) {
        std::fprintf(stderr, "ticket import of %d tickets failed: exit %d, %d tickets left\n", tickets, run.exitCode,
                     left);
        return false;
    }
    const ReplayPlan plan = readReplayPlan(demo.layout().companyDatabase(), demo.layout().agencyDatabase(),
                                           copy.companyDatabase(), copy.agencyDatabase());
    const Timed replay = rawReplay(plan, copy.companyDatabase(), copy.agencyDatabase());

    qint64 differing = 0;
    for (const char* table : {"DOCGCCAB", "DOCGCLIN", "NUMERACAO"})
        differing += rowsDiffering(copy.companyDatabase(), demo.layout().companyDatabase(), table);
    differing += rowsDiffering(copy.agencyDatabase(), demo.layout().agencyDatabase(), "TKT Issued");
    if (differing != 0) {
        std::fprintf(stderr, "the replay of %d tickets differs from the run in %lld rows\n", tickets,
                     static_cast<long long>(differing));
        return false;
    }
    const int selected = demo.report().ticketsToInvoice;
    std::printf(
        "%7d tickets (%6d of today, %5zu invoices)  run %7.2f s (cpu %6.2f s) %6.0f tickets/s  "
        "replay %7.2f s (cpu %6.2f s) %6.0f tickets/s  run/replay %5.2f  speed real/raw %4.2f\n",
        tickets, selected, plan.invoices.size(), run.seconds, run.cpuSeconds, selected / run.seconds, replay.seconds,
        replay.cpuSeconds, selected / replay.seconds, run.seconds / replay.seconds, replay.seconds / run.seconds);
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<int> counts;
    const bool onServer = argc > 1 && std::string_view(argv[1]) == "--server";
    for (int i = onServer ? 2 : 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {2000, 10000};
    std::printf("ticket import (operation 1000) through telvarix-host against a raw SQLite replay of its writes\n");
    bool ok = true;
    std::unique_ptr<BenchServer> server;
    for (const int n : counts) {
        try {
            ok = benchOverhead(n) && ok;
            if (onServer && !server) server = std::make_unique<BenchServer>();
            if (server) ok = server->benchOverhead(n) && ok;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%d tickets: %s\n", n, e.what());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
