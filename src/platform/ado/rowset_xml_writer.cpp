#include "platform/ado/rowset_xml_writer.h"

#include "platform/ado/value_text.h"
#include "platform/ado/xml_datatypes.h"

#include <QStringList>
#include <cmath>
#include <cstdint>

namespace tvx::ado {

namespace {

const QLatin1String kNewLine("\r\n");

const QLatin1String kHeader(
    "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'\r\n"
    "\txmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'\r\n"
    "\txmlns:rs='urn:schemas-microsoft-com:rowset'\r\n"
    "\txmlns:z='#RowsetSchema'>\r\n"
    "<s:Schema id='RowsetSchema'>\r\n"
    "\t<s:ElementType name='row' content='eltOnly' rs:updatable='true'>\r\n");

const QLatin1String kSchemaEnd(
    "\t\t<s:extends type='rs:rowbase'/>\r\n"
    "\t</s:ElementType>\r\n"
    "</s:Schema>\r\n"
    "<rs:data>\r\n");

const QLatin1String kDocumentEnd("</rs:data>\r\n</xml>\r\n");

// Attribute-value text: the reserved characters and line breaks as
// references (a parser would turn raw line breaks into blanks); characters
// XML cannot carry at all are left out.
void appendEscaped(QString& out, QStringView text) {
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'&':
                out += QLatin1String("&amp;");
                break;
            case u'<':
                out += QLatin1String("&lt;");
                break;
            case u'>':
                out += QLatin1String("&gt;");
                break;
            case u'\'':
                out += QLatin1String("&#x27;");
                break;
            case u'"':
                out += QLatin1String("&quot;");
                break;
            case u'\r':
                out += QLatin1String("&#xD;");
                break;
            case u'\n':
                out += QLatin1String("&#xA;");
                break;
            case u'\t':
                out += QLatin1String("&#x9;");
                break;
            case 0xFFFE:
            case 0xFFFF:
                break;
            default:
                if (c.unicode() >= 0x20) out += c;
        }
    }
}

// A whole number a 64-bit column holds (held as a double beyond 32 bits).
bool isWhole64(double d) { return std::fabs(d) < 9223372036854775808.0 && std::trunc(d) == d; }

bool isSafeName(const QString& name) {
    auto isAsciiLetter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    if (name.isEmpty() || !isAsciiLetter(name.front())) return false;
    for (const QChar c : name)
        if (!isAsciiLetter(c) && !(c >= u'0' && c <= u'9') && c != u'_') return false;
    return true;
}

QString aliasOf(std::size_t ordinal) { return QStringLiteral("c%1").arg(ordinal); }

// Attribute names of the columns: the column's own name when it is a plain
// ASCII identifier not used before, else the alias "c" + zero-based ordinal.
std::vector<QString> xmlColumnNames(const std::vector<FieldInfo>& fields) {
    std::vector<QString> names(fields.size());
    std::vector<bool> aliased(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        bool plain = isSafeName(fields[i].name);
        for (std::size_t j = 0; plain && j < i; ++j)
            plain = fields[j].name.compare(fields[i].name, Qt::CaseInsensitive) != 0;
        aliased[i] = !plain;
        names[i] = plain ? fields[i].name : aliasOf(i);
    }
    // A column whose own name is another column's alias ("c1") takes its alias too.
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (aliased[i]) continue;
            for (std::size_t j = 0; j < names.size(); ++j) {
                if (j != i && names[j].compare(names[i], Qt::CaseInsensitive) == 0) {
                    names[i] = aliasOf(i);
                    aliased[i] = changed = true;
                    break;
                }
            }
        }
    }
    return names;
}

class Writer {
public:
    Writer(const std::vector<FieldInfo>& fields, const RowStore& store)
        : fields_(fields), store_(store), names_(xmlColumnNames(fields)) {}

    QByteArray document(std::span<const RowId> rows) {
        out_.reserve(qsizetype(1024 + rows.size() * std::size_t(64 + 24 * fields_.size())));
        out_ += kHeader;
        for (std::size_t i = 0; i < fields_.size(); ++i) schemaColumn(i);
        out_ += kSchemaEnd;
        RowStatus open = RowStatus::Unchanged;  // the block being written: insert, delete or none
        for (const RowId id : rows) {
            const RowStatus s = store_.status(id);
            if (s != open) {
                closeBlock(open);
                open = s == RowStatus::Added || s == RowStatus::Deleted ? s : RowStatus::Unchanged;
                if (open == RowStatus::Added) out_ += QLatin1String("\t<rs:insert>\r\n");
                if (open == RowStatus::Deleted) out_ += QLatin1String("\t<rs:delete>\r\n");
            }
            switch (s) {
                case RowStatus::Unchanged:
                    row(1, store_.values(id));
                    break;
                case RowStatus::Added:
                    row(2, store_.values(id));
                    break;
                case RowStatus::Deleted:
                    row(2, store_.original(id));
                    break;
                case RowStatus::Modified:
                    update(id);
                    break;
                case RowStatus::Discarded:
                    break;
            }
        }
        closeBlock(open);
        out_ += kDocumentEnd;
        return out_.toUtf8();
    }

private:
    void closeBlock(RowStatus open) {
        if (open == RowStatus::Added) out_ += QLatin1String("\t</rs:insert>\r\n");
        if (open == RowStatus::Deleted) out_ += QLatin1String("\t</rs:delete>\r\n");
    }

