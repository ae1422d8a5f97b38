#include "platform/automation/control_characters.h"

#include <algorithm>

namespace tvx {

bool holdsControlCharacter(const QString& s) {
    return std::any_of(s.cbegin(), s.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

}  // namespace tvx
