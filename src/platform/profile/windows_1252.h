#pragma once
// Windows-1252, the ANSI code page the profile files of a Western system are in.
// It differs from Latin-1 only in 0x80-0x9F; the five bytes it leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same
// number, as the platform maps them, so every byte sequence round-trips.
#include <QByteArray>
#include <QString>
#include <optional>

namespace tvx {

QString fromWindows1252(const QByteArray& bytes);
// No value when some character of `text` has no Windows-1252 byte.
std::optional<QByteArray> toWindows1252(const QString& text);

}  // namespace tvx
