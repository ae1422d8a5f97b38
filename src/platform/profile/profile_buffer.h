#pragma once
// How the profile functions fill a caller's buffer of `size` characters.
// `buffer` receives exactly the characters written into it, terminating NULs
// included; a size of 0 leaves it untouched. The answer is the count of
// characters copied, the final terminator excluded.
#include <QString>
#include <QStringList>
#include <cstdint>

namespace tvx {

// One text, cut to size - 1 characters, then a NUL.
std::uint32_t copyTextToBuffer(const QString& text, QString& buffer, std::uint32_t size);
// Each name followed by a NUL, then a final NUL. When that does not fit, the
// list is cut to size - 2 characters and ended with two NULs, answering size - 2.
std::uint32_t copyListToBuffer(const QStringList& names, QString& buffer, std::uint32_t size);

}  // namespace tvx
