#include "platform/ado/sort_order.h"

#include "platform/ado/ado_errors.h"
#include "platform/ado/value_compare.h"

#include <algorithm>

namespace tvx::ado {

namespace {

// Splits "Name DESC" into the name and the direction.
SortKey parseKey(QStringView item, const std::vector<FieldInfo>& fields) {
    SortKey key;
    item = item.trimmed();
    const qsizetype blank = item.lastIndexOf(u' ');
    if (blank > 0) {
        const QStringView word = item.mid(blank + 1);
        const bool asc = word.compare(u"ASC", Qt::CaseInsensitive) == 0;
        const bool desc = word.compare(u"DESC", Qt::CaseInsensitive) == 0;
        if (asc || desc) {
            key.descending = desc;
            item = item.left(blank).trimmed();
        }
    }
    if (item.size() >= 2 && item.front() == u'[' && item.back() == u']') item = item.mid(1, item.size() - 2);
    if (item.isEmpty()) raise(err::BadArguments);
    key.column = findField(fields, item);
    if (key.column < 0) raise(err::ItemNotFound);
    return key;
}

}  // namespace

std::vector<SortKey> parseSortKeys(const QString& text, const std::vector<FieldInfo>& fields) {
    std::vector<SortKey> keys;
    if (text.trimmed().isEmpty()) return keys;
    for (const QStringView item : QStringView(text).split(u',')) keys.push_back(parseKey(item, fields));
    return keys;
}

void sortRows(std::vector<RowId>& rows, const RowStore& store, const std::vector<SortKey>& keys) {
    if (keys.empty()) return;
    std::stable_sort(rows.begin(), rows.end(), [&](RowId a, RowId b) {
        for (const auto& k : keys) {
            const int c = compareForSort(store.at(a, k.column), store.at(b, k.column));
            if (c != 0) return k.descending ? c > 0 : c < 0;
        }
        return false;
    });
}

}  // namespace tvx::ado
