#pragma once
// The cells of a record set's rows, packed: per cell a one-byte type and a
// four-byte value. Integers and booleans are kept in the value itself;
// doubles, currency and dates in a side table of eight-byte values; texts in
// one byte block (one byte a character when every character fits, else two),
// a text equal to one of a column's last few short texts sharing its bytes
// (a log's "OK", "ERRO", an empty text); objects in a side table. Everything
// grows in blocks that are never moved, so a growing store never holds two
// copies at once. A log of a million rows so costs tens of bytes a row, where
// whole values cost hundreds. The bytes of a text that is overwritten stay
// until the store goes.
#include "platform/automation/variant.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace tvx::ado {

class PackedCells {
public:
    explicit PackedCells(int columnCount = 0) : recent_(std::size_t(columnCount > 0 ? columnCount : 0)) {}

    std::size_t size() const { return types_.size(); }
    // New cells are Empty.
    void resize(std::size_t cells);

    Variant get(std::size_t cell) const;
    bool isEmpty(std::size_t cell) const { return types_[cell] == std::uint8_t(VarType::Empty); }
    // `column` picks the texts an equal text may share.
    void set(std::size_t cell, int column, const Variant& v);

private:
    // The last short texts stored in one column, with where their bytes are.
    struct Recent {
        static constexpr std::size_t Size = 4;
        std::array<QString, Size> texts;
        std::array<std::uint32_t, Size> offsets{};
        std::size_t next = 0;
    };

    std::uint32_t wide(std::size_t cell, std::uint64_t bits);
    std::uint32_t text(int column, const QString& s);
    QString textAt(std::uint32_t offset) const;
    // The texts' bytes, in blocks of BlockSize: a text may span two.
    static constexpr std::size_t BlockSize = std::size_t(1) << 20;
    void appendBytes(const void* data, std::size_t size);
    void readBytes(std::size_t offset, void* out, std::size_t size) const;

    std::deque<std::uint8_t> types_;    // VarType of each cell
    std::deque<std::uint32_t> values_;  // the value, or where it is
    std::deque<std::uint64_t> wide_;    // doubles, currency, dates
    std::deque<ObjectRef> objects_;
    std::vector<std::unique_ptr<char[]>> blocks_;  // texts: a length word, then the characters
    std::size_t bytes_ = 0;                        // bytes used in the blocks
    std::vector<Recent> recent_;                   // per column
};

}  // namespace tvx::ado
