#include "telvarix-host/host_commands.h"

#include "host_erp/company_server.h"

#include "telvarix-host/command_line.h"
#include "telvarix-host/program_version.h"
#include "telvarix-host/setup_demo.h"

#include <QDir>
#include <ostream>

namespace tvx::host_app {

namespace {

const char* const Usage =
    "Usage: telvarix-host <command> [options]\n"
    "The stand-in Tumo Vesk host program for the Telvarix add-in.\n"
    "\n"
    "Commands:\n"
    "  setup-demo   creates a demo installation in a fresh base folder\n"
    "  run          loads the add-in for a company and runs menu operations\n"
    "  sales-view   opens a sales view, finalises an invoice in preparation and saves it\n"
    "  gui          opens the host's main window on a company, with the add-in's menu\n"
    "\n"
    "'telvarix-host <command> --help' describes a command's options; 'telvarix-host --version' prints the\n"
    "version.\n";

void printDemoReport(std::ostream& out, const DemoReport& r, const DemoOptions& o) {
    const CompanyLayout& l = r.layout;
    printLine(out, QStringLiteral("Demo company %1 set up in %2").arg(l.company, l.base));
    printLine(out, QStringLiteral("  settings file     %1").arg(l.settingsFile()));
    printLine(out, o.server.isEmpty() ? QStringLiteral("  company database  %1").arg(l.companyDatabase())
                                      : QStringLiteral("  company database  %1 on the PostgreSQL server %2")
                                            .arg(serverDatabaseName(o.company), o.server));
    printLine(out, QStringLiteral("  agency database   %1").arg(l.agencyDatabase()));
    printLine(out, QStringLiteral("  host user         %1").arg(o.logon.login));
    printLine(
        out,
        QStringLiteral("  tickets           %1, %2 of them to invoice today").arg(o.tickets).arg(r.ticketsToInvoice));
    printLine(out, QStringLiteral("  transfers         %1 pending: %2 pay open invoices exactly, %3 go on account")
                       .arg(o.transfers)
                       .arg(r.transfers.settling)
                       .arg(r.transfers.onAccount));
    printLine(out, QStringLiteral("  open documents    %1 in the company").arg(r.transfers.documents));
}

}  // namespace

int setupDemoCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Creates a demo installation in a fresh base folder: the company database with its host user, the "
        "add-in's settings file and parameters row, and an agency database with today's tickets and pending "
        "transfers that pay invoices already in the company. Refuses a folder that already holds the company."));
    parser.addOptions(
        {baseOption(),
         companyOption(),
         {QStringLiteral("tickets"), QStringLiteral("Tickets in the agency database (default 60)."),
          QStringLiteral("N")},
         {QStringLiteral("transfers"), QStringLiteral("Pending transfers (default 12)."), QStringLiteral("N")},
         userOption(QStringLiteral("The host user's login (default demo).")),
         {QStringLiteral("password"), QStringLiteral("The host user's password (default demo)."), QStringLiteral("PW")},
         {QStringLiteral("seed"), QStringLiteral("Seed of the generated tickets (default 1)."), QStringLiteral("N")},
         {QStringLiteral("server"),
          QStringLiteral("Makes the company database on this PostgreSQL server (a libpq URI: postgresql://HOST[:PORT] "
                         "or postgresql:///?host=SOCKET-FOLDER; the operating-system user logs in), refusing one that "
                         "exists; the agency database stays under the base folder."),
          QStringLiteral("URI")},
         {QStringLiteral("addin"),
          QStringLiteral("The add-in library, loaded once to make its parameters table (default: "
                         "libtelvarix.so next to the program, or the build's)."),
          QStringLiteral("PATH")}});
    if (const auto code = parseCommand(parser, QStringLiteral("setup-demo"), arguments, out, err)) return *code;
    return guarded(QStringLiteral("setup-demo"), err, [&] {
        noPositionalArguments(parser);
        DemoOptions options;
        options.base = requiredValue(parser, QStringLiteral("base"));
        options.company = checkedCompanyCode(requiredValue(parser, QStringLiteral("company")));
        options.tickets = intValue(parser, QStringLiteral("tickets"), options.tickets, 0, 10000000);
        options.transfers = intValue(parser, QStringLiteral("transfers"), options.transfers, 0, 100000);
        options.seed = std::uint32_t(intValue(parser, QStringLiteral("seed"), int(options.seed), 0, 2147483647));
        if (parser.isSet(QStringLiteral("user"))) options.logon.login = requiredValue(parser, QStringLiteral("user"));
        if (parser.isSet(QStringLiteral("password"))) options.logon.password = parser.value(QStringLiteral("password"));
        options.addinLibrary = parser.value(QStringLiteral("addin"));
        options.server = parser.value(QStringLiteral("server")).trimmed();
        if (parser.isSet(QStringLiteral("server")) && !host_erp::isServerAddress(options.server))
            throw UsageError(QStringLiteral("--server takes a PostgreSQL address (postgresql://...), not '%1'.")
                                 .arg(options.server));
        printDemoReport(out, setupDemo(options, out), options);
        return exit_code::Done;
    });
}

int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QString command = arguments.value(1);
    if (command == u"setup-demo") return setupDemoCommand(arguments, out, err);
    if (command == u"run") return runOperationsCommand(arguments, out, err);
    if (command == u"sales-view") return salesViewCommand(arguments, out, err);
    if (command == u"--version" || command == u"-v") {
        printLine(out, QStringLiteral("telvarix-host ") + programVersion());
        return exit_code::Done;
    }
    if (command == u"--help" || command == u"-h" || command == u"help") {
        out << Usage;
        return exit_code::Done;
    }
    if (command.isEmpty())
        err << Usage;
    else
        err << "telvarix-host: unknown command '" << command.toStdString() << "'.\n" << Usage;
    return exit_code::Usage;
}

}  // namespace tvx::host_app
