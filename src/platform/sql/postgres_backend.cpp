#include "platform/sql/postgres_backend.h"

#include "platform/sql/postgres_statement_effects.h"

#include "platform/ado/field_value.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/connection_backend.h"
#include "platform/sql/dialect_translations.h"
#include "platform/sql/sql_error.h"
#include "platform/sql/sql_identifier.h"
#include "platform/sql/sql_lexer.h"
#include "platform/sql/stored_values.h"
#include "platform/sql/write_back_target.h"

#include <libpq-fe.h>
#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <functional>
#include <map>

namespace tvx::sql {

namespace {

constexpr int kLongTextSize = 1073741823;

// Type OIDs of the server's built-in types (pg_type.dat).
enum : Oid {
    kBool = 16,
    kInt8 = 20,
    kInt2 = 21,
    kInt4 = 23,
    kText = 25,
    kOid = 26,
    kFloat4 = 700,
    kFloat8 = 701,
    kBpchar = 1042,
    kVarchar = 1043,
    kDate = 1082,
    kTime = 1083,
    kTimestamp = 1114,
    kTimestamptz = 1184,
    kNumeric = 1700,
};

// numeric(19,4): the server's money.
constexpr int kMoneyTypmod = ((19 << 16) | 4) + 4;

struct ResultDeleter {
    void operator()(PGresult* r) const { PQclear(r); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

QString messageOf(const PGresult* r, PGconn* conn) {
    const char* primary = r ? PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    if (!primary) return QString::fromUtf8(PQerrorMessage(conn)).trimmed();
    QString message = QString::fromUtf8(primary);
    if (const char* detail = PQresultErrorField(r, PG_DIAG_MESSAGE_DETAIL))
        message += QStringLiteral(" (") + QString::fromUtf8(detail) + u')';
    return message;
}

bool failed(const PGresult* r) {
    if (!r) return true;
    const ExecStatusType s = PQresultStatus(r);
    return s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK && s != PGRES_EMPTY_QUERY;
}

// A column of a table as the catalogue describes it.
struct ColumnInfo {
    QString name;  // as its creator spelled it
    QString baseName;
    QString typeName;  // the declared type (a domain's own name)
    Oid baseType = 0;
    int typmod = -1;
    bool notNull = false;
    bool key = false;
    bool autoIncrement = false;
    int size = 0;  // of a text, when limited
};

struct TableInfo {
    QString name;
    std::map<int, ColumnInfo> columns;  // by attribute number
};

// The field type of a server type.
ado::DataType typeOf(Oid type, int typmod, const QString& declared) {
    if (declared == u"tvx_bit") return ado::adBoolean;
    switch (type) {
        case kBool:
            return ado::adBoolean;
        case kInt2:
            return ado::adSmallInt;
        case kInt4:
        case kOid:
            return ado::adInteger;
        case kInt8:
            return ado::adBigInt;
        case kFloat4:
        case kFloat8:
            return ado::adDouble;
        case kNumeric:
            return typmod == kMoneyTypmod ? ado::adCurrency : ado::adNumeric;
        case kDate:
            return ado::adDBDate;
        case kTime:
        case kTimestamp:
        case kTimestamptz:
            return ado::adDate;
        default:
            return ado::adVarWChar;
    }
}

std::optional<OaDate> parseDateTime(QString text) {
    if (text.size() == 10) {
        const QDate d = QDate::fromString(text, Qt::ISODate);
        return d.isValid() ? std::optional(OaDate::fromDate(d)) : std::nullopt;
    }
    if (text.size() == 8 || (text.size() > 8 && text[2] == u':')) {  // a time of day
        const QTime t = QTime::fromString(text.left(8), Qt::ISODate);
        return t.isValid() ? std::optional(OaDate::fromDateTime(QDateTime(QDate(1899, 12, 30), t))) : std::nullopt;
    }
    if (text.size() > 10 && text[10] == u' ') text[10] = u'T';
    // A time zone the server added (timestamptz) is dropped: the platform's dates have none.
    static const QRegularExpression zone(QStringLiteral("[+-]\\d\\d(:\\d\\d)?$"));
    text.remove(zone);
    const QDateTime dt = QDateTime::fromString(text, Qt::ISODateWithMs);
    return dt.isValid() ? std::optional(OaDate::fromDateTime(dt)) : std::nullopt;
}

Variant cellOf(const PGresult* r, int row, int column, ado::DataType type) {
    if (PQgetisnull(r, row, column)) return Variant::null();
    const char* raw = PQgetvalue(r, row, column);
    const QString text = QString::fromUtf8(raw, PQgetlength(r, row, column));
    switch (ado::valueKindOf(type)) {
        case ado::ValueKind::Boolean:
            return Variant(text != u"0" && text != u"f" && text != u"false");
        case ado::ValueKind::SmallInt:
            return Variant(std::int16_t(text.toShort()));
        case ado::ValueKind::Long:
        case ado::ValueKind::BigInt:
            return ado::wholeNumber(text.toDouble());
        case ado::ValueKind::Money:
            return Variant(Currency::parse(text));
        case ado::ValueKind::Real:
            return Variant(text.toDouble());
        case ado::ValueKind::Date: {
            const auto date = parseDateTime(text);
            return date ? Variant(*date) : Variant(text);
        }
        default:
            return Variant(text);
    }
}

// The text a value is sent as (the server types it from where it stands).
std::optional<QByteArray> textOf(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty:
        case VarType::Null:
            return std::nullopt;
        case VarType::Boolean:
            return QByteArray(v.asBool() ? "1" : "0");
        case VarType::Integer:
            return QByteArray::number(v.asInteger());
        case VarType::Long:
            return QByteArray::number(v.asLong());
        case VarType::Double:
            return QByteArray::number(v.asDouble(), 'g', 17);
        case VarType::Currency:
            return v.asCurrency().toString().toUtf8();
        case VarType::Date: {
            const QDateTime dt = v.asDate().toDateTime();
            return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toUtf8();
        }
        case VarType::String:
            return v.asString().toUtf8();
        case VarType::Object:
            break;
    }
    err::raise(err::TypeMismatch);
}

// A text ready for the server: translated, its `?` marks numbered, and the
// spellings of its names (the server answers them in lower case).
struct ServerText {
    QByteArray sql;
    int marks = 0;
    QHash<QString, QString> spellings;  // lower case -> as written
    QByteArray prepared;                // the prepared statement's name, once prepared
    bool changesSchema = false;         // a statement of it creates, alters or drops something
    StatementEffects effects;           // the tables it writes
};

// A statement that may change the schema: what is known of the tables and
// the statements prepared before it may be wrong after it.
bool startsSchemaChange(const TokenList& t, qsizetype i) {
    for (const QStringView word : {u"CREATE", u"ALTER", u"DROP", u"TRUNCATE", u"COMMENT", u"DO"})
        if (t.isWord(i, word)) return true;
    return false;
}

ServerText serverTextOf(const QString& original, const QString& translated) {
    ServerText out;
    const TokenList words(original);
    for (qsizetype i = 0; i < words.size(); ++i)
        if (words[i].kind == TokenKind::Word || words[i].kind == TokenKind::QuotedName) {
            const QString name = unquoteName(words.textOf(i));
            out.spellings.insert(name.toLower(), name);  // the last spelling wins: aliases come late
        }
    const TokenList t(translated);
    TextEdits edits;
    for (qsizetype i = t.nextSignificant(-1); i < t.size(); i = t.nextSignificant(i)) {
        if (t.isSymbol(i, u'?')) edits.replace(t[i].begin, t[i].end, u'$' + QString::number(++out.marks));
        if (i == t.nextSignificant(-1) || t.isSymbol(t.prevSignificant(i), u';'))
            out.changesSchema = out.changesSchema || startsSchemaChange(t, i);
    }
    out.sql = edits.applyTo(translated).toUtf8();
    out.effects = serverStatementEffects(translated);
    return out;
}

class PostgresBackend : public ConnectionBackend {
public:
    PostgresBackend(PGconn* conn, std::shared_ptr<const SqlDialect> dialect)
        : conn_(conn), translations_(std::move(dialect)) {}
    ~PostgresBackend() override { PQfinish(conn_); }

