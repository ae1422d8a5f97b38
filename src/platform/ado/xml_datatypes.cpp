#include "platform/ado/xml_datatypes.h"

namespace tvx::ado {

namespace {

struct XmlType {
    DataType type;
    const char16_t* dtType;
    const char16_t* dbType;  // empty when the platform writes none
};

// Written as listed; read back by dt:type and rs:dbtype together.
constexpr XmlType kXmlTypes[] = {
    {adInteger, u"int", u""},
    {adSmallInt, u"i2", u""},
    {adBigInt, u"i8", u""},
    {adTinyInt, u"i1", u""},
    {adUnsignedTinyInt, u"ui1", u""},
    {adUnsignedSmallInt, u"ui2", u""},
    {adUnsignedInt, u"ui4", u""},
    {adUnsignedBigInt, u"ui8", u""},
    {adDouble, u"float", u""},
    {adSingle, u"r4", u""},
    {adCurrency, u"number", u"currency"},
    {adDecimal, u"number", u"decimal"},
    {adNumeric, u"number", u"numeric"},
    {adDate, u"dateTime", u"variantdate"},
    {adDBTimeStamp, u"dateTime", u"timestamp"},
    {adDBDate, u"date", u""},
    {adBoolean, u"boolean", u""},
    {adVarChar, u"string", u"str"},
    {adChar, u"string", u"str"},
    {adLongVarChar, u"string", u"str"},
    {adVarWChar, u"string", u""},
    {adWChar, u"string", u""},
    {adLongVarWChar, u"string", u""},
};

// Type names other writers use for the same columns.
constexpr XmlType kSynonyms[] = {
    {adInteger, u"i4", u""},
    {adDouble, u"r8", u""},
    {adNumeric, u"number", u""},
    {adDBTimeStamp, u"dateTime", u""},
    {adDBTimeStamp, u"dateTime.tz", u""},
};

const XmlType& xmlTypeOf(DataType type) {
    static constexpr XmlType kText{adVarWChar, u"string", u""};
    for (const auto& t : kXmlTypes)
        if (t.type == type) return t;
    return kText;
}

bool hasScale(DataType type) { return type == adNumeric || type == adDecimal || type == adDBTimeStamp; }

QString quoted(const char* name, const QString& value) {
    return QLatin1Char(' ') + QLatin1String(name) + QLatin1String("='") + value + QLatin1Char('\'');
}

DataType textType(const XmlDatatype& d) {
    const bool narrow = d.dbType.compare(u"str", Qt::CaseInsensitive) == 0;
    if (d.isLong) return narrow ? adLongVarChar : adLongVarWChar;
    if (d.fixedLength) return narrow ? adChar : adWChar;
    return narrow ? adVarChar : adVarWChar;
}

}  // namespace

QString datatypeAttributes(const FieldInfo& f) {
    const XmlType& t = xmlTypeOf(f.type);
    QString s = QStringLiteral("dt:type='") + QString::fromUtf16(t.dtType) + QLatin1Char('\'');
    if (t.dbType[0] != 0) s += quoted("rs:dbtype", QString::fromUtf16(t.dbType));
    if (f.definedSize > 0) s += quoted("dt:maxLength", QString::number(f.definedSize));
    if (hasScale(f.type)) s += quoted("rs:scale", QString::number(f.numericScale));
    s += quoted("rs:precision", QString::number(f.precision));
    if (isFixedLengthType(f.type) || (f.attributes & adFldFixed)) s += QStringLiteral(" rs:fixedlength='true'");
    if (isLongType(f.type) || (f.attributes & adFldLong)) s += QStringLiteral(" rs:long='true'");
    if (!(f.attributes & adFldMayBeNull)) s += QStringLiteral(" rs:maybenull='false'");
    return s;
}

DataType typeFromXml(const XmlDatatype& d) {
    if (d.dtType.isEmpty() || d.dtType.compare(u"string", Qt::CaseInsensitive) == 0) return textType(d);
    const XmlType* byNameOnly = nullptr;
    for (const auto& t : kXmlTypes) {
        if (d.dtType.compare(QStringView(t.dtType), Qt::CaseInsensitive) != 0) continue;
        if (d.dbType.compare(QStringView(t.dbType), Qt::CaseInsensitive) == 0) return t.type;
        if (!byNameOnly) byNameOnly = &t;
    }
    // An rs:dbtype we do not know: a synonym, else the first type of that name.
    for (const auto& t : kSynonyms)
        if (d.dtType.compare(QStringView(t.dtType), Qt::CaseInsensitive) == 0) return t.type;
    if (byNameOnly) return byNameOnly->type;
    return textType(d);  // binary, uuid and the like are kept as their text
}

}  // namespace tvx::ado
