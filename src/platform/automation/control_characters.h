#pragma once
// Control characters in texts that come from outside (NUL, tab, line breaks,
// C1 codes…): none belongs in a code, a name or a line of a document, and a
// NUL cuts an SQL text short.
#include <QString>

namespace tvx {

bool holdsControlCharacter(const QString& s);

}  // namespace tvx