    qint64 execute(const QString& sql, std::span<const Variant> parameters) override {
        qint64 changed = 0;
        run(sql, parameters, [&](const PGresult* r) {
            changed += QByteArray(PQcmdTuples(const_cast<PGresult*>(r))).toLongLong();
            return false;
        });
        return changed;
    }

    std::shared_ptr<ado::Recordset> query(const QString& sql, std::span<const Variant> parameters) override {
        auto rs = std::make_shared<ado::Recordset>();
        const ServerText* text = nullptr;
        run(
            sql, parameters,
            [&](const PGresult* r) {
                if (rs->State() == ado::adStateOpen || PQresultStatus(r) != PGRES_TUPLES_OK || PQnfields(r) == 0)
                    return false;
                read(r, *text, sql, *rs);
                return true;
            },
            &text);
        return rs;
    }

    void writeBack(ado::Recordset& rs) override;

    // Its own transaction, committed without waiting for the log's flush;
    // the next synchronous commit flushes the log past it (written in order).
    qint64 executeDeferred(const QString& sql, std::span<const Variant> parameters) override {
        command("BEGIN");
        try {
            command("SET LOCAL synchronous_commit = off");
            const qint64 changed = execute(sql, parameters);
            command("COMMIT");
            return changed;
        } catch (...) {
            tryIgnoringError([this] { rollback(); });
            throw;
        }
    }

