#pragma once
// What a record set knows about one column: its name, type, size and
// attribute flags, plus where a database adapter says the column comes from.
#include "platform/ado/ado_enums.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace tvx::ado {

struct FieldInfo {
    QString name;
    DataType type = adVarWChar;
    int definedSize = 0;  // characters for texts, bytes for fixed types
    int attributes = 0;   // FieldAttribute flags, already resolved
    int precision = 0;
    int numericScale = 0;
    // Origin of the column, for writing changes back to a database.
    QString baseTable;
    QString baseColumn;
    bool autoIncrement = false;

    bool isKeyColumn() const { return (attributes & adFldKeyColumn) != 0; }
};

// How values of a column are held in memory.
enum class ValueKind { Text, SmallInt, Long, BigInt, Real, Money, Date, Boolean };

bool isKnownType(int type);
ValueKind valueKindOf(DataType type);
// The byte size of a fixed-size type, 0 for texts.
int fixedSizeOf(DataType type);
bool isLongType(DataType type);
// Fixed-size types and the fixed-length texts.
bool isFixedLengthType(DataType type);

// A field with exactly these properties (how a database adapter describes its columns).
FieldInfo fieldOf(const QString& name, DataType type, int definedSize, int attributes);

// A field as Fields.Append defines it: fixed types take their own size, and
// the flags of an appended field always include "updatable" (and "fixed" for
// fixed-size types); adFldUnspecified derives everything from the type.
FieldInfo appendedField(const QString& name, DataType type, int definedSize, int attributes);

// Index of the first field named `name` (without regard to case), or -1.
int findField(const std::vector<FieldInfo>& fields, QStringView name);

}  // namespace tvx::ado
