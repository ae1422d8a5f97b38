#pragma once
// Sort expressions: "Field [ASC|DESC], Field [ASC|DESC], ...".
#include "platform/ado/field_info.h"
#include "platform/ado/row_store.h"

#include <QString>
#include <vector>

namespace tvx::ado {

struct SortKey {
    int column = 0;
    bool descending = false;
};

// Raises 3265 for a field that `fields` does not have and 3001 for an empty
// item. Names may be bracketed; the keyword is optional (ascending).
std::vector<SortKey> parseSortKeys(const QString& text, const std::vector<FieldInfo>& fields);

// Orders `rows` by `keys`, keeping the given order among equal rows. Null
// comes first in ascending order, texts compare without regard to case.
void sortRows(std::vector<RowId>& rows, const RowStore& store, const std::vector<SortKey>& keys);

}  // namespace tvx::ado
