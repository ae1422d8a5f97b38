// Import throughput through the real host program and add-in, process start,
// progress bar and printed log included:
// - tickets: a demo company is set up with N generated tickets (a quarter of
//   them outside today's selection), then `telvarix-host run --operation 1000`
//   is timed; prints the tickets invoiced per second.
// - transfers: a demo company is set up with N pending transfers that pay
//   invoices already in the company (most exactly, a few on account), then
//   `telvarix-host run --operation 1003` is timed; prints the transfers turned
//   into receipts per second.
// Usage: bench_import [TICKETS ...] [--transfers TRANSFERS ...]; without
// arguments 10,000 and 100,000 tickets, then 1,000 and 5,000 transfers.
#include "agency_demo/agency_db.h"
#include "telvarix-host/setup_demo.h"
#include "telvarix-host/today_tickets.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

namespace {

using namespace tvx;

struct Timed {
    double seconds = 0;
    int exitCode = -1;
};

Timed runHost(const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(TELVARIX_HOST_PROGRAM), arguments);
    process.waitForFinished(-1);
    const Timed t{double(timer.nsecsElapsed()) / 1e9,
                  process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
    if (t.exitCode != 0) std::fprintf(stderr, "%s\n", process.readAllStandardError().constData());
    return t;
}

// A demo company in a folder of its own, and how long setting it up took.
class Demo {
public:
    Demo(int tickets, int transfers) : options_(optionsFor(dir_.path(), tickets, transfers)), report_(setUp()) {}

    const host_app::DemoReport& report() const { return report_; }
    double setupSeconds() const { return setupSeconds_; }
    Timed run(const char* operation) const {
        return runHost({QStringLiteral("run"), QStringLiteral("--base"), options_.base, QStringLiteral("--company"),
                        options_.company, QStringLiteral("--user"), options_.logon.login,
                        QStringLiteral("--operation"), QString::fromLatin1(operation)});
    }
    int agencyCount(const QString& sql) const {
        agency::AgencyDb db = agency::AgencyDb::open(report_.layout.agencyDatabase());
        return db.column(sql).at(0).toInt();
    }

private:
    static host_app::DemoOptions optionsFor(const QString& base, int tickets, int transfers) {
        host_app::DemoOptions options;
        options.base = base;
        options.company = QStringLiteral("BENCH");
        options.tickets = tickets;
        options.transfers = transfers;
        return options;
    }
    host_app::DemoReport setUp() {
        QElapsedTimer timer;
        timer.start();
        std::ostringstream shown;
        host_app::DemoReport report = host_app::setupDemo(options_, shown);
        setupSeconds_ = double(timer.nsecsElapsed()) / 1e9;
        return report;
    }

    QTemporaryDir dir_;
    host_app::DemoOptions options_;
    double setupSeconds_ = 0;
    host_app::DemoReport report_;
};

int toInvoiceToday(const QString& agencyFile) {
    agency::AgencyDb db = agency::AgencyDb::open(agencyFile);
    return host_app::ticketsToInvoice(db, QDate::currentDate());
}

bool benchTicketImport(int tickets) {
    const Demo demo(tickets, 0);
    const int selected = demo.report().ticketsToInvoice;
    const Timed run = demo.run("1000");
    const int left = toInvoiceToday(demo.report().layout.agencyDatabase());
    if (run.exitCode != 0 || left != 0) {
        std::fprintf(stderr, "ticket import of %d tickets failed: exit %d, %d tickets left\n", tickets, run.exitCode,
                     left);
        return false;
    }
    std::printf("%8d tickets (%7d of today)  set-up %7.2f s  import %7.2f s  %9.0f tickets/s\n", tickets, selected,
                demo.setupSeconds(), run.seconds, selected / run.seconds);
    std::fflush(stdout);
    return true;
}

bool benchTransferImport(int transfers) {
    const Demo demo(0, transfers);
    const Timed run = demo.run("1003");
    const int pending = demo.agencyCount(
        QStringLiteral("SELECT COUNT(*) FROM Transferencias WHERE estado_importado IS NULL OR estado_importado = ''"));
    if (run.exitCode != 0 || pending != 0) {
        std::fprintf(stderr, "transfer import of %d transfers failed: exit %d, %d transfers pending\n", transfers,
                     run.exitCode, pending);
        return false;
    }
    const host_app::DemoTransfersSummary& s = demo.report().transfers;
    std::printf("%8d transfers (%6d settling, %5d on account)  set-up %7.2f s  import %7.2f s  %7.0f transfers/s\n",
                transfers, s.settling, s.onAccount, demo.setupSeconds(), run.seconds, transfers / run.seconds);
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<int> tickets;
    std::vector<int> transfers;
    std::vector<int>* counts = &tickets;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--transfers") == 0)
            counts = &transfers;
        else
            counts->push_back(std::atoi(argv[i]));
    }
    if (argc == 1) {
        tickets = {10000, 100000};
        transfers = {1000, 5000};
    }
    bool ok = true;
    if (!tickets.empty()) std::printf("ticket import (operation 1000) through telvarix-host\n");
    for (const int n : tickets) ok = benchTicketImport(n) && ok;
    if (!transfers.empty()) std::printf("bank transfer import (operation 1003) through telvarix-host\n");
    for (const int n : transfers) ok = benchTransferImport(n) && ok;
    return ok ? 0 : 1;
}
