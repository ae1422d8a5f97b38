#include "platform/ado/rowset_xml_reader.h"

#include "platform/ado/ado_errors.h"
#include "platform/ado/field_value.h"
#include "platform/ado/value_text.h"
#include "platform/ado/xml_datatypes.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

namespace tvx::ado {

namespace {

const QString kSchemaNs = QStringLiteral("uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882");
const QString kTypesNs = QStringLiteral("uuid:C2F41010-65B3-11d1-A29F-00AA00C14882");
const QString kRowsetNs = QStringLiteral("urn:schemas-microsoft-com:rowset");
const QString kRowNs = QStringLiteral("#RowsetSchema");

bool isTrue(QStringView v) { return v.compare(u"true", Qt::CaseInsensitive) == 0 || v == u"1" || v == u"-1"; }

// An attribute's value; a null view when it is absent.
QStringView valueOf(const QXmlStreamAttributes& a, const QString& ns, const char* name) {
    return a.value(ns, QLatin1String(name));
}

bool has(const QXmlStreamAttributes& a, const QString& ns, const char* name) { return !valueOf(a, ns, name).isNull(); }

// One column as the schema describes it.
struct SchemaColumn {
    QString xmlName;
    FieldInfo field;
    int number = 0;  // rs:number, 0 when absent
};

class Reader {
public:
    Reader(const QByteArray& document, const QString& path) : xml_(document), path_(path) {}

    LoadedRowset read() {
        if (!xml_.readNextStartElement()) fail(QStringLiteral("it holds no XML document"));
        if (xml_.name() != u"xml" || !xml_.namespaceUri().isEmpty())
            fail(QStringLiteral("it is not a rowset document (its root element is <%1>)").arg(xml_.qualifiedName()));
        bool haveSchema = false;
        while (xml_.readNextStartElement()) {
            if (is(kSchemaNs, u"Schema")) {
                if (haveSchema) fail(QStringLiteral("it has two schemas"));
                readSchema();
                haveSchema = true;
            } else if (is(kRowsetNs, u"data")) {
                if (!haveSchema) fail(QStringLiteral("its rows come before the schema"));
                readData();
            } else {
                unexpected();
            }
        }
        while (!xml_.atEnd()) xml_.readNext();
        checkXml();
        if (!haveSchema) fail(QStringLiteral("it has no rowset schema"));
        LoadedRowset result{std::move(fields_), std::move(rows_)};
        return result;
    }

private:
    [[noreturn]] void fail(const QString& problem) {
        raiseUnreadableFile(path_, QStringLiteral("%1 (line %2)").arg(problem).arg(xml_.lineNumber()));
    }

    void checkXml() {
        if (xml_.hasError()) fail(xml_.errorString());
    }

    [[noreturn]] void unexpected() {
        checkXml();
        fail(QStringLiteral("unexpected element <%1>").arg(xml_.qualifiedName()));
    }

    bool is(const QString& ns, QStringView name) const { return xml_.namespaceUri() == ns && xml_.name() == name; }

    QString attr(const char* name) const { return valueOf(xml_.attributes(), QString(), name).toString(); }

    // --- schema

    void readSchema() {
        if (attr("id") != u"RowsetSchema") fail(QStringLiteral("the schema is not RowsetSchema"));
        while (xml_.readNextStartElement()) {
            if (is(kSchemaNs, u"ElementType"))
                readElementType();
            else if (is(kSchemaNs, u"AttributeType"))
                defined_.push_back(readAttributeType());
            else
                xml_.skipCurrentElement();
        }
        checkXml();
        buildColumns();
    }

    void readElementType() {
        rowName_ = attr("name");
        while (xml_.readNextStartElement()) {
            if (is(kSchemaNs, u"AttributeType")) {
                inline_.push_back(readAttributeType());
            } else if (is(kSchemaNs, u"attribute")) {
                references_.push_back(attr("type"));
                xml_.skipCurrentElement();
            } else {
                xml_.skipCurrentElement();  // s:extends / s:Extends and anything else
            }
        }
    }

