// telvarix-host run: the add-in loaded for a company, menu operations in turn.
#include "telvarix-host/addin_library.h"
#include "telvarix-host/addin_operations.h"
#include "telvarix-host/command_line.h"
#include "telvarix-host/host_commands.h"
#include "telvarix-host/host_program.h"
#include "telvarix-host/open_addin.h"

#include <QFileInfo>
#include <ostream>

namespace tvx::host_app {

namespace {

std::vector<std::int32_t> operationCodes(const QCommandLineParser& parser) {
    std::vector<std::int32_t> codes;
    for (const QString& value : parser.values(QStringLiteral("operation")))
        codes.push_back(checkedOperationCode(value));
    if (codes.empty()) throw UsageError(QStringLiteral("--operation is required."));
    return codes;
}

}  // namespace

int runOperationsCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Loads the add-in, opens it for a company and runs menu operations in the order given: 1000 ticket "
        "import, 1001 diagnostics viewer, 1002 configuration, 1003 bank transfer import, 1004 ticket import "
        "from a CSV file. Message boxes are printed and answered with their default buttons; the diagnostics "
        "viewer prints its log as a table and, with --save-log, saves it through its \"Gravar como\" button.\n"
        "Exit status: 0 when the operations ran (their logs may hold errors), 1 when the add-in could not be "
        "loaded or opened, 2 for a wrong command line."));
    parser.addOptions(addinTargetOptions());
    parser.addOptions({{QStringLiteral("operation"), QStringLiteral("A menu operation code; repeat the option for several."),
                        QStringLiteral("N")},
                       {QStringLiteral("csv"),
                        QStringLiteral("The file the open-file dialogs answer with: the CSV file of code 1004, or a "
                                       "saved log for the viewer (code 1001) to open."),
                        QStringLiteral("FILE")},
                       {QStringLiteral("save-log"),
                        QStringLiteral("The file the viewer saves the log in: XML, or a spreadsheet with an XML copy "
                                       "beside it when the name does not end in XML."),
                        QStringLiteral("FILE")}});
    if (const auto code = parseCommand(parser, QStringLiteral("run"), arguments, out, err)) return *code;
    return guarded(QStringLiteral("run"), err, [&] {
        noPositionalArguments(parser);
        const AddinTarget target = addinTarget(parser);
        const std::vector<std::int32_t> codes = operationCodes(parser);
        ui_console::ConsoleAnswers answers;
        if (parser.isSet(QStringLiteral("csv")))
            answers.openFile = QFileInfo(parser.value(QStringLiteral("csv"))).absoluteFilePath();
        if (parser.isSet(QStringLiteral("save-log")))
            answers.saveFile = QFileInfo(requiredValue(parser, QStringLiteral("save-log"))).absoluteFilePath();

        HostProgram host(target.base, out, answers);
        const AddinLibrary library(findAddinLibrary(target.library));
        OpenAddin addin(library, host, target.company, target.user);
        for (const std::int32_t code : codes) {
            printLine(out, QStringLiteral("-- Operacoes %1").arg(code));
            runOperation(addin, code, target.user);
        }
        addin.close();
        return exit_code::Done;
    });
}

}  // namespace tvx::host_app
