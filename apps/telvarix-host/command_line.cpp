#include "telvarix-host/command_line.h"

#include <QRegularExpression>
#include <ostream>

namespace tvx::host_app {

QCommandLineOption baseOption() {
    return {QStringLiteral("base"), QStringLiteral("The host's base folder."), QStringLiteral("DIR")};
}

QCommandLineOption companyOption() {
    return {QStringLiteral("company"), QStringLiteral("The company code."), QStringLiteral("CODE")};
}

QCommandLineOption userOption(const QString& description) {
    return {QStringLiteral("user"), description, QStringLiteral("LOGIN")};
}

void printLine(std::ostream& out, const QString& text) { out << text.toStdString() << '\n'; }

void printError(std::ostream& err, const QString& command, const QString& message) {
    err << "telvarix-host " << command.toStdString() << ": " << message.toStdString() << '\n' << std::flush;
}

void printUsageHint(std::ostream& err, const QString& command) {
    err << "Try 'telvarix-host " << command.toStdString() << " --help'.\n" << std::flush;
}

std::optional<int> parseCommand(QCommandLineParser& parser, const QString& command, const QStringList& arguments,
                                std::ostream& out, std::ostream& err) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    // The command stands where the parser expects the program.
    if (!parser.parse(arguments.mid(1))) {
        printError(err, command, parser.errorText());
        printUsageHint(err, command);
        return exit_code::Usage;
    }
    if (parser.isSet(help)) {
        // The parser names the program by its path: name the command instead.
        QString text = parser.helpText();
        const qsizetype options = text.indexOf(QStringLiteral(" [options]"));
        if (options >= 0) text.replace(0, options, QStringLiteral("Usage: telvarix-host ") + command);
        out << text.toStdString() << std::flush;
        return exit_code::Done;
    }
    return std::nullopt;
}

void noPositionalArguments(const QCommandLineParser& parser) {
    if (!parser.positionalArguments().isEmpty())
        throw UsageError(QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().first()));
}

QString requiredValue(const QCommandLineParser& parser, const QString& option) {
    const QString value = parser.value(option);
    if (!parser.isSet(option) || value.trimmed().isEmpty())
        throw UsageError(QStringLiteral("--%1 is required.").arg(option));
    return value;
}

int toInt(const QString& text, const QString& what, int min, int max) {
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    if (!ok || n < min || n > max)
        throw UsageError(
            QStringLiteral("%1 must be a whole number from %2 to %3, not '%4'.").arg(what).arg(min).arg(max).arg(text));
    return int(n);
}

int intValue(const QCommandLineParser& parser, const QString& option, int fallback, int min, int max) {
    if (!parser.isSet(option)) return fallback;
    return toInt(parser.value(option), QStringLiteral("--") + option, min, max);
}

QString checkedCompanyCode(const QString& code) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_-]{1,10}$"));
    if (!plain.match(code).hasMatch())
        throw UsageError(QStringLiteral("the company code '%1' is not 1 to 10 letters, digits, '_' or '-'.").arg(code));
    return code;
}

}  // namespace tvx::host_app