    // Datatype attributes, on <s:datatype> or on the AttributeType itself.
    void readDatatype(XmlDatatype& d, int& maxLength, SchemaColumn& c, bool& mayBeNull) const {
        const auto a = xml_.attributes();
        if (has(a, kTypesNs, "type")) d.dtType = valueOf(a, kTypesNs, "type").toString();
        if (has(a, kRowsetNs, "dbtype")) d.dbType = valueOf(a, kRowsetNs, "dbtype").toString();
        // A size that is no positive number is no size at all, as the writer leaves such a size out.
        if (const int n = valueOf(a, kTypesNs, "maxLength").toInt(); n > 0) maxLength = n;
        if (has(a, kRowsetNs, "precision")) c.field.precision = valueOf(a, kRowsetNs, "precision").toInt();
        if (has(a, kRowsetNs, "scale")) c.field.numericScale = valueOf(a, kRowsetNs, "scale").toInt();
        if (has(a, kRowsetNs, "fixedlength")) d.fixedLength = isTrue(valueOf(a, kRowsetNs, "fixedlength"));
        if (has(a, kRowsetNs, "long")) d.isLong = isTrue(valueOf(a, kRowsetNs, "long"));
        if (has(a, kRowsetNs, "maybenull")) mayBeNull = isTrue(valueOf(a, kRowsetNs, "maybenull"));
    }

    SchemaColumn readAttributeType() {
        SchemaColumn c;
        const auto a = xml_.attributes();
        c.xmlName = valueOf(a, QString(), "name").toString();
        if (c.xmlName.isEmpty()) fail(QStringLiteral("a column has no name"));
        c.field.name = has(a, kRowsetNs, "name") ? valueOf(a, kRowsetNs, "name").toString() : c.xmlName;
        c.number = valueOf(a, kRowsetNs, "number").toInt();
        int flags = 0;
        if (isTrue(valueOf(a, kRowsetNs, "nullable"))) flags |= adFldIsNullable;
        if (isTrue(valueOf(a, kRowsetNs, "write"))) flags |= adFldUpdatable;
        if (isTrue(valueOf(a, kRowsetNs, "writeunknown"))) flags |= adFldUnknownUpdatable;
        if (isTrue(valueOf(a, kRowsetNs, "keycolumn"))) flags |= adFldKeyColumn;
        c.field.autoIncrement = isTrue(valueOf(a, kRowsetNs, "autoincrement"));
        c.field.baseTable = valueOf(a, kRowsetNs, "basetable").toString();
        c.field.baseColumn = valueOf(a, kRowsetNs, "basecolumn").toString();
        XmlDatatype d;
        int maxLength = -1;
        bool mayBeNull = true;
        readDatatype(d, maxLength, c, mayBeNull);
        while (xml_.readNextStartElement()) {
            if (is(kSchemaNs, u"datatype")) readDatatype(d, maxLength, c, mayBeNull);
            xml_.skipCurrentElement();
        }
        c.field.type = typeFromXml(d);
        c.field.definedSize = maxLength >= 0 ? maxLength : fixedSizeOf(c.field.type);
        if (mayBeNull) flags |= adFldMayBeNull;
        if (d.fixedLength || isFixedLengthType(c.field.type)) flags |= adFldFixed;
        if (d.isLong || isLongType(c.field.type)) flags |= adFldLong;
        c.field.attributes = flags;
        return c;
    }

    // Columns: those defined inside the row type, then the referenced ones
    // (or, with no references, every one defined beside it); by rs:number when all carry one.
    void buildColumns() {
        std::vector<SchemaColumn> columns = std::move(inline_);
        if (references_.empty()) {
            columns.insert(columns.end(), defined_.begin(), defined_.end());
        } else {
            for (const QString& ref : references_) {
                const auto it = std::find_if(defined_.begin(), defined_.end(),
                                             [&](const SchemaColumn& c) { return c.xmlName == ref; });
                if (it == defined_.end()) fail(QStringLiteral("column %1 has no definition").arg(ref));
                columns.push_back(*it);
            }
        }
        if (columns.empty()) fail(QStringLiteral("the schema defines no columns"));
        if (std::all_of(columns.begin(), columns.end(), [](const SchemaColumn& c) { return c.number > 0; }))
            std::stable_sort(columns.begin(), columns.end(),
                             [](const SchemaColumn& a, const SchemaColumn& b) { return a.number < b.number; });
        for (std::size_t i = 0; i < columns.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j)
                if (columns[j].xmlName == columns[i].xmlName)
                    fail(QStringLiteral("column %1 is defined twice").arg(columns[i].xmlName));
            xmlNames_.push_back(columns[i].xmlName);
            fields_.push_back(std::move(columns[i].field));
        }
        rows_ = RowStore(int(fields_.size()));
    }

    // --- rows

    bool isRow() const { return xml_.namespaceUri() == kRowNs && (xml_.name() == rowName_ || xml_.name() == u"row"); }

    void readData() {
        while (xml_.readNextStartElement()) {
            if (isRow())
                readRow(RowStatus::Unchanged);
            else if (is(kRowsetNs, u"insert"))
                readBlock(RowStatus::Added);
            else if (is(kRowsetNs, u"delete"))
                readBlock(RowStatus::Deleted);
            else if (is(kRowsetNs, u"update"))
                readUpdate();
            else
                unexpected();
        }
        checkXml();
    }

