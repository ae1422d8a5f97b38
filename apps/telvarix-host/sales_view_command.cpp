// telvarix-host sales-view: the host's sales view, in which the user
// finalises an invoice in preparation and saves it, with the add-in's hooks
// called as the view opens, saves and closes.
#include "telvarix-host/addin_library.h"
#include "telvarix-host/command_line.h"
#include "telvarix-host/company_layout.h"
#include "telvarix-host/host_commands.h"
#include "telvarix-host/host_program.h"
#include "telvarix-host/host_sales_view.h"
#include "telvarix-host/host_session.h"
#include "telvarix-host/open_addin.h"

#include <ostream>

namespace tvx::host_app {

namespace {

// The invoice in preparation the user finalises.
host_erp::DocumentKey finalizeKey(const QCommandLineParser& parser) {
    const QStringList rest = parser.positionalArguments();
    if (!parser.isSet(QStringLiteral("finalize")) || rest.size() != 3)
        throw UsageError(QStringLiteral("--finalize needs TYPE SERIES YEAR NUMBER."));
    return {parser.value(QStringLiteral("finalize")), toInt(rest[2], QStringLiteral("NUMBER"), 1, 2147483647),
            std::int16_t(toInt(rest[0], QStringLiteral("SERIES"), 0, 32767)),
            std::int16_t(toInt(rest[1], QStringLiteral("YEAR"), 1, 9999))};
}

}  // namespace

int salesViewCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Opens the host's sales view with the add-in loaded for a company, finalises an invoice that is in "
        "preparation, saves it and closes the view; the add-in's hooks run as in the host.\n"
        "Exit status: 0 when the invoice was finalised and saved, 1 when the host refused it or the add-in "
        "could not be opened, 2 for a wrong command line."));
    parser.addOptions(addinTargetOptions());
    parser.addOption({QStringLiteral("finalize"),
                      QStringLiteral("The invoice in preparation to finalise: TYPE, then SERIES YEAR NUMBER."),
                      QStringLiteral("TYPE")});
    parser.addPositionalArgument(QStringLiteral("SERIES YEAR NUMBER"),
                                 QStringLiteral("The rest of the invoice's key, after --finalize TYPE."));
    if (const auto code = parseCommand(parser, QStringLiteral("sales-view"), arguments, out, err)) return *code;
    return guarded(QStringLiteral("sales-view"), err, [&] {
        const AddinTarget target = addinTarget(parser);
        const host_erp::DocumentKey key = finalizeKey(parser);

        HostProgram host(target.base, out);
        HostSession session(host.settings(), CompanyLayout(host.base(), target.company).settingsFile());
        const AddinLibrary library(findAddinLibrary(target.library));
        OpenAddin addin(library, host, target.company, target.user);

        HostSalesView view(addin, session, target.company, target.user);
        const HostSalesView::Outcome outcome = view.finalise(key);
        if (outcome.saved)
            printLine(out,
                      QStringLiteral("Tumo Vesk: %1 finalised as %2 %3.").arg(describe(key), key.tipo, outcome.number));
        else
            printLine(out, QStringLiteral("Tumo Vesk refused to finalise %1: %2").arg(describe(key), outcome.refusal));
        view.close();
        addin.close();
        return outcome.saved ? exit_code::Done : exit_code::Failed;
    });
}

}  // namespace tvx::host_app
