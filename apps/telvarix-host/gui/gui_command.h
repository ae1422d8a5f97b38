#pragma once
// telvarix-host gui: the stand-in host with its windows. The Qt desktop is
// the add-in's desktop; the add-in is loaded and opened for the company, and
// the main window shows until the user closes it. A failure to start is
// printed and shown in a message box; the exit status is that of the batch
// commands (0 done, 1 failed, 2 a wrong command line).
#include <iosfwd>

namespace tvx::host_gui {

// `argv` as the program got it, argv[1] being "gui". The command line is
// read before the application object exists, so that --help and a wrong
// command line need no display.
int guiCommand(int& argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace tvx::host_gui
