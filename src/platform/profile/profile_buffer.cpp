#include "platform/profile/profile_buffer.h"

namespace tvx {
namespace {
constexpr QChar kNul(u'\0');
}

std::uint32_t copyTextToBuffer(const QString& text, QString& buffer, std::uint32_t size) {
    if (size == 0) return 0;
    const qsizetype count = std::min<qsizetype>(text.size(), qsizetype(size) - 1);
    buffer = text.left(count) + kNul;
    return static_cast<std::uint32_t>(count);
}

std::uint32_t copyListToBuffer(const QStringList& names, QString& buffer, std::uint32_t size) {
    if (size == 0) return 0;
    QString list;
    for (const QString& name : names) list += name + kNul;
    if (list.size() + 1 <= qsizetype(size)) {
        buffer = list + kNul;
        return static_cast<std::uint32_t>(list.size());
    }
    if (size == 1) {
        buffer = QString(kNul);
        return 0;
    }
    buffer = list.left(qsizetype(size) - 2) + kNul + kNul;
    return size - 2;
}

}  // namespace tvx
