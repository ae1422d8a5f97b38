// telvarix-host run: the add-in loaded for a company, menu operations in turn.
#include "telvarix-host/addin_library.h"
#include "telvarix-host/addin_operations.h"
#include "telvarix-host/batch_ending.h"
#include "telvarix-host/command_line.h"
#include "telvarix-host/host_commands.h"
#include "telvarix-host/host_program.h"
#include "telvarix-host/open_addin.h"

#include <QFileInfo>
#include <limits>
#include <optional>
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

// --set ID=VALUE, each an edit of the configuration window's item ID.
std::vector<ui_console::PropertyEdit> propertyEdits(const QCommandLineParser& parser) {
    std::vector<ui_console::PropertyEdit> edits;
    for (const QString& value : parser.values(QStringLiteral("set"))) {
        const qsizetype equals = value.indexOf(u'=');
        if (equals < 0) throw UsageError(QStringLiteral("--set %1: expected ID=VALUE.").arg(value));
        const int id = toInt(value.left(equals), QStringLiteral("--set"), std::numeric_limits<std::int16_t>::min(),
                             std::numeric_limits<std::int16_t>::max());
        edits.push_back({std::int16_t(id), value.mid(equals + 1)});
    }
    return edits;
}

// --button: one of the configuration window's three buttons, by caption.
std::optional<QString> configButton(const QCommandLineParser& parser) {
    if (!parser.isSet(QStringLiteral("button"))) return std::nullopt;
    const QString button = parser.value(QStringLiteral("button"));
    for (const QString& caption : {QStringLiteral("Confirmar"), QStringLiteral("Cancelar"), QStringLiteral("Sair")})
        if (caption.compare(button, Qt::CaseInsensitive) == 0) return caption;
    throw UsageError(QStringLiteral("--button %1: expected Confirmar, Cancelar or Sair.").arg(button));
}

}  // namespace

int runOperationsCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Loads the add-in, opens it for a company and runs menu operations in the order given: 1000 ticket "
        "import, 1001 diagnostics viewer, 1002 configuration, 1003 bank transfer import, 1004 ticket import "
        "from a CSV file. Message boxes are printed and answered with their default buttons; the diagnostics "
        "viewer prints its log as a table and, with --save-log, saves it through its \"Gravar como\" button; the "
        "configuration window prints its items, makes the --set edits and clicks the --button.\n"
        "The run's verdict comes after its log table; the last line counts the logged rows per status.\n"
        "Exit status: 0 every row fine; 1 the add-in could not be loaded or opened; 2 a wrong command line; "
        "3 a log holds \"Erro\" or \"ERRO\" rows (or a run stopped on an error); 4 a run was refused because "
        "another holds the company's or the agency file's run lock (nothing was changed; try again later); 5 a "
        "--set or --button was not carried out. When several apply, the highest.\n"
        "Ctrl+C (or SIGTERM) during a run asks it to stop after the document in hand; a second one ends the "
        "program at once."));
    parser.addOptions(addinTargetOptions());
    parser.addOptions(
        {{QStringLiteral("operation"), QStringLiteral("A menu operation code; repeat the option for several."),
          QStringLiteral("N")},
         {QStringLiteral("csv"),
          QStringLiteral("The file the open-file dialogs answer with: the CSV file of code 1004, or a "
                         "saved log for the viewer (code 1001) to open."),
          QStringLiteral("FILE")},
         {QStringLiteral("save-log"),
          QStringLiteral("The file the viewer saves the log in: XML, or a spreadsheet with an XML copy "
                         "beside it when the name does not end in XML."),
          QStringLiteral("FILE")},
         {QStringLiteral("set"),
          QStringLiteral("An edit in the configuration window (code 1002): item ID gets VALUE, a text, or "
                         "for a list item the caption or code of one of its entries; repeat the option "
                         "for several, made in turn."),
          QStringLiteral("ID=VALUE")},
         {QStringLiteral("button"),
          QStringLiteral("The configuration window's button clicked after the edits: Confirmar (save), "
                         "Cancelar (show the stored values again) or Sair (leave without saving); "
                         "without it the window closes unsaved."),
          QStringLiteral("NAME")}});
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
        answers.propertyEdits = propertyEdits(parser);
        answers.configButton = configButton(parser);

        HostProgram host(target.base, out, answers);
        const AddinLibrary library(findAddinLibrary(target.library));
        OpenAddin addin(library, host, target.company, target.user);
        BatchEnding ending(!answers.propertyEdits.empty() || answers.configButton.has_value());
        for (const std::int32_t code : codes) {
            printLine(host.console()->transcript().out(), QStringLiteral("-- Operacoes %1").arg(code));
            runOperation(addin, code, target.user);
            ending.add(host.console()->transcript().endOperation());
        }
        addin.close();
        host.console()->transcript().endOperation();
        printLine(out, ending.line());
        return ending.exitCode();
    });
}

}  // namespace tvx::host_app
