#include "telvarix-host/setup_demo.h"

#include "agency_demo/agency_db.h"
#include "agency_demo/agency_db_generator.h"
#include "host_erp/company_server.h"
#include "host_erp/demo_company.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/connection.h"
#include "telvarix-host/addin_library.h"
#include "telvarix-host/command_line.h"
#include "telvarix-host/demo_parameters.h"
#include "telvarix-host/host_program.h"
#include "telvarix-host/host_session.h"
#include "telvarix-host/open_addin.h"
#include "telvarix-host/today_tickets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace tvx::host_app {

namespace {

// Removes the files of a set-up that did not finish (a database with its journal files).
class Rollback {
public:
    explicit Rollback(QStringList files) : files_(std::move(files)) {}
    ~Rollback() {
        if (done_) return;
        for (const QString& file : files_)
            for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
                QFile::remove(file + suffix);
    }
    void done() { done_ = true; }

private:
    QStringList files_;
    bool done_ = false;
};

void refuseExisting(const CompanyLayout& layout, const QStringList& files) {
    for (const QString& file : files)
        if (QFileInfo::exists(file))
            throw CommandFailure(QStringLiteral("%1 already holds company %2 (%3 exists); nothing was changed. "
                                                "Use a fresh folder.")
                                     .arg(layout.base, layout.company, file));
}

void makeFolderOf(const QString& file) {
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder)) throw CommandFailure(QStringLiteral("cannot create the folder %1.").arg(folder));
}

host_erp::DemoCompanyOptions companyOptions(const DemoOptions& options) {
    host_erp::DemoCompanyOptions company;
    company.company.codigo = options.company;
    company.customers = DemoCustomers;
    company.login = options.logon.login;
    company.password = options.logon.password;
    return company;
}

// Drops a company database made on a server when the set-up does not finish.
class ServerRollback {
public:
    ServerRollback() = default;
    ServerRollback(const ServerRollback&) = delete;
    ServerRollback& operator=(const ServerRollback&) = delete;
    ~ServerRollback() {
        if (login_) tryIgnoringError([&] { host_erp::dropServerCompany(*login_); });
    }
    void arm(const sql::ServerLogin& login) { login_ = login; }
    void done() { login_.reset(); }

private:
    std::optional<sql::ServerLogin> login_;
};

}  // namespace

QString serverDatabaseName(const QString& company) {
    return host_erp::serverLogin(QStringLiteral("postgresql://"), company, {}, {}).database;
}

DemoReport setupDemo(const DemoOptions& options, std::ostream& out) {
    DemoReport report{CompanyLayout(options.base, options.company), 0, {}};
    const CompanyLayout& layout = report.layout;
    const bool onServer = !options.server.isEmpty();
    QStringList files = layout.files();
    if (onServer) files.removeAll(layout.companyDatabase());
    refuseExisting(layout, files);

    Rollback rollback(files);
    for (const QString& file : files) makeFolderOf(file);
    HostProgram host(layout.base, out);
    ServerRollback serverRollback;
    if (onServer) {
        const sql::ServerLogin login = host_erp::serverLogin(options.server, layout.company, {}, {});
        host_erp::createDemoServerCompany(login, companyOptions(options));
        serverRollback.arm(login);
    } else {
        host_erp::createDemoCompany(layout.companyDatabase(), companyOptions(options));
    }
    writeDemoSettingsFile(layout.settingsFile(), layout.company, options.logon, options.server);
    {
        agency::AgencyDb agency = agency::AgencyDb::create(layout.agencyDatabase());
        agency::AgencyDbParams tickets;
        tickets.seed = options.seed;
        tickets.customers = DemoCustomers;
        tickets.tickets = options.tickets;
        tickets.transfers = 0;  // the demo's own, below
        tickets.today = options.today;
        agency::fillAgencyDb(agency, tickets);

        {
            // Opening the add-in makes its parameters table, as at any company's first use.
            const AddinLibrary library(findAddinLibrary(options.addinLibrary));
            OpenAddin addin(library, host, layout.company, options.logon.login);
            addin.close();
        }
        HostSession session(host.settings(), layout.settingsFile());
        insertDemoParameters(session.ligacao(), {layout.agencyDatabase(), 0});
        report.transfers =
            addDemoTransfers(agency, session.api(), session.ligacao(), options.transfers, DemoCustomers, options.today);
        report.ticketsToInvoice = ticketsToInvoice(agency, options.today);
        agency.close();
    }
    rollback.done();
    serverRollback.done();
    return report;
}

}  // namespace tvx::host_app
