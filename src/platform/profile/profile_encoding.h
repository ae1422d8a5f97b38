#pragma once
// How a profile file's bytes become text and back. A file is Windows-1252
// unless it is plainly Unicode: a UTF-8 or UTF-16 byte-order mark, or bytes
// that are valid UTF-8 and not all ASCII. A rewritten file keeps its encoding,
// except that a Windows-1252 file that must hold a character outside that code
// page, or whose bytes would read back as UTF-8, is written as UTF-8 (without a
// mark) rather than losing or changing characters.
#include <QByteArray>
#include <QString>

namespace tvx {

enum class ProfileEncoding { Windows1252, Utf8, Utf8WithBom, Utf16LE, Utf16BE };

struct ProfileText {
    QString text;
    ProfileEncoding encoding = ProfileEncoding::Windows1252;
};

ProfileText decodeProfile(const QByteArray& bytes);
// Encodes `text` in `encoding`, or in UTF-8 when a Windows-1252 file cannot hold it.
QByteArray encodeProfile(const QString& text, ProfileEncoding encoding);

}  // namespace tvx
