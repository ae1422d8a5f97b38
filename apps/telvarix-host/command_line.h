#pragma once
// Command-line handling shared by the host program's commands.
#include "platform/automation/automation_error.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <iosfwd>
#include <optional>
#include <stdexcept>

namespace tvx::host_app {

namespace exit_code {
inline constexpr int Done = 0;
inline constexpr int Failed = 1;
inline constexpr int Usage = 2;
// How a `run` ended (see batch_ending.h).
inline constexpr int LogErrors = 3;
inline constexpr int Refused = 4;
inline constexpr int NotCarriedOut = 5;
}  // namespace exit_code

// A command line the command cannot run with; the text says why.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// A failure the command reports in one line and ends with exit_code::Failed.
class CommandFailure : public std::runtime_error {
public:
    explicit CommandFailure(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The options every command shares.
QCommandLineOption baseOption();
QCommandLineOption companyOption();
QCommandLineOption userOption(const QString& description);

// Parses the arguments of `command` (arguments[0] is the program, [1] the
// command). Answers an exit code when the command should end here: after
// printing its help (0) or a parse error (2); nullopt to go on.
std::optional<int> parseCommand(QCommandLineParser& parser, const QString& command, const QStringList& arguments,
                                std::ostream& out, std::ostream& err);

// UsageError when arguments other than options were given.
void noPositionalArguments(const QCommandLineParser& parser);
// The value of a required option (UsageError when missing or empty).
QString requiredValue(const QCommandLineParser& parser, const QString& option);
// An option's value as a whole number in [min, max] (UsageError otherwise);
// `fallback` when the option is not given.
int intValue(const QCommandLineParser& parser, const QString& option, int fallback, int min, int max);
// A text as a whole number in [min, max]; UsageError naming `what` otherwise.
int toInt(const QString& text, const QString& what, int min, int max);

// A company code the host accepts: 1 to 10 letters, digits, '_' or '-'.
QString checkedCompanyCode(const QString& code);

void printLine(std::ostream& out, const QString& text);
void printError(std::ostream& err, const QString& command, const QString& message);
void printUsageHint(std::ostream& err, const QString& command);

// Runs a command's body: usage errors print the message and a hint
// (exit 2), failures and raised errors print the message (exit 1).
template <class F>
int guarded(const QString& command, std::ostream& err, F&& body) {
    try {
        return body();
    } catch (const UsageError& e) {
        printError(err, command, QString::fromStdString(e.what()));
        printUsageHint(err, command);
        return exit_code::Usage;
    } catch (const CommandFailure& e) {
        printError(err, command, QString::fromStdString(e.what()));
    } catch (const AutomationError& e) {
        printError(err, command, QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        printError(err, command, QString::fromLocal8Bit(e.what()));
    }
    return exit_code::Failed;
}

}  // namespace tvx::host_app
