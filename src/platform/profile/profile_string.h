#pragma once
// The profile-string functions the add-in reads its settings file with, with
// the platform's return values and truncation rules (see profile_buffer.h) and
// its reading rules (see ini_document.h).
//
// An absent argument (std::nullopt) is the platform's "no string"; an empty
// text is a string like any other.
//
// File names: '\' and '/' both separate folders. A name with no folder part is
// looked up in, and created in, the Windows directory (setWindowsDirectory),
// which is the current directory unless set. An empty name names no file:
// reads give the default and writes fail.
//
// Encoding: see profile_encoding.h. New files are written in Windows-1252, the
// code page the platform's ANSI functions use for Western languages.
#include <QString>
#include <cstdint>
#include <optional>

namespace tvx {

using ProfileArg = std::optional<QString>;
inline constexpr std::nullopt_t NoString = std::nullopt;

// Reads into `returnedString` (see profile_buffer.h):
// - appName absent: the names of all sections, as a list;
// - keyName absent: the entry names of the section, as a list (the default when
//   there are none);
// - otherwise the entry's value, without one pair of enclosing " or ' quotes.
// A missing file, section or entry, or an empty keyName, gives the default
// (absent: ""), trailing spaces removed.
std::uint32_t GetPrivateProfileStringA(const ProfileArg& appName, const ProfileArg& keyName,
                                       const ProfileArg& defaultText, QString& returnedString, std::uint32_t size,
                                       const QString& fileName);

// Writes `string` as the entry's value, creating file and section when missing.
// string absent: removes the entry (success even when it was not there);
// keyName absent: removes the whole section. appName absent: failure.
// Names and values holding a line break are refused (they would add lines to
// the file), as is a key name holding '=', and an entry whose line would read
// as a comment or a section header (a key starting with ';', or with '[' and a
// ']' after it, "[=x]").
// Answers non-zero on success, 0 on failure; other lines are kept as they are.
std::int32_t WritePrivateProfileStringA(const ProfileArg& appName, const ProfileArg& keyName, const ProfileArg& string,
                                        const QString& fileName);

void setWindowsDirectory(const QString& folder);
QString windowsDirectory();
// The path a profile file name stands for (empty for an empty name).
QString resolveProfilePath(const QString& fileName);

}  // namespace tvx
