#pragma once
// Reading a rowset XML file (the platform's persistence format).
#include "platform/ado/field_info.h"
#include "platform/ado/row_store.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace tvx::ado {

struct LoadedRowset {
    std::vector<FieldInfo> fields;
    RowStore rows;
};

// Reads either schema layout (column types inside the row's ElementType, or
// referenced by <s:attribute> and defined beside it), plain rows and the
// pending blocks <rs:insert>, <rs:update> and <rs:delete>. A missing value
// is Null. Any fault raises an error naming `path` and the problem.
LoadedRowset readRowsetXml(const QByteArray& document, const QString& path);
LoadedRowset readRowsetFile(const QString& path);

}  // namespace tvx::ado
