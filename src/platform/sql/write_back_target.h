#pragma once
// The table a record set writes its pending changes back to, whatever the
// database: the one base table its fields come from, its columns among the
// fields, and its primary key fields.
#include "platform/ado/field_info.h"

#include <QString>
#include <vector>

namespace tvx::sql {

struct WriteBackTarget {
    QString table;
    std::vector<int> columns;  // fields of the table
    std::vector<int> keys;     // its primary key fields
};

// Raises when the fields come from no table or from more than one.
WriteBackTarget writeBackTargetOf(const std::vector<ado::FieldInfo>& fields);

}  // namespace tvx::sql
