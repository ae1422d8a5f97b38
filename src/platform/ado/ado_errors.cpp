#include "platform/ado/ado_errors.h"

namespace tvx::ado {

void raise(std::int32_t number, const QString& source) { throw err::make(number, source); }

void raise(std::int32_t number, const QString& description, const QString& source) {
    throw AutomationError(number, description, source);
}

void raiseMultipleStep() {
    throw AutomationError(err::MultipleStep,
                          QStringLiteral("Multiple-step operation generated errors. Check each status value."),
                          QStringLiteral("Microsoft Cursor Engine"));
}

void raiseUnreadableFile(const QString& path, const QString& problem) {
    throw AutomationError(err::Unspecified,
                          QStringLiteral("Recordset cannot be created from \"%1\": %2").arg(path, problem),
                          QStringLiteral("Microsoft Persistence Provider"));
}

}  // namespace tvx::ado
