#pragma once
// The program's version, the project's.
#include <QString>

namespace tvx::host_app {

QString programVersion();

}  // namespace tvx::host_app
