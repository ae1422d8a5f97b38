#pragma once
// A demo installation of the stand-in host with the add-in: a company with
// its host user, the add-in's settings file and parameters row, and an
// agency database with today's tickets and pending transfers that pay
// invoices already in the company.
#include "telvarix-host/company_layout.h"
#include "telvarix-host/demo_settings_file.h"
#include "telvarix-host/demo_transfers.h"

#include <QDate>
#include <cstdint>
#include <iosfwd>

namespace tvx::host_app {

// Customers of the demo: the company's C0001 … and the agency's accounts alike.
inline constexpr int DemoCustomers = 12;

struct DemoOptions {
    QString base;
    QString company;
    int tickets = 60;
    int transfers = 12;
    HostLogon logon{QStringLiteral("demo"), QStringLiteral("demo")};
    std::uint32_t seed = 1;
    QDate today = QDate::currentDate();
    QString addinLibrary;  // "" to look for it (findAddinLibrary)
    QString server;        // a PostgreSQL server's address for the company database; "" for the embedded file
};

// The database a company's code names on a server (company_server.h).
QString serverDatabaseName(const QString& company);

struct DemoReport {
    CompanyLayout layout;
    int ticketsToInvoice = 0;  // of today's billing periods, without marker
    DemoTransfersSummary transfers;
};

// Creates everything in options.base, with the host's components working
// there; the add-in is loaded once to make its parameters table, and what
// it shows goes to `out`. Refuses (CommandFailure) when any of the
// company's files is already there; on any failure removes again what it
// created. With a server, the company database is made there (refused
// when it exists, dropped again on a failure) and the settings file names it.
DemoReport setupDemo(const DemoOptions& options, std::ostream& out);

}  // namespace tvx::host_app
