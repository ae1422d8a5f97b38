// The ODBC side of a Connection: texts go to the driver unchanged.
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/connection_backend.h"
#include "platform/sql/qt_connection.h"
#include "platform/sql/sql_error.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace tvx::sql {

namespace {

ado::FieldInfo fieldOf(const QSqlField& f) {
    ado::FieldInfo info;
    info.name = f.name();
    info.attributes = ado::adFldIsNullable | ado::adFldMayBeNull | ado::adFldUnknownUpdatable;
    switch (f.metaType().id()) {
        case QMetaType::Bool:
            info.type = ado::adBoolean;
            break;
        case QMetaType::Short:
        case QMetaType::UShort:
            info.type = ado::adSmallInt;
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
            info.type = ado::adInteger;
            break;
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            info.type = ado::adBigInt;
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            info.type = ado::adDouble;
            break;
        case QMetaType::QDate:
            info.type = ado::adDBDate;
            break;
        case QMetaType::QDateTime:
        case QMetaType::QTime:
            info.type = ado::adDate;
            break;
        default:
            info.type = ado::adVarWChar;
            info.definedSize = f.length() > 0 ? f.length() : 0;
            break;
    }
    if (ado::fixedSizeOf(info.type) > 0) info.definedSize = ado::fixedSizeOf(info.type);
    return info;
}

Variant valueOf(const QVariant& v, ado::DataType type) {
    if (v.isNull()) return Variant::null();
    switch (ado::valueKindOf(type)) {
        case ado::ValueKind::Boolean:
            return Variant(v.toBool());
        case ado::ValueKind::SmallInt:
            return Variant(std::int16_t(v.toInt()));
        case ado::ValueKind::Long:
        case ado::ValueKind::BigInt: {
            const qlonglong n = v.toLongLong();
            return n >= INT32_MIN && n <= INT32_MAX ? Variant(std::int32_t(n)) : Variant(double(n));
        }
        case ado::ValueKind::Real:
            return Variant(v.toDouble());
        case ado::ValueKind::Date:
            return v.metaType().id() == QMetaType::QDate ? Variant::fromDate(v.toDate())
                                                         : Variant::fromDateTime(v.toDateTime());
        default:
            return Variant(v.toString());
    }
}

QVariant toQVariant(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty:
        case VarType::Null:
            return QVariant();
        case VarType::Boolean:
            return QVariant(v.asBool());
        case VarType::Integer:
            return QVariant(int(v.asInteger()));
        case VarType::Long:
            return QVariant(int(v.asLong()));
        case VarType::Double:
            return QVariant(v.asDouble());
        case VarType::Currency:
            return QVariant(v.asCurrency().toDouble());
        case VarType::Date:
            return QVariant(v.asDate().toDateTime());
        case VarType::String:
            return QVariant(v.asString());
        case VarType::Object:
            break;
    }
    err::raise(err::TypeMismatch);
}

class OdbcBackend : public ConnectionBackend {
public:
    explicit OdbcBackend(std::unique_ptr<QtConnection> qt) : qt_(std::move(qt)) {}

    qint64 execute(const QString& sql, std::span<const Variant> parameters) override {
        QSqlQuery q(qt_->database());
        run(q, sql, parameters);
        return std::max(0, q.numRowsAffected());
    }
    std::shared_ptr<ado::Recordset> query(const QString& sql, std::span<const Variant> parameters) override {
        QSqlQuery q(qt_->database());
        q.setForwardOnly(true);
        run(q, sql, parameters);
        auto rs = std::make_shared<ado::Recordset>();
        if (!q.isSelect() || q.record().isEmpty()) return rs;
        std::vector<ado::FieldInfo> fields;
        const QSqlRecord record = q.record();
        for (int i = 0; i < record.count(); ++i) fields.push_back(fieldOf(record.field(i)));
        std::vector<Variant> cells;
        while (q.next())
            for (int i = 0; i < record.count(); ++i) cells.push_back(valueOf(q.value(i), fields[std::size_t(i)].type));
        if (q.lastError().isValid()) raiseSqlError(q.lastError().text(), kOdbcSource);
        rs->openRows(std::move(fields), std::move(cells), sql);
        return rs;
    }
    void writeBack(ado::Recordset&) override {
        throw AutomationError(err::NotSupported, QStringLiteral("Writing changes back is not available over ODBC."),
                              kOdbcSource);
    }
    void begin() override { check(qt_->database().transaction()); }
    void commit() override { check(qt_->database().commit()); }
    void rollback() override { check(qt_->database().rollback()); }
    // The driver tells nothing of changes: every stamp differs from the last.
    quint64 ownWrites(const QString&) const override { return 0; }
    qint64 othersCommits() override { return ++stamps_; }

private:
    static void run(QSqlQuery& q, const QString& sql, std::span<const Variant> parameters) {
        bool ok;
        if (parameters.empty()) {
            ok = q.exec(sql);
        } else {
            ok = q.prepare(sql);
            for (const Variant& v : parameters) q.addBindValue(toQVariant(v));
            ok = ok && q.exec();
        }
        if (!ok) raiseSqlError(q.lastError().text(), kOdbcSource);
    }
    void check(bool ok) {
        if (!ok) raiseSqlError(qt_->database().lastError().text(), kOdbcSource);
    }
    std::unique_ptr<QtConnection> qt_;
    qint64 stamps_ = 0;
};

}  // namespace

std::unique_ptr<ConnectionBackend> odbcBackend(const QString& connectionString) {
    return std::make_unique<OdbcBackend>(QtConnection::openOdbc(connectionString));
}

}  // namespace tvx::sql