    void attribute(const char* name, const QString& value) {
        out_ += QLatin1Char(' ');
        out_ += QLatin1String(name);
        out_ += QLatin1String("='");
        appendEscaped(out_, value);
        out_ += QLatin1Char('\'');
    }

    void flag(const char* name, bool on) {
        if (on) attribute(name, QStringLiteral("true"));
    }

    void schemaColumn(std::size_t i) {
        const FieldInfo& f = fields_[i];
        out_ += QLatin1String("\t\t<s:AttributeType");
        attribute("name", names_[i]);
        if (names_[i] != f.name) attribute("rs:name", f.name);
        attribute("rs:number", QString::number(i + 1));
        flag("rs:nullable", f.attributes & adFldIsNullable);
        flag("rs:write", f.attributes & adFldUpdatable);
        flag("rs:writeunknown", f.attributes & adFldUnknownUpdatable);
        if (!f.baseTable.isEmpty()) attribute("rs:basetable", f.baseTable);
        if (!f.baseColumn.isEmpty()) attribute("rs:basecolumn", f.baseColumn);
        flag("rs:keycolumn", f.isKeyColumn());
        flag("rs:autoincrement", f.autoIncrement);
        out_ += QLatin1String(">\r\n\t\t\t<s:datatype ");
        out_ += datatypeAttributes(f);
        out_ += QLatin1String("/>\r\n\t\t</s:AttributeType>\r\n");
    }

    // ` name='value'`; nothing for Null (an omitted attribute reads back as Null).
    void cell(std::size_t column, const Variant& v) {
        if (v.isNull() || v.isEmpty() || v.isObject()) return;
        out_ += QLatin1Char(' ');
        out_ += names_[column];
        out_ += QLatin1String("='");
        const ValueKind kind = valueKindOf(fields_[column].type);
        if (v.type() == VarType::String)
            appendEscaped(out_, v.asString());
        else if (v.type() == VarType::Boolean && kind != ValueKind::Boolean && kind != ValueKind::Text)
            out_ += v.asBool() ? QLatin1String("-1") : QLatin1String("0");
        else if (kind == ValueKind::BigInt && v.type() == VarType::Double && isWhole64(v.asDouble()))
            out_ += QString::number(
                std::int64_t(v.asDouble()));  // "20000000000", not "2e+10", which reads back as no integer
        else
            out_ += valueText(v);
        out_ += QLatin1Char('\'');
    }

    void indent(int depth) {
        for (int i = 0; i < depth; ++i) out_ += QLatin1Char('\t');
    }

    void row(int depth, std::span<const Variant> values) {
        indent(depth);
        out_ += QLatin1String("<z:row");
        for (std::size_t c = 0; c < values.size(); ++c) cell(c, values[c]);
        out_ += QLatin1String("/>\r\n");
    }

    // The original values, then the changed columns only; columns changed to
    // Null are listed in rs:forcenull.
    void update(RowId id) {
        const auto now = store_.values(id);
        const auto before = store_.original(id);
        out_ += QLatin1String("\t<rs:update>\r\n\t\t<rs:original>\r\n");
        row(3, before);
        out_ += QLatin1String("\t\t</rs:original>\r\n\t\t<z:row");
        QStringList forcedNull;
        for (std::size_t c = 0; c < now.size(); ++c) {
            if (c < before.size() && now[c] == before[c]) continue;
            if (now[c].isNull() || now[c].isEmpty())
                forcedNull << names_[c];
            else
                cell(c, now[c]);
        }
        if (!forcedNull.isEmpty()) attribute("rs:forcenull", forcedNull.join(u' '));
        out_ += QLatin1String("/>\r\n\t</rs:update>\r\n");
    }

    const std::vector<FieldInfo>& fields_;
    const RowStore& store_;
    std::vector<QString> names_;
    QString out_;
};

}  // namespace

QByteArray rowsetXml(const std::vector<FieldInfo>& fields, const RowStore& store, std::span<const RowId> rows) {
    return Writer(fields, store).document(rows);
}

}  // namespace tvx::ado
