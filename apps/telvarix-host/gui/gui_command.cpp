#include "telvarix-host/gui/gui_command.h"

#include "telvarix-host/addin_library.h"
#include "telvarix-host/command_line.h"
#include "telvarix-host/company_layout.h"
#include "telvarix-host/gui/host_log.h"
#include "telvarix-host/gui/host_main_window.h"
#include "telvarix-host/gui/window_positions.h"
#include "telvarix-host/host_program.h"
#include "telvarix-host/host_session.h"
#include "telvarix-host/open_addin.h"
#include "telvarix-host/program_version.h"
#include "ui_qt/qt_desktop.h"
#include "ui_qt/qt_translations.h"
#include "ui_qt/screen_fit.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <optional>
#include <ostream>

namespace tvx::host_gui {

namespace {

const QString Command = QStringLiteral("gui");

// The host's own settings file, beside the companies it serves.
QString hostSettingsFile(const QString& base) { return QDir(base).filePath(QStringLiteral("telvarix-host.ini")); }

// Without a display (and no other platform asked for) Qt would abort; the user is told instead.
bool hasDisplay() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int showMainWindow(const host_app::AddinTarget& target) {
    const QString settingsFile = hostSettingsFile(target.base);
    host_app::HostProgram host(target.base, [&] { ui_qt::registerQtDesktop(settingsFile); });
    logQtMessagesTo(QDir(host.base()).filePath(QStringLiteral("telvarix-host.log")));
    const host_app::AddinLibrary library(host_app::findAddinLibrary(target.library));
    host_app::OpenAddin addin(library, host, target.company, target.user);
    host_app::HostSession session(host.settings(), host_app::CompanyLayout(host.base(), target.company).settingsFile());
    const WindowPositions positions(hostSettingsFile(host.base()));

    HostMainWindow window({addin, session, target.company, target.user, positions});
    positions.restore(window, window.objectName());
    ui_qt::fitToScreen(window);
    window.show();
    QApplication::exec();
    addin.close();
    return host_app::exit_code::Done;
}

}  // namespace

int guiCommand(int& argc, char** argv, std::ostream& out, std::ostream& err) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Opens the host's main window on a company, with the add-in loaded and opened for it: the add-in's menu "
        "(its five operations), the sales view, in which invoices in preparation are finalised, and lists of the "
        "company's invoices and receipts. The windows remember where they were left, in telvarix-host.ini in the "
        "base folder.\n"
        "Exit status: 0 when the window was closed, 1 when the add-in could not be loaded or opened (or there is "
        "no display), 2 for a wrong "
        "command line."));
    parser.addOptions(host_app::addinTargetOptions());
    if (const auto code = host_app::parseCommand(parser, Command, arguments, out, err)) return *code;
    std::optional<host_app::AddinTarget> target;
    const int parsed = host_app::guarded(Command, err, [&] {
        host_app::noPositionalArguments(parser);
        target = host_app::addinTarget(parser);
        return host_app::exit_code::Done;
    });
    if (!target) return parsed;
    if (!hasDisplay()) {
        host_app::printError(err, Command,
                             QStringLiteral("no display to open the windows on (DISPLAY and WAYLAND_DISPLAY are not "
                                            "set). Start it from a desktop session, or use the batch command 'run'."));
        return host_app::exit_code::Failed;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("telvarix-host"));
    QApplication::setApplicationVersion(host_app::programVersion());
    ui_qt::installPortugueseTranslations(app);
    return host_app::guarded(Command, err, [&] {
        try {
            return showMainWindow(*target);
        } catch (const std::exception& e) {
            QMessageBox::critical(nullptr, QStringLiteral("Tumo Vesk"), QString::fromUtf8(e.what()));
            throw;
        }
    });
}

}  // namespace tvx::host_gui
