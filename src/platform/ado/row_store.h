#pragma once
// The rows of a record set, one flat block of packed cells (packed_cells.h),
// with each row's pending state (added, modified with its original values,
// deleted) since it was opened or since the changes were last accepted.
#include "platform/ado/packed_cells.h"
#include "platform/automation/variant.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace tvx::ado {

enum class RowStatus : std::uint8_t {
    Unchanged,
    Added,
    Modified,
    Deleted,
    Discarded,  // added and deleted again, or deleted and accepted: gone for good
};

using RowId = std::uint32_t;

class RowStore {
public:
    explicit RowStore(int columnCount = 0) : columns_(columnCount), cells_(columnCount) {}
    // Rows already stored somewhere (a query result): `cells` row after row, all Unchanged.
    RowStore(int columnCount, std::vector<Variant> cells);

    int columnCount() const { return columns_; }
    std::size_t rowCount() const { return status_.size(); }

    // The row's values, each made whole again from its packed cell.
    std::vector<Variant> values(RowId row) const;
    Variant at(RowId row, int column) const { return cells_.get(offset(row) + std::size_t(column)); }
    bool isEmpty(RowId row, int column) const { return cells_.isEmpty(offset(row) + std::size_t(column)); }
    void set(RowId row, int column, const Variant& v) { cells_.set(offset(row) + std::size_t(column), column, v); }
    // `values` holds one value per column.
    void setValues(RowId row, std::span<const Variant> values);
    RowStatus status(RowId row) const { return status_[row]; }
    bool isLive(RowId row) const { return status_[row] != RowStatus::Deleted && status_[row] != RowStatus::Discarded; }

    // Values the row had when opened or last accepted (modified and deleted rows; else empty).
    std::span<const Variant> original(RowId row) const;

    // A new row of Empty cells; returns its id. Spans taken before are invalidated.
    RowId appendRow(RowStatus status);
    // Drops the last row (an addition being cancelled).
    void removeLastRow();

    // Records that `row` was edited from `before`: an unchanged row becomes
    // modified and keeps `before` as its original values.
    void markEdited(RowId row, std::vector<Variant> before);
    // A row read back as modified, with its original values.
    void markModified(RowId row, std::vector<Variant> original);
    void markDeleted(RowId row);
    // Pending changes written back: added and modified rows become unchanged,
    // deleted rows are gone.
    void acceptChanges();

private:
    std::size_t offset(RowId row) const { return std::size_t(row) * std::size_t(columns_); }

    int columns_;
    PackedCells cells_;
    std::vector<RowStatus> status_;
    std::unordered_map<RowId, std::vector<Variant>> originals_;
};

}  // namespace tvx::ado
