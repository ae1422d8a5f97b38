#include "ui_console/console_interrupt.h"

#include <unistd.h>
#include <csignal>
#include <cstring>

namespace tvx::ui_console::console_interrupt {

namespace {

volatile std::sig_atomic_t asked = 0;

constexpr char Notice[] =
    "\nInterrupção pedida: a operação termina o documento em curso e pára. "
    "Ctrl+C outra vez termina já o programa.\n";

void onSignal(int signal) {
    if (asked) {
        // The second one: the default effect, delivered once this handler returns.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    asked = 1;
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, Notice, sizeof Notice - 1);
}

void handle(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

void watch() { handle(onSignal); }

void unwatch() { handle(SIG_DFL); }

bool requested() { return asked != 0; }

}  // namespace tvx::ui_console::console_interrupt