    void begin() override { command("BEGIN"); }
    void commit() override { command("COMMIT"); }
    void rollback() override {
        writes_.countEverything();
        command("ROLLBACK");
    }
    quint64 ownWrites(const QString& table) const override {
        return table.isEmpty() ? writes_.all() : writes_.of(table);
    }
    // The server's snapshot changes whenever a transaction that wrote
    // anything ends (its ID leaves the list of those running, or the
    // highest ended ID moves on): this connection's own commits count too.
    // In a failed transaction nothing can be asked: a stamp of its own.
    qint64 othersCommits() override {
        if (PQtransactionStatus(conn_) == PQTRANS_INERROR) {
            snapshot_.clear();
            return ++stamps_;
        }
        Result r(PQexec(conn_, "SELECT pg_current_snapshot()"));
        if (failed(r.get())) raise(r.get());
        if (const QByteArray now(PQgetvalue(r.get(), 0, 0)); now != snapshot_) {
            snapshot_ = now;
            ++stamps_;
        }
        return stamps_;
    }
    bool isServer() const override { return true; }

    // Runs `sql` (already in the server's SQL) with `values`, returning nothing.
    void runNative(const QString& sql, const std::vector<std::optional<QByteArray>>& values,
                   const std::function<void(const PGresult*)>& each = {}) {
        const QByteArray text = sql.toUtf8();
        std::vector<const char*> pointers;
        for (const auto& v : values) pointers.push_back(v ? v->constData() : nullptr);
        Result r(
            PQexecParams(conn_, text.constData(), int(pointers.size()), nullptr, pointers.data(), nullptr, nullptr, 0));
        if (failed(r.get())) raise(r.get());
        if (each) each(r.get());
    }
    bool inTransaction() const { return PQtransactionStatus(conn_) != PQTRANS_IDLE; }
    const TableInfo* tableInfo(Oid table);

private:
    [[noreturn]] void raise(const PGresult* r) const { raiseSqlError(messageOf(r, conn_), kPostgresSource); }

    void command(const char* sql) {
        Result r(PQexec(conn_, sql));
        if (failed(r.get())) raise(r.get());
    }

    ServerText& textFor(const QString& sql) {
        if (auto at = texts_.find(sql); at != texts_.end()) return *at;
        if (texts_.size() >= kKept) texts_.clear();  // their prepared statements stay on the server, unused
        return *texts_.insert(sql, serverTextOf(sql, translations_.of(sql)));
    }

