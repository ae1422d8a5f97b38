#pragma once
// Reads one member of a zip archive (an .xlsx workbook), so tests can look
// inside the files the spreadsheet export writes.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tvx::testing {

// The member names, in the central directory's order; empty when the file
// is not a readable zip archive.
QStringList zipMemberNames(const QString& archivePath);
// The uncompressed bytes of `member`; nullopt when absent or unreadable.
std::optional<QByteArray> zipMember(const QString& archivePath, const QString& member);

}  // namespace tvx::testing
