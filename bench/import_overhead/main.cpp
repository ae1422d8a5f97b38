// The ticket import's cost over the database writes it makes. For each N, a
// demo company is set up with N generated tickets and its folder copied
// twice; the real import (`telvarix-host run --operation 1000`) runs on the
// original and is timed as a whole, then two raw replays write the same rows
// into the copies with plain SQLite and are timed too: the floor a
// hand-written importer could reach. Each copy must end with the same
// invoices, lines and markers as the run.
//
// Both replays include, as the run writes them: the run lock's table, row and
// taking; per invoice one BEGIN IMMEDIATE … COMMIT with the NUMERACAO
// counter, the DOCGCCAB header and its DOCGCLIN lines, then one in the agency
// file with an UPDATE [TKT Issued] SET Factura per ticket; and at the end the
// lock's release that clears the in-flight record. Same WAL files, foreign
// keys and synchronous = FULL as the run. The first replay stops there: the
// two commits per invoice of an importer without exactly-once. The second
// also writes, before each invoice, the in-flight UPDATE of qrl_EXECUCOES as
// the run does (its own commit at synchronous = NORMAL). Both leave out
// every read (tickets, customers, articles, parameters), the heartbeat (at
// most one per 30 s) and the process start.
//
// Printed per N: the run's seconds, CPU seconds (user and system, of the host
// process), tickets/s and peak resident memory; each replay's seconds and CPU
// seconds; and each speed ratio real/raw (the replay's seconds over the
// run's: 1 is as fast as the replay).
//
// --csv: the hidden CSV import (operation 1004) of a generated ticket file of
// N rows into a demo company, timed, with its CPU seconds and peak memory.
//
// --server: for each N the same, then the import with the company on a
// throwaway PostgreSQL server against a plain-libpq replay (server_overhead.h).
//
// Usage: bench_import_overhead [TICKETS ...] | --csv [ROWS ...] | --server
// [TICKETS ...]; without numbers 2,000 and 10,000 tickets, or 100,000 CSV rows.
#include "agency_demo/csv_ticket_file.h"
#include "host_demo/bench_demo.h"
#include "raw_replay.h"
#include "replay_plan.h"
#include "server_overhead.h"

#include <QCoreApplication>
#include <QDate>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <functional>
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

// Rows in which the copy's documents and markers differ from the run's.
qint64 differingFromRun(const host_app::CompanyLayout& run, const host_app::CompanyLayout& copy) {
    qint64 differing = 0;
    for (const char* table : {"DOCGCCAB", "DOCGCLIN", "NUMERACAO"})
        differing += rowsDiffering(copy.companyDatabase(), run.companyDatabase(), table);
    return differing + rowsDiffering(copy.agencyDatabase(), run.agencyDatabase(), "TKT Issued");
}

// One raw replay of the run's writes into an untouched copy of the demo.
struct Replay {
    explicit Replay(const BenchDemo& demo) : copy(dir.path(), demo.layout().company) { demo.copyInto(dir.path()); }
    QTemporaryDir dir;
    host_app::CompanyLayout copy;
    Timed timed;
};