    // Sends `sql`; `each` sees every result in turn until it answers true.
    void run(const QString& sql, std::span<const Variant> parameters, const std::function<bool(const PGresult*)>& each,
             const ServerText** used = nullptr) {
        ServerText& text = textFor(sql);
        if (used) *used = &text;
        writes_.count(text.effects);
        // After a schema change, whether it worked or not, the tables are
        // looked up again and the statements prepared anew (a prepared
        // SELECT * fails once its table has another column).
        struct Forget {
            PostgresBackend& backend;
            bool schema;
            ~Forget() {
                if (!schema) return;
                backend.tables_.clear();
                backend.texts_.clear();  // their prepared statements stay on the server, unused
            }
        } forget{*this, text.changesSchema};
        if (parameters.empty() && text.marks == 0) {
            if (!PQsendQuery(conn_, text.sql.constData())) raise(nullptr);
            drain(each);
            return;
        }
        if (text.prepared.isEmpty()) {
            const QByteArray name = "tvx_" + QByteArray::number(++prepared_);
            Result r(PQprepare(conn_, name.constData(), text.sql.constData(), 0, nullptr));
            if (failed(r.get())) raise(r.get());
            text.prepared = name;
        }
        std::vector<std::optional<QByteArray>> values(std::size_t(text.marks));
        for (std::size_t i = 0; i < values.size() && i < parameters.size(); ++i) values[i] = textOf(parameters[i]);
        std::vector<const char*> pointers;
        for (const auto& v : values) pointers.push_back(v ? v->constData() : nullptr);
        if (!PQsendQueryPrepared(conn_, text.prepared.constData(), int(pointers.size()), pointers.data(), nullptr,
                                 nullptr, 0))
            raise(nullptr);
        drain(each);
    }

    // Reads every result of what was sent; the first failure is raised once all are read.
    void drain(const std::function<bool(const PGresult*)>& each) {
        Result failure;
        bool done = false;
        while (Result r{PQgetResult(conn_)}) {
            if (failure) continue;
            if (failed(r.get()))
                failure = std::move(r);
            else if (!done)
                done = each(r.get());
        }
        if (failure) raise(failure.get());
        if (PQstatus(conn_) == CONNECTION_BAD) raise(nullptr);
    }

    void read(const PGresult* r, const ServerText& text, const QString& source, ado::Recordset& rs) {
        const int columns = PQnfields(r);
        std::vector<ado::FieldInfo> fields(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            ado::FieldInfo& f = fields[std::size_t(c)];
            const QString reported = QString::fromUtf8(PQfname(r, c));
            const Oid type = PQftype(r, c);
            const int typmod = PQfmod(r, c);
            const TableInfo* table = PQftable(r, c) != InvalidOid ? tableInfo(PQftable(r, c)) : nullptr;
            const ColumnInfo* col = nullptr;
            if (table)
                if (const auto at = table->columns.find(PQftablecol(r, c)); at != table->columns.end())
                    col = &at->second;
            // A column named as in its table takes its creator's spelling; an alias, the statement's.
            f.name = col && col->baseName == reported ? col->name : text.spellings.value(reported, reported);
            if (col) {
                f.baseTable = table->name;
                f.baseColumn = col->baseName;
                f.type = typeOf(col->baseType, col->typmod, col->typeName);
                f.attributes |= ado::adFldUpdatable;
                if (!col->notNull) f.attributes |= ado::adFldIsNullable | ado::adFldMayBeNull;
                if (col->key) f.attributes |= ado::adFldKeyColumn;
                f.autoIncrement = col->autoIncrement;
                if (f.type == ado::adVarWChar) {
                    f.definedSize = col->size;
                    if (col->size == 0) f.type = ado::adLongVarWChar, f.definedSize = kLongTextSize;
                }
            } else {
                f.type = typeOf(type, typmod, QString());
                f.attributes |= ado::adFldIsNullable | ado::adFldMayBeNull | ado::adFldUnknownUpdatable;
            }
            if (type == kVarchar && typmod > 4 && f.definedSize == 0) f.definedSize = typmod - 4;
            if (ado::fixedSizeOf(f.type) > 0) {
                f.definedSize = ado::fixedSizeOf(f.type);
                f.attributes |= ado::adFldFixed;
            }
            if (f.type == ado::adLongVarWChar) f.attributes |= ado::adFldLong;
        }
        qualifySharedNames(fields);
        const int rows = PQntuples(r);
        std::vector<Variant> cells;
        cells.reserve(std::size_t(rows) * std::size_t(columns));
        for (int row = 0; row < rows; ++row)
            for (int c = 0; c < columns; ++c) cells.push_back(cellOf(r, row, c, fields[std::size_t(c)].type));
        rs.openRows(std::move(fields), std::move(cells), source);
    }

