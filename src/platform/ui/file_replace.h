#pragma once
// Writing a file so that a failure never costs the file already there: the
// new content goes to a fresh file beside the target, which is moved over
// the target only once it is complete.
#include "platform/automation/automation_error.h"

#include <QString>
#include <functional>

namespace tvx {

// Error 75 for a file that could not be written, naming it and the reason.
AutomationError fileWriteError(const QString& path, const QString& reason);

// Calls `write` with the path of a file that does not exist yet, in the
// target's folder and with the target's name at its end (so its extension
// is kept); then moves it over `target`. When `write` fails or the move
// fails, the fresh file is removed, the target is left as it was, and the
// error is raised (a failed move as error 75).
void replaceFileWith(const QString& target, const std::function<void(const QString& freshPath)>& write);

}  // namespace tvx
