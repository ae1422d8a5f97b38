// telvarix-host: the stand-in host ERP's shell. See host_commands.h; the
// command gui opens its windows (gui/gui_command.h).
#include "telvarix-host/gui/gui_command.h"
#include "telvarix-host/host_commands.h"
#include "telvarix-host/program_version.h"

#include <QCoreApplication>
#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    // With TZ unset the C library looks at /etc/localtime again at each
    // local-time conversion (a stat each, about ten per invoice an import
    // stores); naming the file makes it read once.
    if (qEnvironmentVariableIsEmpty("TZ")) qputenv("TZ", ":/etc/localtime");
    // Only the windows need a display: the batch commands run on a plain application.
    if (argc > 1 && std::strcmp(argv[1], "gui") == 0)
        return tvx::host_gui::guiCommand(argc, argv, std::cout, std::cerr);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("telvarix-host"));
    QCoreApplication::setApplicationVersion(tvx::host_app::programVersion());
    return tvx::host_app::runCommandLine(QCoreApplication::arguments(), std::cout, std::cerr);
}