    // Columns whose name two tables share are named "Table.Column".
    static void qualifySharedNames(std::vector<ado::FieldInfo>& fields) {
        std::map<QString, int> counts;
        for (const auto& f : fields) ++counts[f.name.toLower()];
        for (auto& f : fields)
            if (counts[f.name.toLower()] > 1 && !f.baseTable.isEmpty()) f.name = f.baseTable + u'.' + f.name;
    }

    static constexpr qsizetype kKept = 512;
    PGconn* conn_;
    DialectTranslations translations_;
    QHash<QString, ServerText> texts_;
    std::map<Oid, TableInfo> tables_;
    int prepared_ = 0;
    WriteCounts writes_;
    qint64 stamps_ = 0;
    QByteArray snapshot_;  // the server's snapshot when stamps_ was last counted
};

const char* const kTableInfoSql = R"SQL(
SELECT c.relname, a.attnum, a.attname, t.typname,
       CASE WHEN t.typtype = 'd' THEN t.typbasetype ELSE t.oid END, a.atttypmod, a.attnotnull,
       a.attidentity <> '' OR coalesce(pg_get_expr(d.adbin, d.adrelid), '') LIKE 'nextval(%',
       EXISTS (SELECT 1 FROM pg_index i WHERE i.indrelid = a.attrelid AND i.indisprimary AND a.attnum = ANY (i.indkey)),
       (SELECT min(substring(pg_get_constraintdef(k.oid) FROM 'char_length\(.*\) <= (\d+)')::int)
          FROM pg_constraint k WHERE k.conrelid = a.attrelid AND k.contype = 'c' AND k.conkey = ARRAY[a.attnum]),
       col_description(a.attrelid, a.attnum)
  FROM pg_attribute a
  JOIN pg_class c ON c.oid = a.attrelid
  JOIN pg_type t ON t.oid = a.atttypid
  LEFT JOIN pg_attrdef d ON d.adrelid = a.attrelid AND d.adnum = a.attnum
 WHERE a.attrelid = $1 AND a.attnum > 0 AND NOT a.attisdropped)SQL";

const TableInfo* PostgresBackend::tableInfo(Oid table) {
    if (const auto at = tables_.find(table); at != tables_.end()) return &at->second;
    TableInfo info;
    runNative(QString::fromLatin1(kTableInfoSql), {QByteArray::number(table)}, [&](const PGresult* r) {
        const auto text = [&](int row, int c) { return QString::fromUtf8(PQgetvalue(r, row, c)); };
        for (int row = 0; row < PQntuples(r); ++row) {
            info.name = text(row, 0);
            ColumnInfo col;
            col.baseName = text(row, 2);
            const QString comment = text(row, 10);
            col.name = comment.compare(col.baseName, Qt::CaseInsensitive) == 0 ? comment : col.baseName;
            col.typeName = text(row, 3);
            col.baseType = Oid(text(row, 4).toUInt());
            col.typmod = text(row, 5).toInt();
            col.notNull = text(row, 6) == u"t";
            col.autoIncrement = text(row, 7) == u"t";
            col.key = text(row, 8) == u"t";
            col.size = text(row, 9).toInt();
            if (col.size == 0 && col.baseType == kVarchar && col.typmod > 4) col.size = col.typmod - 4;
            info.columns.emplace(text(row, 1).toInt(), std::move(col));
        }
    });
    if (info.columns.empty()) return nullptr;  // a table that went meanwhile
    return &tables_.emplace(table, std::move(info)).first->second;
}

// Writing back (see sqlite_write_back.h for the rules).
class PostgresWriteBack {
public:
    PostgresWriteBack(PostgresBackend& backend, ado::Recordset& rs)
        : backend_(backend), rs_(rs), fields_(rs.Fields().infos()), target_(writeBackTargetOf(fields_)) {}

