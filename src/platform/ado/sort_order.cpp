#include "platform/ado/sort_order.h"

#include "platform/ado/ado_errors.h"
#include "platform/ado/value_compare.h"

#include <algorithm>
#include <numeric>

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
    // Each row's keys made whole once, not at every comparison.
    const std::size_t n = keys.size();
    std::vector<Variant> values(rows.size() * n);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t k = 0; k < n; ++k) values[i * n + k] = store.at(rows[i], keys[k].column);
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        for (std::size_t k = 0; k < n; ++k) {
            const int c = compareForSort(values[a * n + k], values[b * n + k]);
            if (c != 0) return keys[k].descending ? c > 0 : c < 0;
        }
        return false;
    });
    std::vector<RowId> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t i : order) sorted.push_back(rows[i]);
    rows = std::move(sorted);
}

}  // namespace tvx::ado
