#include "config_editor/reraise_chained.h"

namespace tvx::configuracao {

AutomationError chained(const AutomationError& error, const QString& source) {
    if (error.source().isEmpty()) return error.withSource(source);
    return AutomationError(error.number(), error.source() + QStringLiteral("\r\n") + error.description(), source);
}

}  // namespace tvx::configuracao
