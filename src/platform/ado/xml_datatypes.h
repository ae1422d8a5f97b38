#pragma once
// Column types as rowset files describe them (<s:datatype dt:type rs:dbtype ...>).
#include "platform/ado/field_info.h"

#include <QString>
#include <QStringView>

namespace tvx::ado {

// The attributes of a column's <s:datatype/> element in the order the
// platform writes them, e.g. "dt:type='int' dt:maxLength='4' rs:precision='0'
// rs:fixedlength='true' rs:maybenull='false'" (values need no escaping).
QString datatypeAttributes(const FieldInfo& field);

// What a file says about a column's type.
struct XmlDatatype {
    QString dtType;  // empty: untyped
    QString dbType;
    bool fixedLength = false;
    bool isLong = false;
};
// The type of a column described by `d`; texts for untyped or unknown types.
DataType typeFromXml(const XmlDatatype& d);

}  // namespace tvx::ado
