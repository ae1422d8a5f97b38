#include "platform/ado/field_info.h"

namespace tvx::ado {

namespace {

struct TypeTraits {
    DataType type;
    ValueKind kind;
    int fixedSize;  // 0 for texts
};

constexpr TypeTraits kTypes[] = {
    {adSmallInt, ValueKind::SmallInt, 2},
    {adInteger, ValueKind::Long, 4},
    {adSingle, ValueKind::Real, 4},
    {adDouble, ValueKind::Real, 8},
    {adCurrency, ValueKind::Money, 8},
    {adDate, ValueKind::Date, 16},
    {adBoolean, ValueKind::Boolean, 2},
    {adDecimal, ValueKind::Real, 19},
    {adTinyInt, ValueKind::SmallInt, 1},
    {adUnsignedTinyInt, ValueKind::SmallInt, 1},
    {adUnsignedSmallInt, ValueKind::Long, 2},
    {adUnsignedInt, ValueKind::BigInt, 4},
    {adBigInt, ValueKind::BigInt, 8},
    {adUnsignedBigInt, ValueKind::BigInt, 8},
    {adChar, ValueKind::Text, 0},
    {adWChar, ValueKind::Text, 0},
    {adNumeric, ValueKind::Real, 19},
    {adDBDate, ValueKind::Date, 6},
    {adDBTimeStamp, ValueKind::Date, 16},
    {adVarChar, ValueKind::Text, 0},
    {adLongVarChar, ValueKind::Text, 0},
    {adVarWChar, ValueKind::Text, 0},
    {adLongVarWChar, ValueKind::Text, 0},
};

const TypeTraits* traitsOf(int type) {
    for (const auto& t : kTypes)
        if (t.type == type) return &t;
    return nullptr;
}

}  // namespace

bool isKnownType(int type) { return traitsOf(type) != nullptr; }

ValueKind valueKindOf(DataType type) {
    const auto* t = traitsOf(type);
    return t ? t->kind : ValueKind::Text;
}

int fixedSizeOf(DataType type) {
    const auto* t = traitsOf(type);
    return t ? t->fixedSize : 0;
}

bool isLongType(DataType type) { return type == adLongVarChar || type == adLongVarWChar; }

bool isFixedLengthType(DataType type) { return fixedSizeOf(type) > 0 || type == adChar || type == adWChar; }

FieldInfo fieldOf(const QString& name, DataType type, int definedSize, int attributes) {
    FieldInfo f;
    f.name = name;
    f.type = type;
    f.definedSize = definedSize;
    f.attributes = attributes;
    return f;
}

FieldInfo appendedField(const QString& name, DataType type, int definedSize, int attributes) {
    const int fixed = fixedSizeOf(type);
    FieldInfo f = fieldOf(name, type, fixed > 0 ? fixed : definedSize,
                          (attributes == adFldUnspecified ? 0 : attributes) | adFldUpdatable);
    if (isFixedLengthType(type)) f.attributes |= adFldFixed;
    if (isLongType(type)) f.attributes |= adFldLong;
    return f;
}

int findField(const std::vector<FieldInfo>& fields, QStringView name) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (QStringView(fields[i].name).compare(name, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

}  // namespace tvx::ado
