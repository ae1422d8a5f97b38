#include "platform/ado/row_store.h"

namespace tvx::ado {

RowStore::RowStore(int columnCount, std::vector<Variant> cells)
    : columns_(columnCount),
      cells_(std::move(cells)),
      status_(columnCount > 0 ? cells_.size() / std::size_t(columnCount) : 0, RowStatus::Unchanged) {
    cells_.resize(status_.size() * std::size_t(columns_));
}

std::span<const Variant> RowStore::original(RowId row) const {
    const auto it = originals_.find(row);
    if (it == originals_.end()) return {};
    return it->second;
}

RowId RowStore::appendRow(RowStatus status) {
    cells_.resize(cells_.size() + std::size_t(columns_));
    status_.push_back(status);
    return RowId(status_.size() - 1);
}

void RowStore::reserveRows(std::size_t rows) {
    cells_.reserve(rows * std::size_t(columns_));
    status_.reserve(rows);
}

void RowStore::removeLastRow() {
    if (status_.empty()) return;
    originals_.erase(RowId(status_.size() - 1));
    status_.pop_back();
    cells_.resize(status_.size() * std::size_t(columns_));
}

void RowStore::markEdited(RowId row, std::vector<Variant> before) {
    if (status_[row] != RowStatus::Unchanged) return;
    status_[row] = RowStatus::Modified;
    originals_[row] = std::move(before);
}

void RowStore::markModified(RowId row, std::vector<Variant> original) {
    status_[row] = RowStatus::Modified;
    originals_[row] = std::move(original);
}

void RowStore::markDeleted(RowId row) {
    switch (status_[row]) {
        case RowStatus::Added:
            status_[row] = RowStatus::Discarded;
            break;
        case RowStatus::Unchanged: {
            const auto v = values(row);
            originals_[row] = std::vector<Variant>(v.begin(), v.end());
            status_[row] = RowStatus::Deleted;
            break;
        }
        case RowStatus::Modified:
            status_[row] = RowStatus::Deleted;
            break;
        case RowStatus::Deleted:
        case RowStatus::Discarded:
            break;
    }
}

void RowStore::acceptChanges() {
    for (auto& s : status_) {
        if (s == RowStatus::Added || s == RowStatus::Modified)
            s = RowStatus::Unchanged;
        else if (s == RowStatus::Deleted)
            s = RowStatus::Discarded;
    }
    originals_.clear();
}

}  // namespace tvx::ado
