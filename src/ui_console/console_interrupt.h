#pragma once
// Interrupts of a batch run: while a run's progress bar is up, the first
// SIGINT (Ctrl+C) or SIGTERM asks the run to stop, after the document in
// hand, and says so on the standard error; a second one ends the program at
// once, as the signal does by default. Outside a run the signals keep their
// default effect. Once asked, every later run of the process is asked too.
namespace tvx::ui_console::console_interrupt {

// Catches the two signals, for the time a progress bar is up.
void watch();
// Gives them their default effect again.
void unwatch();
// True once a stop was asked.
bool requested();

}  // namespace tvx::ui_console::console_interrupt