    void readBlock(RowStatus status) {
        while (xml_.readNextStartElement()) {
            if (!isRow()) unexpected();
            if (status == RowStatus::Deleted)
                rows_.markDeleted(readRow(RowStatus::Unchanged));
            else
                readRow(status);
        }
        checkXml();
    }

    // <rs:original><z:row/></rs:original> then the row with its changed columns.
    void readUpdate() {
        std::optional<RowId> id;
        while (xml_.readNextStartElement()) {
            if (is(kRowsetNs, u"original") && !id) {
                if (!xml_.readNextStartElement() || !isRow()) unexpected();
                id = readRow(RowStatus::Unchanged);
                xml_.skipCurrentElement();
            } else if (isRow() && id) {
                std::vector<Variant> original = rows_.values(*id);
                setValues(*id);
                rows_.markModified(*id, std::move(original));
            } else {
                unexpected();
            }
        }
        checkXml();
        if (!id) fail(QStringLiteral("an update holds no original row"));
    }

    RowId readRow(RowStatus status) {
        const RowId id = rows_.appendRow(status);
        for (int c = 0; c < rows_.columnCount(); ++c) rows_.set(id, c, Variant::null());
        setValues(id);
        return id;
    }

    int columnOf(QStringView name) {
        const int n = int(xmlNames_.size());
        // Rows usually list their columns in order, so try the next one first.
        if (guess_ < n && xmlNames_[std::size_t(guess_)] == name) return guess_++;
        for (int i = 0; i < n; ++i) {
            if (xmlNames_[std::size_t(i)] == name) {
                guess_ = i + 1;
                return i;
            }
        }
        fail(QStringLiteral("a row has a value for an unknown column %1").arg(name));
    }

    // Values present on the current z:row element go into row `id`.
    void setValues(RowId id) {
        guess_ = 0;
        const auto attributes = xml_.attributes();
        for (const auto& a : attributes) {
            if (a.namespaceUri().isEmpty()) {
                const int c = columnOf(a.name());
                rows_.set(id, c, parseValue(fields_[std::size_t(c)], a.value()));
            } else if (a.namespaceUri() == kRowsetNs && a.name() == u"forcenull") {
                for (const QStringView name : a.value().split(u' ', Qt::SkipEmptyParts))
                    rows_.set(id, columnOf(name), Variant::null());
            }
        }
        xml_.skipCurrentElement();
    }

    Variant parseValue(const FieldInfo& f, QStringView text) {
        bool ok = true;
        Variant v;
        switch (valueKindOf(f.type)) {
            case ValueKind::Text:
                return Variant(text.toString());
            case ValueKind::SmallInt:
                v = Variant(text.toShort(&ok));
                break;
            case ValueKind::Long:
                v = Variant(std::int32_t(text.toInt(&ok)));
                break;
            case ValueKind::BigInt:
                v = wholeNumber(double(text.toLongLong(&ok)));
                break;
            case ValueKind::Real:
                v = Variant(text.toDouble(&ok));
                break;
            case ValueKind::Money:
                try {
                    v = Variant(Currency::parse(text.toString()));
                } catch (const AutomationError&) {
                    ok = false;
                }
                break;
            case ValueKind::Date:
                if (const auto d = parseIsoDateTime(text))
                    v = Variant(*d);
                else
                    ok = false;
                break;
            case ValueKind::Boolean:
                ok = isTrue(text) || text.compare(u"false", Qt::CaseInsensitive) == 0 || text == u"0";
                v = Variant(isTrue(text));
                break;
        }
        if (!ok) fail(QStringLiteral("value \"%1\" does not suit column %2").arg(text, f.name));
        return v;
    }

    QXmlStreamReader xml_;
    QString path_;
    QString rowName_ = QStringLiteral("row");
    std::vector<SchemaColumn> inline_, defined_;
    std::vector<QString> references_;
    std::vector<QString> xmlNames_;
    std::vector<FieldInfo> fields_;
    RowStore rows_;
    int guess_ = 0;
};

}  // namespace

LoadedRowset readRowsetXml(const QByteArray& document, const QString& path) { return Reader(document, path).read(); }

LoadedRowset readRowsetFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        raiseUnreadableFile(path, QFileInfo::exists(path) ? QStringLiteral("the file cannot be read")
                                                          : QStringLiteral("the file does not exist"));
    return readRowsetXml(file.readAll(), path);
}

}  // namespace tvx::ado
