#pragma once
// The Fields collection of a record set and its Field items.
#include "platform/ado/field_info.h"
#include "platform/automation/variant.h"

#include <QString>
#include <vector>

namespace tvx::ado {

class Recordset;

// One column of a record set, seen from its current row. A handle: valid as
// long as the record set keeps its fields (until Close).
class Field {
public:
    const QString& Name() const { return info().name; }
    DataType Type() const { return info().type; }
    int DefinedSize() const { return info().definedSize; }
    int Attributes() const { return info().attributes; }
    int Precision() const { return info().precision; }
    int NumericScale() const { return info().numericScale; }
    const FieldInfo& info() const;

    // The value in the current row; 3021 when there is none.
    Variant Value() const;
    void setValue(const Variant& value);

private:
    friend class Fields;
    Field(Recordset& owner, int index) : owner_(&owner), index_(index) {}
    Recordset* owner_;
    int index_;
};

class Fields {
public:
    // Defines a new field of a record set being built (only while it is
    // closed: 3219 otherwise). A name already there raises 3367, an unknown
    // type 3001.
    void Append(const QString& name, int type, int definedSize = 0, int attributes = adFldUnspecified);
    int Count() const { return int(infos_.size()); }
    // By 0-based position or by name without regard to case; 3265 when absent.
    Field Item(int index) const;
    Field Item(const QString& name) const;

    // Position of the first field named `name`, or -1.
    int indexOf(QStringView name) const { return findField(infos_, name); }
    const std::vector<FieldInfo>& infos() const { return infos_; }

private:
    friend class Recordset;
    explicit Fields(Recordset& owner) : owner_(owner) {}
    Recordset& owner_;
    std::vector<FieldInfo> infos_;
};

}  // namespace tvx::ado
