#include "telvarix-host/program_version.h"

namespace tvx::host_app {

QString programVersion() { return QStringLiteral(TELVARIX_VERSION); }

}  // namespace tvx::host_app
