#include "platform/ado/row_store.h"

namespace tvx::ado {

RowStore::RowStore(int columnCount, std::vector<Variant> cells)
    : columns_(columnCount),
      cells_(columnCount),
      status_(columnCount > 0 ? cells.size() / std::size_t(columnCount) : 0, RowStatus::Unchanged) {
    cells_.resize(status_.size() * std::size_t(columns_));
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        cells_.set(i, int(i % std::size_t(columns_)), cells[i]);
        cells[i] = Variant();  // the whole value goes as soon as it is packed
    }
}

std::vector<Variant> RowStore::values(RowId row) const {
    std::vector<Variant> out;
    out.reserve(std::size_t(columns_));
    for (int c = 0; c < columns_; ++c) out.push_back(at(row, c));
    return out;
}

void RowStore::setValues(RowId row, std::span<const Variant> values) {
    for (int c = 0; c < columns_ && std::size_t(c) < values.size(); ++c) set(row, c, values[std::size_t(c)]);
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
        case RowStatus::Unchanged:
            originals_[row] = values(row);
            status_[row] = RowStatus::Deleted;
            break;
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
