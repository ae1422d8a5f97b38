#pragma once
// Raising the record set's errors with the platform's numbers and sources.
#include "platform/automation/automation_error.h"

#include <QString>
#include <cstdint>

namespace tvx::ado {

inline const QString kRecordsetSource = QStringLiteral("ADODB.Recordset");
inline const QString kFieldsSource = QStringLiteral("ADODB.Fields");

// Raises `number` with the platform's description.
[[noreturn]] void raise(std::int32_t number, const QString& source = kRecordsetSource);
// Raises `number` with a description of our own (for texts the platform has none for).
[[noreturn]] void raise(std::int32_t number, const QString& description, const QString& source);
// A value a field cannot hold (too long for it): the cursor engine's multiple-step error.
[[noreturn]] void raiseMultipleStep();
// A rowset file that cannot be read: names the problem and the file.
[[noreturn]] void raiseUnreadableFile(const QString& path, const QString& problem);

}  // namespace tvx::ado
