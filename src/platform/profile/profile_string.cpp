#include "platform/profile/profile_string.h"

#include "platform/profile/ini_document.h"
#include "platform/profile/profile_buffer.h"
#include "platform/profile/profile_encoding.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace tvx {
namespace {

QString& windowsDirectorySetting() {
    static QString folder;
    return folder;
}

struct ProfileFile {
    IniDocument document;
    ProfileEncoding encoding = ProfileEncoding::Windows1252;
};

// A missing file reads as an empty one; no value when the file exists but
// cannot be read (a write must then not replace it).
std::optional<ProfileFile> loadProfile(const QString& path) {
    if (path.isEmpty() || !QFile::exists(path)) return ProfileFile{};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const ProfileText decoded = decodeProfile(file.readAll());
    return ProfileFile{IniDocument::parse(decoded.text), decoded.encoding};
}

bool saveProfile(const QString& path, const ProfileFile& profile) {
    QSaveFile file(path);
    // A writable file in a read-only folder is rewritten in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = encodeProfile(profile.document.text(), profile.encoding);
    return file.write(bytes) == bytes.size() && file.commit();
}

QString withoutTrailingSpaces(QString text) {
    while (text.endsWith(u' ')) text.chop(1);
    return text;
}

QString withoutEnclosingQuotes(const QString& value) {
    const bool quoted =
        value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
    return quoted ? value.mid(1, value.size() - 2) : value;
}

bool holdsLineBreak(const ProfileArg& text) { return text && (text->contains(u'\r') || text->contains(u'\n')); }

// The line "key=value" would be read as a comment (";...") or a section header
// ("[...]...") rather than as the entry.
bool readsAsAnotherLine(const QString& key, const QString& value) {
    const QString line = key + u'=' + value;
    qsizetype first = 0;
    while (first < line.size() && (line[first] == u' ' || line[first] == u'\t')) ++first;
    if (first == line.size()) return false;
    return line[first] == u';' || (line[first] == u'[' && line.indexOf(u']', first) > first);
}

}  // namespace

std::uint32_t GetPrivateProfileStringA(const ProfileArg& appName, const ProfileArg& keyName,
                                       const ProfileArg& defaultText, QString& returnedString, std::uint32_t size,
                                       const QString& fileName) {
    if (size == 0) return 0;
    const IniDocument doc = loadProfile(resolveProfilePath(fileName)).value_or(ProfileFile{}).document;
    const QString fallback = withoutTrailingSpaces(defaultText.value_or(QString()));
    if (!appName) return copyListToBuffer(doc.sectionNames(), returnedString, size);
    if (!keyName) {
        const auto keys = doc.keyNames(*appName);
        if (keys && !keys->isEmpty()) return copyListToBuffer(*keys, returnedString, size);
        return copyTextToBuffer(fallback, returnedString, size);
    }
    const auto value = keyName->isEmpty() ? std::nullopt : doc.value(*appName, *keyName);
    return copyTextToBuffer(value ? withoutEnclosingQuotes(*value) : fallback, returnedString, size);
}

std::int32_t WritePrivateProfileStringA(const ProfileArg& appName, const ProfileArg& keyName, const ProfileArg& string,
                                        const QString& fileName) {
    if (!appName || holdsLineBreak(appName) || holdsLineBreak(keyName) || holdsLineBreak(string)) return 0;
    if (keyName && keyName->contains(u'=')) return 0;
    if (keyName && string && readsAsAnotherLine(*keyName, *string)) return 0;
    const QString path = resolveProfilePath(fileName);
    if (path.isEmpty()) return 0;
    auto profile = loadProfile(path);
    if (!profile) return 0;
    IniDocument& doc = profile->document;
    const bool changed = !keyName  ? doc.removeSection(*appName)
                         : !string ? doc.removeKey(*appName, *keyName)
                                   : doc.setValue(*appName, *keyName, *string);
    if (!changed) return 1;
    return saveProfile(path, *profile) ? 1 : 0;
}

void setWindowsDirectory(const QString& folder) { windowsDirectorySetting() = folder; }

QString windowsDirectory() {
    const QString& folder = windowsDirectorySetting();
    return folder.isEmpty() ? QDir::currentPath() : folder;
}

QString resolveProfilePath(const QString& fileName) {
    if (fileName.isEmpty()) return {};
    QString path = fileName;
    path.replace(u'\\', u'/');
    if (!path.contains(u'/')) return QDir(windowsDirectory()).filePath(path);
    return path;
}

}  // namespace tvx
