#pragma once
// Writing a record set in the platform's rowset XML persistence format.
#include "platform/ado/field_info.h"
#include "platform/ado/row_store.h"

#include <QByteArray>
#include <span>
#include <vector>

namespace tvx::ado {

// The whole document for `rows` (ids into `store`, written in that order) as
// UTF-8: schema, then the rows, added ones inside <rs:insert>, modified ones
// inside <rs:update> with their original values, deleted ones inside <rs:delete>.
QByteArray rowsetXml(const std::vector<FieldInfo>& fields, const RowStore& store, std::span<const RowId> rows);

}  // namespace tvx::ado
