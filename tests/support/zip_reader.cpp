#include "support/zip_reader.h"

#include <zlib.h>
#include <QFile>

#include <cstdint>
#include <vector>

namespace tvx::testing {

namespace {

constexpr std::uint32_t EndOfDirectorySig = 0x06054b50;
constexpr std::uint32_t DirectoryEntrySig = 0x02014b50;
constexpr std::uint32_t LocalHeaderSig = 0x04034b50;

std::uint32_t le(const QByteArray& b, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | std::uint8_t(b[at + i]);
    return v;
}

struct Entry {
    QString name;
    std::uint32_t method, compressed, size, localOffset;
};

std::vector<Entry> directory(const QByteArray& zip) {
    std::vector<Entry> entries;
    qsizetype end = zip.size() - 22;
    while (end >= 0 && le(zip, end, 4) != EndOfDirectorySig) --end;
    if (end < 0) return entries;
    const auto count = le(zip, end + 10, 2);
    qsizetype at = le(zip, end + 16, 4);
    for (std::uint32_t i = 0; i < count && at + 46 <= zip.size() && le(zip, at, 4) == DirectoryEntrySig; ++i) {
        const auto nameLen = le(zip, at + 28, 2), extraLen = le(zip, at + 30, 2), commentLen = le(zip, at + 32, 2);
        entries.push_back({QString::fromUtf8(zip.mid(at + 46, nameLen)), le(zip, at + 10, 2), le(zip, at + 20, 4),
                           le(zip, at + 24, 4), le(zip, at + 42, 4)});
        at += 46 + nameLen + extraLen + commentLen;
    }
    return entries;
}

std::optional<QByteArray> inflateRaw(const QByteArray& packed, std::uint32_t size) {
    QByteArray out(qsizetype(size), '\0');
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return std::nullopt;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = uInt(packed.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    const int rc = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    if (rc != Z_STREAM_END) return std::nullopt;
    return out;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

QStringList zipMemberNames(const QString& archivePath) {
    QStringList names;
    for (const auto& e : directory(readAll(archivePath))) names.append(e.name);
    return names;
}

std::optional<QByteArray> zipMember(const QString& archivePath, const QString& member) {
    const QByteArray zip = readAll(archivePath);
    for (const auto& e : directory(zip)) {
        if (e.name != member) continue;
        const qsizetype at = e.localOffset;
        if (at + 30 > zip.size() || le(zip, at, 4) != LocalHeaderSig) return std::nullopt;
        const qsizetype data = at + 30 + le(zip, at + 26, 2) + le(zip, at + 28, 2);
        const QByteArray packed = zip.mid(data, e.compressed);
        if (e.method == 0) return packed;
        if (e.method == 8) return inflateRaw(packed, e.size);
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace tvx::testing
