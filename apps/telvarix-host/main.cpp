// telvarix-host: the stand-in host ERP's shell. See host_commands.h.
#include "telvarix-host/host_commands.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("telvarix-host"));
    return tvx::host_app::runCommandLine(QCoreApplication::arguments(), std::cout, std::cerr);
}
