#pragma once
// The host program's commands:
//   setup-demo  a demo installation in a fresh base folder
//   run         loads the add-in and runs menu operations on a company
//   sales-view  a sales view in which the user finalises an invoice
// (and gui, the host's windows: gui/gui_command.h, which the program runs
// before any application object exists)
// Exit status: 0 done, 1 failed (setup refused, add-in not opened, ...),
// 2 a wrong command line.
#include <QStringList>
#include <iosfwd>

namespace tvx::host_app {

// `arguments` as the program got them (the first is the program itself).
int runCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

int setupDemoCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);
int runOperationsCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);
int salesViewCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

}  // namespace tvx::host_app