    void run() {
        for (const auto& change : rs_.pendingChanges()) {
            if (change.status == ado::RowStatus::Added) insert(change);
            if (change.status == ado::RowStatus::Modified) update(change);
            if (change.status == ado::RowStatus::Deleted) remove(change);
        }
    }
    void undoStoredValues() { stored_.undo(rs_); }
    // Its table; every table when it deletes (a delete may cascade).
    StatementEffects effects() const {
        StatementEffects e{false, {target_.table.toUpper()}};
        for (const auto& change : rs_.pendingChanges()) e.everything |= change.status == ado::RowStatus::Deleted;
        return e;
    }

private:
    using Values = std::vector<std::optional<QByteArray>>;

    const ado::FieldInfo& field(int c) const { return fields_[std::size_t(c)]; }
    QString column(int c) const { return quotedIdentifier(field(c).baseColumn); }
    QString table() const { return quotedIdentifier(target_.table); }

    QString keyCondition(Values& values, std::span<const Variant> original) const {
        if (target_.keys.empty()) raiseMissingKey();
        QStringList parts;
        for (int k : target_.keys) {
            values.push_back(textOf(original[std::size_t(k)]));
            parts << column(k) + QStringLiteral(" = $") + QString::number(values.size());
        }
        return QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
    }

    void mustChangeOne(const PGresult* r) const {
        if (QByteArray(PQcmdTuples(const_cast<PGresult*>(r))) != "1") raiseRowNotFound();
    }

    void insert(const ado::Recordset::PendingChange& change) {
        QStringList names, marks, all;
        Values values;
        for (int c : target_.columns) {
            all << column(c);
            const Variant& v = change.values[std::size_t(c)];
            if (field(c).autoIncrement || v.isEmpty() || v.isNull()) continue;
            names << column(c);
            values.push_back(textOf(v));
            marks << u'$' + QString::number(values.size());
        }
        const QString sql = (names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table())
                                             : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                   .arg(table(), names.join(u", "), marks.join(u", "))) +
                            QStringLiteral(" RETURNING ") + all.join(u", ");
        backend_.runNative(sql, values, [&](const PGresult* r) {
            if (PQntuples(r) != 1) return;
            for (int i = 0; i < int(target_.columns.size()); ++i) {
                const int c = target_.columns[std::size_t(i)];
                const Variant value = cellOf(r, 0, i, field(c).type);
                const Variant before = change.values[std::size_t(c)];
                if (value == before) continue;
                stored_.note(change.row, c, before);
                rs_.setStoredValue(change.row, c, value);
            }
        });
    }

    void update(const ado::Recordset::PendingChange& change) {
        const auto original = change.lookup();
        QStringList sets;
        Values values;
        for (int c : target_.columns) {
            if (change.values[std::size_t(c)] == original[std::size_t(c)]) continue;
            values.push_back(textOf(change.values[std::size_t(c)]));
            sets << column(c) + QStringLiteral(" = $") + QString::number(values.size());
        }
        if (sets.isEmpty()) return;
        const QString sql =
            QStringLiteral("UPDATE %1 SET %2").arg(table(), sets.join(u", ")) + keyCondition(values, original);
        backend_.runNative(sql, values, [&](const PGresult* r) { mustChangeOne(r); });
    }

    void remove(const ado::Recordset::PendingChange& change) {
        const auto original = change.lookup();
        Values values;
        const QString sql = QStringLiteral("DELETE FROM %1").arg(table()) + keyCondition(values, original);
        backend_.runNative(sql, values, [&](const PGresult* r) { mustChangeOne(r); });
    }

