#include "config_editor/reraise_chained.h"

namespace tvx::configuracao {

AutomationError chained(const AutomationError& error, const QString& source) {
    return AutomationError(error.number(), error.source() + QStringLiteral("\r\n") + error.description(), source);
}

}  // namespace tvx::configuracao
