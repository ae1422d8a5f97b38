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
#include "host_demo/bench_demo.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using namespace tvx;
using bench::BenchDemo;
using bench::Timed;

bool benchTicketImport(int tickets) {
    const BenchDemo demo(tickets, 0);
    const int selected = demo.report().ticketsToInvoice;
    const Timed run = demo.run("1000");
    const int left = demo.ticketsLeftToday();
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
    const BenchDemo demo(0, transfers);
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