    PostgresBackend& backend_;
    ado::Recordset& rs_;
    const std::vector<ado::FieldInfo>& fields_;
    WriteBackTarget target_;
    StoredValues stored_;
};

void PostgresBackend::writeBack(ado::Recordset& rs) {
    if (rs.pendingChanges().empty()) return;
    PostgresWriteBack work(*this, rs);
    writes_.count(work.effects());
    const bool own = !inTransaction();
    command(own ? "BEGIN" : "SAVEPOINT telvarix_write_back");
    try {
        work.run();
        command(own ? "COMMIT" : "RELEASE telvarix_write_back");
    } catch (...) {
        Result r(PQexec(conn_, own ? "ROLLBACK" : "ROLLBACK TO telvarix_write_back; RELEASE telvarix_write_back"));
        work.undoStoredValues();
        throw;
    }
    rs.acceptChanges();
}

}  // namespace

std::vector<std::pair<QString, QString>> serverAddressOptions(const QString& uri) {
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(uri.toUtf8().constData(), &error);
    if (!options) {
        const QString reason = error ? QString::fromUtf8(error).trimmed() : QStringLiteral("out of memory");
        PQfreemem(error);
        throw AutomationError(err::Unspecified,
                              QStringLiteral("The server address is not one libpq can read: %1").arg(reason),
                              QStringLiteral("Connection"));
    }
    std::vector<std::pair<QString, QString>> out;
    for (PQconninfoOption* o = options; o->keyword; ++o)
        if (o->val && *o->val) out.emplace_back(QString::fromUtf8(o->keyword), QString::fromUtf8(o->val));
    PQconninfoFree(options);
    return out;
}

QString describeServer(const QString& uri) {
    QStringList parts;
    try {
        for (const auto& [key, value] : serverAddressOptions(uri))
            if (key == u"host" || key == u"hostaddr" || key == u"port") parts << key + u'=' + value;
    } catch (const AutomationError&) {
        return QStringLiteral("(an address libpq cannot read)");
    }
    return parts.isEmpty() ? QStringLiteral("(the default server)") : parts.join(u' ');
}

std::unique_ptr<ConnectionBackend> postgresBackend(const ServerLogin& login, std::shared_ptr<const SqlDialect> dialect,
                                                   const ConnectionOptions& options) {
    std::vector<QByteArray> keys, values;
    const auto add = [&](const char* key, const QString& value) {
        keys.emplace_back(key);
        values.push_back(value.toUtf8());
    };
    add("dbname", login.server);  // the URI, expanded into its parts
    add("dbname", login.database);
    if (!login.user.isEmpty()) add("user", login.user);
    if (!login.password.isEmpty()) add("password", login.password);
    add("client_encoding", QStringLiteral("UTF8"));
    add("application_name", QStringLiteral("telvarix"));
    add("connect_timeout", QStringLiteral("10"));
    QString settings = QStringLiteral("-c lock_timeout=%1 -c DateStyle=ISO -c IntervalStyle=iso_8601")
                           .arg(std::max(0, options.busyTimeoutMs));
    if (options.asynchronousCommit) settings += QStringLiteral(" -c synchronous_commit=off");
    add("options", settings);
    std::vector<const char*> k, v;
    for (std::size_t i = 0; i < keys.size(); ++i) k.push_back(keys[i].constData()), v.push_back(values[i].constData());
    k.push_back(nullptr), v.push_back(nullptr);
    PGconn* conn = PQconnectdbParams(k.data(), v.data(), 1);
    if (!conn || PQstatus(conn) != CONNECTION_OK) {
        const QString reason =
            conn ? QString::fromUtf8(PQerrorMessage(conn)).trimmed() : QStringLiteral("out of memory");
        PQfinish(conn);
        throw AutomationError(err::Unspecified,
                              QStringLiteral("Cannot open the database '%1' on the PostgreSQL server %2: %3")
                                  .arg(login.database, describeServer(login.server), reason),
                              QStringLiteral("Connection"));
    }
    // The server's notices (a warning as it shuts down, ...) are not ours to print.
    PQsetNoticeProcessor(
        conn, [](void*, const char*) {}, nullptr);
    return std::make_unique<PostgresBackend>(conn, std::move(dialect));
}

}  // namespace tvx::sql
