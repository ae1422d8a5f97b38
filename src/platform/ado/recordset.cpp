#include "platform/ado/recordset.h"

#include "platform/ado/ado_errors.h"
#include "platform/ado/field_value.h"

#include <algorithm>

namespace tvx::ado {

Recordset::Recordset() : fields_(*this) {}

void Recordset::requireOpen() const {
    if (!open_) raise(err::ObjectClosed);
}

bool Recordset::hasCurrent() const { return !currentDeleted_ && cursor_ >= 0 && cursor_ < int(view_.size()); }

RowId Recordset::currentRow() const {
    requireOpen();
    if (!hasCurrent()) raise(err::NoCurrentRecord);
    return view_[std::size_t(cursor_)];
}

int Recordset::columnIndex(const QString& name) const {
    const int index = fields_.indexOf(name);
    if (index < 0) raise(err::ItemNotFound, kFieldsSource);
    return index;
}

void Recordset::checkColumn(int index) const {
    if (index < 0 || index >= fields_.Count()) raise(err::ItemNotFound, kFieldsSource);
}

// --- values

Variant Recordset::value(const QString& name) const { return value(columnIndex(name)); }

Variant Recordset::value(int index) const {
    checkColumn(index);
    return store_.at(currentRow(), index);
}

void Recordset::setValue(const QString& name, const Variant& v) { setValue(columnIndex(name), v); }

void Recordset::setValue(int index, const Variant& v) {
    checkColumn(index);
    const RowId row = currentRow();
    Variant stored = coerceForField(fields_.infos()[std::size_t(index)], v);
    if (editMode_ == adEditNone) {
        editBefore_ = store_.values(row);
        editMode_ = adEditInProgress;
    }
    store_.set(row, index, stored);
}

// --- opening and closing

void Recordset::Open(const QString& source, const QString& activeConnection, int cursorType, int lockType,
                     int options) {
    if (open_) raise(err::ObjectOpen);
    const QString path = source.isEmpty() ? source_ : source;
    cursorType_ = cursorType == adOpenUnspecified ? adOpenStatic : cursorType;
    lockType_ = lockType == adLockUnspecified ? adLockBatchOptimistic : lockType;
    if (path.isEmpty()) {
        if (fields_.infos_.empty()) raise(err::ConnectionUnusable);
        RowStore rows(fields_.Count());
        install(fields_.infos_, std::move(rows), QString());
        return;
    }
    const bool persisted = activeConnection.contains(QLatin1String("MSPersist"), Qt::CaseInsensitive) ||
                           (options != adCmdUnspecified && (options & adCmdFile));
    if (!persisted) raise(err::ConnectionUnusable);
    openFile(path);
}

void Recordset::openRows(std::vector<FieldInfo> fields, std::vector<Variant> cells, const QString& source) {
    if (open_) raise(err::ObjectOpen);
    if (fields.empty() || cells.size() % fields.size() != 0) raise(err::BadArguments);
    cursorType_ = adOpenStatic;
    lockType_ = adLockBatchOptimistic;
    const int columns = int(fields.size());
    install(std::move(fields), RowStore(columns, std::move(cells)), source);
}

void Recordset::install(std::vector<FieldInfo> fields, RowStore rows, const QString& source) {
    fields_.infos_ = std::move(fields);
    store_ = std::move(rows);
    source_ = source;
    filterText_.clear();
    filter_.reset();
    sortText_.clear();
    sortKeys_.clear();
    editMode_ = adEditNone;
    open_ = true;
    rebuildView();
}

void Recordset::Close() {
    requireOpen();
    open_ = false;
    fields_.infos_.clear();
    store_ = RowStore();
    view_.clear();
    filter_.reset();
    filterText_.clear();
    sortKeys_.clear();
    sortText_.clear();
    editMode_ = adEditNone;
    editBefore_.clear();
    cursor_ = 0;
    currentDeleted_ = false;
}

void Recordset::setSource(const QString& source) {
    if (open_) raise(err::ObjectOpen);
    source_ = source;
}

// --- editing

void Recordset::AddNew() {
    requireOpen();
    finishEdit();
    cursorBeforeAdd_ = cursor_;
    const RowId row = store_.appendRow(RowStatus::Added);
    view_.push_back(row);
    cursor_ = int(view_.size()) - 1;
    currentDeleted_ = false;
    editMode_ = adEditAdd;
}

void Recordset::finishEdit() {
    if (editMode_ != adEditNone) Update();
}

void Recordset::Update() {
    requireOpen();
    if (editMode_ == adEditNone) return;
    const RowId row = view_[std::size_t(cursor_)];
    if (editMode_ == adEditAdd) {
        // Fields never assigned hold Null once the row is stored.
        for (int c = 0; c < store_.columnCount(); ++c)
            if (store_.isEmpty(row, c)) store_.set(row, c, Variant::null());
    } else {
        const auto now = store_.values(row);
        if (!std::equal(now.begin(), now.end(), editBefore_.begin(), editBefore_.end()))
            store_.markEdited(row, std::move(editBefore_));
    }
    editBefore_.clear();
    editMode_ = adEditNone;
}

void Recordset::CancelUpdate() {
    requireOpen();
    if (editMode_ == adEditAdd) {
        store_.removeLastRow();
        view_.pop_back();
        cursor_ = std::min(cursorBeforeAdd_, int(view_.size()));
    } else if (editMode_ == adEditInProgress) {
        store_.setValues(view_[std::size_t(cursor_)], editBefore_);
    }
    editBefore_.clear();
    editMode_ = adEditNone;
}

void Recordset::Delete() {
    currentRow();
    finishEdit();
    store_.markDeleted(view_[std::size_t(cursor_)]);
    view_.erase(view_.begin() + cursor_);
    currentDeleted_ = true;
}

// --- write-back

std::vector<Recordset::PendingChange> Recordset::pendingChanges() {
    requireOpen();
    finishEdit();
    std::vector<PendingChange> changes;
    for (RowId row = 0; row < store_.rowCount(); ++row) {
        const RowStatus s = store_.status(row);
        if (s == RowStatus::Added || s == RowStatus::Modified)
            changes.push_back({s, row, store_.values(row), store_.original(row)});
        else if (s == RowStatus::Deleted)
            changes.push_back(
                {s, row, {store_.original(row).begin(), store_.original(row).end()}, store_.original(row)});
    }
    return changes;
}

void Recordset::setStoredValue(RowId row, int column, const Variant& v) {
    requireOpen();
    checkColumn(column);
    if (row >= store_.rowCount()) raise(err::BadArguments);
    store_.set(row, column, v);
}

void Recordset::acceptChanges() {
    requireOpen();
    finishEdit();
    store_.acceptChanges();
}

}  // namespace tvx::ado
