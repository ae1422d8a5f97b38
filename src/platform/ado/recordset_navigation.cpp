// Moving through a record set: the cursor, positions, Filter, Sort and Find.
#include "platform/ado/recordset.h"

#include "platform/ado/ado_errors.h"
#include "platform/automation/conversions.h"

namespace tvx::ado {

bool Recordset::Bof() const {
    requireOpen();
    return !currentDeleted_ && (view_.empty() || cursor_ < 0);
}

bool Recordset::Eof() const {
    requireOpen();
    return !currentDeleted_ && (view_.empty() || cursor_ >= int(view_.size()));
}

void Recordset::MoveFirst() {
    requireOpen();
    finishEdit();
    if (view_.empty()) raise(err::NoCurrentRecord);
    cursor_ = 0;
    currentDeleted_ = false;
}

void Recordset::MoveLast() {
    requireOpen();
    finishEdit();
    if (view_.empty()) raise(err::NoCurrentRecord);
    cursor_ = int(view_.size()) - 1;
    currentDeleted_ = false;
}

void Recordset::MoveNext() {
    if (Eof()) raise(err::NoCurrentRecord);
    finishEdit();
    // After a Delete the next row already sits at the cursor.
    if (!currentDeleted_) ++cursor_;
    currentDeleted_ = false;
}

void Recordset::MovePrevious() {
    if (Bof()) raise(err::NoCurrentRecord);
    finishEdit();
    --cursor_;
    currentDeleted_ = false;
}

int Recordset::RecordCount() const {
    requireOpen();
    return int(view_.size());
}

int Recordset::AbsolutePosition() const {
    requireOpen();
    if (view_.empty() || currentDeleted_) return adPosUnknown;
    if (cursor_ < 0) return adPosBOF;
    if (cursor_ >= int(view_.size())) return adPosEOF;
    return cursor_ + 1;
}

void Recordset::setAbsolutePosition(int position) {
    requireOpen();
    if (position < 1 || position > int(view_.size())) raise(err::BadArguments);
    finishEdit();
    cursor_ = position - 1;
    currentDeleted_ = false;
}

void Recordset::rebuildView() {
    view_.clear();
    view_.reserve(store_.rowCount());
    for (RowId row = 0; row < store_.rowCount(); ++row)
        if (store_.isLive(row)) view_.push_back(row);
    sortRows(view_, store_, sortKeys_);
    if (filter_) std::erase_if(view_, [this](RowId row) { return !filter_->matches(store_.values(row)); });
    cursor_ = 0;
    currentDeleted_ = false;
}

Variant Recordset::Filter() const {
    if (filterText_.isEmpty()) return Variant(std::int32_t(adFilterNone));
    return Variant(filterText_);
}

void Recordset::setFilter(const Variant& filter) {
    requireOpen();
    finishEdit();
    std::optional<Criteria> criteria;
    QString text;
    if (filter.type() == VarType::String) {
        text = filter.asString().trimmed();
        if (!text.isEmpty()) criteria = Criteria::parse(text, fields_.infos());
    } else if (filter.isNumeric()) {
        // Only "no filter" among the filter groups; the others select rows by pending state.
        if (CLng(filter) != adFilterNone) raise(err::NotSupported);
    } else {
        raise(err::BadArguments);
    }
    filterText_ = text;
    filter_ = std::move(criteria);
    rebuildView();
}

void Recordset::setSort(const QString& sort) {
    requireOpen();
    finishEdit();
    sortKeys_ = parseSortKeys(sort, fields_.infos());
    sortText_ = sortKeys_.empty() ? QString() : sort;
    rebuildView();
}

void Recordset::Find(const QString& criteria, int skipRows, int searchDirection) {
    requireOpen();
    finishEdit();
    const Criteria wanted = Criteria::parseSingle(criteria, fields_.infos());
    if (skipRows < 0 || (searchDirection != adSearchForward && searchDirection != adSearchBackward))
        raise(err::BadArguments);
    if (!hasCurrent()) raise(err::NoCurrentRecord);
    const int step = searchDirection;
    for (int i = cursor_ + step * skipRows; i >= 0 && i < int(view_.size()); i += step) {
        if (wanted.matches(store_.values(view_[std::size_t(i)]))) {
            cursor_ = i;
            return;
        }
    }
    cursor_ = step > 0 ? int(view_.size()) : -1;
}

}  // namespace tvx::ado
