#pragma once
// The host's log: Qt's messages of a windowed session (for example that no
// program opens a saved spreadsheet) go to `telvarix-host.log` in the base
// folder, a dated line each, not to the terminal the program was started
// from; critical and fatal ones go to the standard error too.
#include <QString>

namespace tvx::host_gui {

// Routes Qt's messages to `logFile` until the program ends.
void logQtMessagesTo(const QString& logFile);

}  // namespace tvx::host_gui