bool benchOverhead(int tickets) {
    const BenchDemo demo(tickets, 0);
    Replay twoCommits(demo);
    Replay withRecord(demo);

    const Timed run = demo.run("1000");
    const int left = demo.ticketsLeftToday();
    if (run.exitCode != 0 || left != 0) {
        std::fprintf(stderr, "ticket import of %d tickets failed: exit %d, %d tickets left\n", tickets, run.exitCode,
                     left);
        return false;
    }
    std::size_t invoices = 0;
    for (auto [replay, inFlight] :
         {std::pair{&twoCommits, InFlight::None}, std::pair{&withRecord, InFlight::Deferred}}) {
        const ReplayPlan plan = readReplayPlan(demo.layout().companyDatabase(), demo.layout().agencyDatabase(),
                                               replay->copy.companyDatabase(), replay->copy.agencyDatabase());
        invoices = plan.invoices.size();
        replay->timed = rawReplay(plan, replay->copy.companyDatabase(), replay->copy.agencyDatabase(), inFlight);
        if (const qint64 differing = differingFromRun(demo.layout(), replay->copy); differing != 0) {
            std::fprintf(stderr, "a replay of %d tickets differs from the run in %lld rows\n", tickets,
                         static_cast<long long>(differing));
            return false;
        }
    }
    const int selected = demo.report().ticketsToInvoice;
    std::printf(
        "%7d tickets (%6d of today, %5zu invoices)  run %6.2f s, cpu %5.2f s, %5.0f tickets/s, peak %4ld MB\n"
        "    replay, 2 commits/invoice:        %6.2f s, cpu %5.2f s, %5.0f tickets/s  speed real/raw %4.2f\n"
        "    replay, 2 commits + record:       %6.2f s, cpu %5.2f s, %5.0f tickets/s  speed real/raw %4.2f\n",
        tickets, selected, invoices, run.seconds, run.cpuSeconds, selected / run.seconds, run.peakKb / 1024,
        twoCommits.timed.seconds, twoCommits.timed.cpuSeconds, selected / twoCommits.timed.seconds,
        twoCommits.timed.seconds / run.seconds, withRecord.timed.seconds, withRecord.timed.cpuSeconds,
        selected / withRecord.timed.seconds, withRecord.timed.seconds / run.seconds);
    std::fflush(stdout);
    return true;
}

bool benchCsv(int rows) {
    const BenchDemo demo(0, 0);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bilhetes.csv"));
    agency::generateCsvTicketFile(file, rows, 7, QDate::currentDate());
    const Timed run = demo.run("1004", {QStringLiteral("--csv"), file});
    // Exit 3: some generated rows are refused and logged as errors, as they should be.
    if (run.exitCode != 0 && run.exitCode != 3) {
        std::fprintf(stderr, "CSV import of %d rows failed: exit %d\n", rows, run.exitCode);
        return false;
    }
    std::printf("%7d CSV rows  run %6.2f s, cpu %5.2f s, %6.0f rows/s, peak %4ld MB\n", rows, run.seconds,
                run.cpuSeconds, rows / run.seconds, run.peakKb / 1024);
    std::fflush(stdout);
    return true;
}

// Runs `bench` for each count (`defaults` when none is given).
bool eachCount(const std::vector<int>& counts, std::vector<int> defaults, const std::function<bool(int)>& bench) {
    bool ok = true;
    for (const int n : counts.empty() ? defaults : counts) {
        try {
            ok = bench(n) && ok;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%d: %s\n", n, e.what());
            ok = false;
        }
    }
    return ok;
}

bool ticketMode(const std::vector<int>& counts) {
    std::printf("ticket import (operation 1000) through telvarix-host against raw SQLite replays of its writes\n");
    return eachCount(counts, {2000, 10000}, benchOverhead);
}

bool serverMode(const std::vector<int>& counts) {
    std::printf(
        "ticket import (operation 1000) through telvarix-host, on SQLite then on a PostgreSQL server, "
        "against raw replays of its writes\n");
    try {
        const BenchServer server;
        return eachCount(counts, {2000, 10000}, [&](int n) {
            const bool onSqlite = benchOverhead(n);
            return server.benchOverhead(n) && onSqlite;
        });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return false;
    }
}

bool csvMode(const std::vector<int>& counts) {
    std::printf("hidden CSV import (operation 1004) through telvarix-host\n");
    return eachCount(counts, {100000}, benchCsv);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool csv = argc > 1 && std::strcmp(argv[1], "--csv") == 0;
    const bool server = argc > 1 && std::strcmp(argv[1], "--server") == 0;
    std::vector<int> counts;
    for (int i = csv || server ? 2 : 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    return (csv ? csvMode(counts) : server ? serverMode(counts) : ticketMode(counts)) ? 0 : 1;
}
