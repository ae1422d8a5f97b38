// The profile-string functions over a settings file of any bytes. Properties:
// a read never gives more than the caller's buffer holds (its answer counts
// what it copied); a value written then read gives the same value, and the
// file's other sections and entries read as before (or the write is refused
// and the file left alone).
#include "fuzz_check.h"
#include "platform/profile/profile_string.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace tvx {
namespace {

const QString& profilePath() {
    static const QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("BRISKO.FUZZ"));
    return path;
}

constexpr std::uint32_t kSizes[] = {1, 2, 5, 64};
constexpr std::uint32_t kWhole = 1u << 20;  // holds any answer of these inputs

// A read into a buffer that holds any answer (and, when `sizes`, into short ones too).
QString read(const ProfileArg& section, const ProfileArg& key, const ProfileArg& fallback, bool list,
             bool sizes = false) {
    QString whole;
    const std::uint32_t n = GetPrivateProfileStringA(section, key, fallback, whole, kWhole, profilePath());
    TVX_FUZZ_CHECK(whole.size() == qsizetype(n) + 1 && whole.back() == QChar(u'\0') &&
                       (!list || n == 0 || whole[n - 1] == QChar(u'\0')),
                   "the answer counts the characters copied, a list ends each name with a NUL", whole);
    if (!sizes) return whole.left(qsizetype(n));
    for (const std::uint32_t size : kSizes) {
        QString buffer;
        const std::uint32_t copied = GetPrivateProfileStringA(section, key, fallback, buffer, size, profilePath());
        TVX_FUZZ_CHECK(qsizetype(buffer.size()) <= qsizetype(size) && copied < size,
                       "a read never gives more than the buffer holds",
                       QStringLiteral("size %1, copied %2, buffer %3").arg(size).arg(copied).arg(buffer.size()));
        fuzz::check(whole.startsWith(buffer.left(qsizetype(copied))), "a short buffer holds the start of the answer");
    }
    return whole.left(qsizetype(n));
}

QByteArray fileBytes() {
    QFile file(profilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList names(const QString& list) { return list.split(QChar(u'\0'), Qt::SkipEmptyParts); }

// A value that reads back as written: no blanks around it, no enclosing quotes, one line.
bool readsAsWritten(const QString& value) {
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    if (value.contains(u'\r') || value.contains(u'\n') || value.contains(QChar(u'\0'))) return false;
    if (!value.isEmpty() && (blank(value.front()) || blank(value.back()))) return false;
    return !(value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front());
}

}  // namespace
}  // namespace tvx

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tvx;
    // NULs would end the names and values that the checks split lists at.
    const QByteArray bytes = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).replace('\0', ' ');
    {
        QFile::remove(profilePath());
        QFile file(profilePath());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) fuzz::fail("cannot write the file");
    }
    const QStringList sections = names(read(NoString, NoString, NoString, true, true)).mid(0, 4);
    const QString section = sections.value(0, QStringLiteral("Ligação"));
    const QStringList keys = names(read(section, NoString, NoString, true, true)).mid(0, 6);
    QStringList values;
    for (const QString& key : keys) values << read(section, key, QStringLiteral("def"), false, values.isEmpty());
    for (const QString& other : sections.mid(1)) read(other, NoString, NoString, true);

    // The value written: the input's last line, or a fixed text when that cannot read back as written.
    QString value = QString::fromUtf8(bytes).section(u'\n', -1).left(40);
    if (!readsAsWritten(value)) value = QStringLiteral("Servidor\\SQL «€»");
    const QString key = keys.value(0, QStringLiteral("Servidor"));
    const QByteArray before = fileBytes();
    if (WritePrivateProfileStringA(section, key, value, profilePath()) == 0) {
        // Refused (a line that would not read back as the entry): the file is left alone.
        fuzz::check(fileBytes() == before, "a refused write leaves the file alone");
        return 0;
    }
    TVX_FUZZ_CHECK(read(section, key, QStringLiteral("def"), false) == value, "a value written reads back the same",
                   section + u'/' + key + QStringLiteral(": ") + value);

    QStringList sectionsAfter = names(read(NoString, NoString, NoString, true)).mid(0, 4);
    if (sections.isEmpty()) sectionsAfter.removeAll(section);
    TVX_FUZZ_CHECK(sectionsAfter == sections, "a write keeps the sections",
                   sections.join(u'|') + QStringLiteral(" then ") + sectionsAfter.join(u'|'));
    for (qsizetype i = 1; i < keys.size(); ++i) {
        if (keys[i].compare(key, Qt::CaseInsensitive) == 0) continue;
        TVX_FUZZ_CHECK(read(section, keys[i], QStringLiteral("def"), false) == values[i],
                       "a write keeps the other entries", keys[i] + QStringLiteral(": ") + values[i]);
    }
    return 0;
}
