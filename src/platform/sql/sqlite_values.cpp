#include "platform/sql/sqlite_values.h"

#include "platform/ado/field_value.h"
#include "platform/automation/automation_error.h"

#include <sqlite3.h>
#include <QDateTime>
#include <QStringList>
#include <limits>

namespace tvx::sql {

namespace {

constexpr int LongTextSize = 1073741823;

bool isOneOf(const QString& name, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (name == QLatin1String(n)) return true;
    return false;
}

// Texts cross in UTF-8, the files' own encoding, so SQLite translates nothing.
QString textOf(sqlite3_stmt* stmt, int column) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(bytes, sqlite3_column_bytes(stmt, column));
}

void bindText(sqlite3_stmt* stmt, int index, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    sqlite3_bind_text(stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
}

// "yyyy-mm-dd", "yyyy-mm-dd hh:mm:ss[.zzz]" or with 'T'; nullopt for anything else.
std::optional<OaDate> parseDate(QString text) {
    if (text.size() == 10) {
        const QDate d = QDate::fromString(text, Qt::ISODate);
        return d.isValid() ? std::optional(OaDate::fromDate(d)) : std::nullopt;
    }
    if (text.size() > 10 && text[10] == u' ') text[10] = u'T';
    const QDateTime dt = QDateTime::fromString(text, Qt::ISODateWithMs);
    return dt.isValid() ? std::optional(OaDate::fromDateTime(dt)) : std::nullopt;
}

Variant readDate(sqlite3_stmt* stmt, int column) {
    if (sqlite3_column_type(stmt, column) != SQLITE_TEXT) return Variant(OaDate{sqlite3_column_double(stmt, column)});
    const QString text = textOf(stmt, column);
    const auto date = parseDate(text);
    return date ? Variant(*date) : Variant(text);
}

Variant readNumber(sqlite3_stmt* stmt, int column, ado::ValueKind kind) {
    const bool whole = sqlite3_column_type(stmt, column) == SQLITE_INTEGER;
    const sqlite3_int64 i = sqlite3_column_int64(stmt, column);
    const double d = sqlite3_column_double(stmt, column);
    switch (kind) {
        case ado::ValueKind::SmallInt:
            if (whole && i >= std::numeric_limits<std::int16_t>::min() && i <= std::numeric_limits<std::int16_t>::max())
                return Variant(std::int16_t(i));
            return ado::wholeNumber(d);
        case ado::ValueKind::Long:
        case ado::ValueKind::BigInt:
            return ado::wholeNumber(whole ? double(i) : d);
        case ado::ValueKind::Money:
            // A number beyond the currency's range stays a Double: one bad
            // cell must not fail the whole read, its row's reader finds it.
            try {
                return Variant(whole ? Currency::fromLong(i) : Currency::fromDouble(d));
            } catch (const AutomationError&) {
                return Variant(d);
            }
        case ado::ValueKind::Boolean:
            return Variant(d != 0);
        default:
            return Variant(d);
    }
}

}  // namespace

QString functionArgumentText(sqlite3_value* v) {
    const auto* units = static_cast<const char16_t*>(sqlite3_value_text16(v));
    return QString::fromUtf16(units, sqlite3_value_bytes16(v) / 2);
}

std::optional<ColumnType> columnTypeOf(QStringView declared) {
    const QString decl = declared.trimmed().toString().toLower();
    if (decl.isEmpty()) return std::nullopt;
    const qsizetype paren = decl.indexOf(u'(');
    const QString name = (paren < 0 ? decl : decl.left(paren)).trimmed();
    const QString args = paren < 0 ? QString() : decl.mid(paren + 1).section(u')', 0, 0);
    bool sized = false;
    const int size = args.section(u',', 0, 0).trimmed().toInt(&sized);

    if (isOneOf(name, {"bit", "boolean", "bool", "yesno", "logical"})) return ColumnType{ado::adBoolean, 2};
    if (isOneOf(name, {"tinyint", "smallint", "byte"})) return ColumnType{ado::adSmallInt, 2};
    if (isOneOf(name, {"int", "integer", "mediumint", "long", "counter", "autoincrement"}))
        return ColumnType{ado::adInteger, 4};
    if (isOneOf(name, {"bigint", "int8"})) return ColumnType{ado::adBigInt, 8};
    if (isOneOf(name, {"money", "smallmoney", "currency"})) return ColumnType{ado::adCurrency, 8};
    if (isOneOf(name, {"decimal", "numeric"})) return ColumnType{ado::adNumeric, 19};
    if (name == u"date") return ColumnType{ado::adDBDate, 6};
    if (isOneOf(name, {"datetime", "smalldatetime", "datetime2", "time", "timestamp"}))
        return ColumnType{ado::adDate, 16};
    if (name.contains(u"int")) return ColumnType{ado::adInteger, 4};
    if (name.contains(u"char") || name.contains(u"text") || name.contains(u"clob") || name == u"memo" ||
        name == u"string") {
        if (sized) return ColumnType{ado::adVarWChar, size};
        return ColumnType{ado::adLongVarWChar, LongTextSize};
    }
    if (name.contains(u"real") || name.contains(u"floa") || name.contains(u"doub") || name == u"single")
        return ColumnType{ado::adDouble, 8};
    if (name.contains(u"blob") || name.contains(u"binary") || name == u"image")
        return ColumnType{ado::adLongVarWChar, LongTextSize};
    return std::nullopt;
}

Variant readCell(sqlite3_stmt* stmt, int column, ado::ValueKind kind) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_NULL:
            return Variant::null();
        case SQLITE_TEXT:
        case SQLITE_BLOB:
            if (kind == ado::ValueKind::Date) return readDate(stmt, column);
            return Variant(textOf(stmt, column));
        default:
            if (kind == ado::ValueKind::Text) return Variant(textOf(stmt, column));
            if (kind == ado::ValueKind::Date) return readDate(stmt, column);
            return readNumber(stmt, column, kind);
    }
}

Variant readRaw(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_NULL:
            return Variant::null();
        case SQLITE_INTEGER:
            return ado::wholeNumber(double(sqlite3_column_int64(stmt, column)));
        case SQLITE_FLOAT:
            return Variant(sqlite3_column_double(stmt, column));
        default:
            return Variant(textOf(stmt, column));
    }
}

void bindValue(sqlite3_stmt* stmt, int index, const Variant& v, ado::DataType type) {
    switch (v.type()) {
        case VarType::Empty:
        case VarType::Null:
            sqlite3_bind_null(stmt, index);
            return;
        case VarType::Boolean:
            sqlite3_bind_int(stmt, index, v.asBool() ? 1 : 0);
            return;
        case VarType::Integer:
            sqlite3_bind_int(stmt, index, v.asInteger());
            return;
        case VarType::Long:
            sqlite3_bind_int64(stmt, index, v.asLong());
            return;
        case VarType::Double:
            sqlite3_bind_double(stmt, index, v.asDouble());
            return;
        case VarType::Currency:
            sqlite3_bind_double(stmt, index, v.asCurrency().toDouble());
            return;
        case VarType::Date: {
            const QDateTime dt = v.asDate().toDateTime();
            const QString text = type == ado::adDBDate ? dt.date().toString(Qt::ISODate)
                                                       : dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            bindText(stmt, index, text);
            return;
        }
        case VarType::String:
            bindText(stmt, index, v.asString());
            return;
        case VarType::Object:
            err::raise(err::TypeMismatch);
    }
}

}  // namespace tvx::sql
