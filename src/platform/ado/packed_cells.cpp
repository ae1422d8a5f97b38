#include "platform/ado/packed_cells.h"

#include "platform/ado/ado_errors.h"
#include "platform/automation/currency.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace tvx::ado {

namespace {

// Shorter texts are looked for among a column's last ones before new bytes are taken.
constexpr qsizetype ShortText = 32;

bool wideType(std::uint8_t type) {
    return type == std::uint8_t(VarType::Double) || type == std::uint8_t(VarType::Currency) ||
           type == std::uint8_t(VarType::Date);
}

bool fitsOneByte(const QString& s) {
    for (const QChar c : s)
        if (c.unicode() > 0xFF) return false;
    return true;
}

}  // namespace

void PackedCells::resize(std::size_t cells) {
    types_.resize(cells, std::uint8_t(VarType::Empty));
    values_.resize(cells, 0);
}

Variant PackedCells::get(std::size_t cell) const {
    const std::uint32_t value = values_[cell];
    switch (VarType(types_[cell])) {
        case VarType::Empty:
            return {};
        case VarType::Null:
            return Variant::null();
        case VarType::Integer:
            return Variant(std::int16_t(std::int32_t(value)));
        case VarType::Long:
            return Variant(std::int32_t(value));
        case VarType::Boolean:
            return Variant(value != 0);
        case VarType::Double:
            return Variant(std::bit_cast<double>(wide_[value]));
        case VarType::Date:
            return Variant(OaDate{std::bit_cast<double>(wide_[value])});
        case VarType::Currency:
            return Variant(Currency::fromScaled(std::bit_cast<std::int64_t>(wide_[value])));
        case VarType::String:
            return Variant(textAt(value));
        case VarType::Object:
            return Variant(objects_[value]);
    }
    return {};
}

void PackedCells::set(std::size_t cell, int column, const Variant& v) {
    const std::uint8_t before = types_[cell];
    if (before == std::uint8_t(VarType::Object) && !v.isObject()) objects_[values_[cell]].reset();
    const VarType type = v.type();
    std::uint32_t value = 0;
    switch (type) {
        case VarType::Empty:
        case VarType::Null:
            break;
        case VarType::Integer:
            value = std::uint32_t(std::int32_t(v.asInteger()));
            break;
        case VarType::Long:
            value = std::uint32_t(v.asLong());
            break;
        case VarType::Boolean:
            value = v.asBool() ? 1 : 0;
            break;
        case VarType::Double:
            value = wide(cell, std::bit_cast<std::uint64_t>(v.asDouble()));
            break;
        case VarType::Date:
            value = wide(cell, std::bit_cast<std::uint64_t>(v.asDate().value));
            break;
        case VarType::Currency:
            value = wide(cell, std::bit_cast<std::uint64_t>(v.asCurrency().scaled()));
            break;
        case VarType::String:
            value = text(column, v.asString());
            break;
        case VarType::Object:
            if (before == std::uint8_t(VarType::Object)) {
                value = values_[cell];
                objects_[value] = v.asObject();
            } else {
                value = std::uint32_t(objects_.size());
                objects_.push_back(v.asObject());
            }
            break;
    }
    types_[cell] = std::uint8_t(type);
    values_[cell] = value;
}

std::uint32_t PackedCells::wide(std::size_t cell, std::uint64_t bits) {
    // A cell that held an eight-byte value keeps its slot.
    if (wideType(types_[cell])) {
        wide_[values_[cell]] = bits;
        return values_[cell];
    }
    wide_.push_back(bits);
    return std::uint32_t(wide_.size() - 1);
}

std::uint32_t PackedCells::text(int column, const QString& s) {
    Recent* recent = column >= 0 && std::size_t(column) < recent_.size() && s.size() <= ShortText
                         ? &recent_[std::size_t(column)]
                         : nullptr;
    if (recent)
        for (std::size_t i = 0; i < Recent::Size; ++i)
            if (recent->offsets[i] != 0 && recent->texts[i] == s) return recent->offsets[i];

    const bool oneByte = fitsOneByte(s);
    const std::size_t length = std::size_t(s.size()) * (oneByte ? 1 : 2);
    // Offset 0 is never a text's, so that it can mean "none" above.
    if (bytes_ == 0) appendBytes("", 1);
    if (bytes_ + sizeof(std::uint32_t) + length > std::numeric_limits<std::uint32_t>::max() ||
        std::size_t(s.size()) > (std::numeric_limits<std::uint32_t>::max() >> 1))
        raise(err::Overflow);
    const auto offset = std::uint32_t(bytes_);
    const std::uint32_t header = (std::uint32_t(s.size()) << 1) | (oneByte ? 0U : 1U);
    appendBytes(&header, sizeof header);
    if (oneByte) {
        const QByteArray latin1 = s.toLatin1();
        appendBytes(latin1.constData(), length);
    } else {
        appendBytes(s.utf16(), length);
    }
    if (recent) {
        recent->texts[recent->next] = s;
        recent->offsets[recent->next] = offset;
        recent->next = (recent->next + 1) % Recent::Size;
    }
    return offset;
}

QString PackedCells::textAt(std::uint32_t offset) const {
    std::uint32_t header = 0;
    readBytes(offset, &header, sizeof header);
    const auto size = qsizetype(header >> 1);
    const std::size_t start = offset + sizeof header;
    const std::size_t length = std::size_t(size) * ((header & 1U) == 0 ? 1 : 2);
    if (start % BlockSize + length <= BlockSize) {  // within one block (nearly every text): read in place
        const char* at = blocks_[start / BlockSize].get() + start % BlockSize;
        if ((header & 1U) == 0) return QString::fromLatin1(at, size);
        QString s(size, Qt::Uninitialized);
        std::memcpy(s.data(), at, length);
        return s;
    }
    if ((header & 1U) == 0) {
        QByteArray latin1(size, Qt::Uninitialized);
        readBytes(start, latin1.data(), std::size_t(size));
        return QString::fromLatin1(latin1);
    }
    QString s(size, Qt::Uninitialized);
    readBytes(start, s.data(), std::size_t(size) * 2);
    return s;
}

void PackedCells::appendBytes(const void* data, std::size_t size) {
    const auto* in = static_cast<const char*>(data);
    while (size > 0) {
        const std::size_t at = bytes_ % BlockSize;
        if (at == 0 && bytes_ / BlockSize == blocks_.size())
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(BlockSize));
        const std::size_t n = std::min(size, BlockSize - at);
        std::memcpy(blocks_[bytes_ / BlockSize].get() + at, in, n);
        in += n;
        size -= n;
        bytes_ += n;
    }
}

void PackedCells::readBytes(std::size_t offset, void* out, std::size_t size) const {
    auto* to = static_cast<char*>(out);
    while (size > 0) {
        const std::size_t at = offset % BlockSize;
        const std::size_t n = std::min(size, BlockSize - at);
        std::memcpy(to, blocks_[offset / BlockSize].get() + at, n);
        to += n;
        size -= n;
        offset += n;
    }
}

}  // namespace tvx::ado
