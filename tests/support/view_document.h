#pragma once
// The document a sales view hands its hooks: a commercial document whose
// header holds the given key.
#include "platform/automation/variant.h"

#include <cstdint>

namespace tvx::testing {

ObjectRef viewDocument(const QString& tipo, std::int32_t numero, std::int16_t serie, std::int16_t ano);

}  // namespace tvx::testing
