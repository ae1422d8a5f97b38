#include "host_erp/host_catalogue.h"

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"

#include <QHash>

namespace tvx::host_erp {

// Answers read from one catalogue table, kept while the table has not
// changed since they were read.
template <class Key, class Value>
struct TableMemo {
    sql::ChangeStamp stamp;
    quint64 checkedInPin = 0;
    QHash<Key, Value> answers;
};

// What was read of the catalogue, kept with the connection: the document
// rules ask the same questions for every line, and the catalogue rarely
// changes (writing documents does not change it).
struct CatalogueMemo {
    // By table: code -> its row (nullptr: none).
    QHash<QString, TableMemo<QString, std::shared_ptr<ado::Recordset>>> rows;
    TableMemo<QString, std::optional<DocumentType>> documentTypes;
    TableMemo<QString, std::optional<Customer>> customers;
    TableMemo<QString, std::optional<Article>> articles;
    TableMemo<QString, std::optional<Series>> series;
    TableMemo<int, std::optional<VatRate>> vatRates;
    TableMemo<int, QString> currency;
    TableMemo<int, QString> warehouse;
    int pins = 0;
    quint64 pin = 0;       // the outermost pin's number
    qint64 pinOthers = 0;  // other connections' commits when it was taken
};

namespace {

using RowSet = std::shared_ptr<ado::Recordset>;

// The answer kept for `key`, or the one `read` gives (and is kept). The
// table's answers are dropped first when it may have changed, unless a pin
// has already checked it.
template <class Key, class Value, class Read>
Value remembered(sql::Connection& db, TableMemo<Key, Value>& memo, const QString& table, const Key& key, Read read) {
    const CatalogueMemo& all = db.attached<CatalogueMemo>();
    if (all.pins == 0 || memo.checkedInPin != all.pin) {
        // Within a pin the others' commits are those seen when it was taken:
        // what is read now is no older than that.
        const sql::ChangeStamp now =
            all.pins > 0 ? sql::ChangeStamp{db.ownWrites(table), all.pinOthers} : db.changeStamp(table);
        if (!(now == memo.stamp)) {
            memo.answers.clear();
            memo.stamp = now;
        }
        memo.checkedInPin = all.pins > 0 ? all.pin : 0;
    }
    if (const auto at = memo.answers.constFind(key); at != memo.answers.cend()) return *at;
    return *memo.answers.insert(key, read());
}

CatalogueMemo& memo(sql::Connection& db) { return db.attached<CatalogueMemo>(); }

// The first row of `sql`, or nullptr when it yields none.
RowSet firstRow(sql::Connection& db, const QString& sql, const std::vector<Variant>& parameters = {}) {
    RowSet rs = db.Query(sql, parameters);
    return rs && rs->State() == ado::adStateOpen && rs->RecordCount() > 0 ? rs : nullptr;
}

RowSet readByCode(sql::Connection& db, const QString& table, const QString& codigo) {
    return firstRow(db, QStringLiteral("SELECT * FROM %1 WHERE CODIGO = ?").arg(table), {Variant(codigo)});
}

RowSet rowByCode(sql::Connection& db, const QString& table, const QString& codigo) {
    return remembered(db, memo(db).rows[table], table, codigo, [&] { return readByCode(db, table, codigo); });
}

QString text(const RowSet& rs, const char* column) {
    const Variant v = rs->value(QLatin1String(column));
    return v.isNull() ? QString() : CStr(v);
}

int number(const RowSet& rs, const char* column) {
    const Variant v = rs->value(QLatin1String(column));
    return v.isNull() ? 0 : CLng(v);
}

bool flag(const RowSet& rs, const char* column) {
    const Variant v = rs->value(QLatin1String(column));
    return !v.isNull() && CBool(v);
}

}  // namespace

CataloguePin::CataloguePin(sql::Connection& db) : db_(db), memo_(&memo(db)) {
    if (memo_->pins > 0) {
        ++memo_->pins;
        return;
    }
    memo_->pinOthers = db.othersCommits();
    memo_->pins = 1;
    ++memo_->pin;
}

qint64 CataloguePin::othersCommits() const { return memo_->pinOthers; }

CataloguePin::~CataloguePin() {
    if (db_.isOpen() && &memo(db_) == memo_) --memo_->pins;  // gone with a connection closed meanwhile
}

std::optional<DocumentType> documentType(sql::Connection& db, const QString& codigo) {
    const QString table = QStringLiteral("TPDOC");
    return remembered(db, memo(db).documentTypes, table, codigo, [&]() -> std::optional<DocumentType> {
        const RowSet rs = readByCode(db, table, codigo);
        if (!rs) return std::nullopt;
        return DocumentType{text(rs, "CODIGO"),    text(rs, "DESCR"),       number(rs, "AREAG"),
                            number(rs, "TPOPER"),  number(rs, "NATCONTA"),  number(rs, "SINALCT"),
                            text(rs, "CATEGORIA"), flag(rs, "CERTIFICADO"), text(rs, "DIARIO"),
                            flag(rs, "ACTIVO")};
    });
}

std::optional<Series> series(sql::Connection& db, const QString& tipo, int serie) {
    const QString key = tipo + u'\n' + QString::number(serie);
    return remembered(db, memo(db).series, QStringLiteral("NOMSERIE"), key, [&]() -> std::optional<Series> {
        const RowSet rs = firstRow(db, QStringLiteral("SELECT * FROM NOMSERIE WHERE TIPODOC = ? AND SERIE = ?"),
                                   {Variant(tipo), Variant(std::int32_t(serie))});
        if (!rs) return std::nullopt;
        return Series{text(rs, "DESCR"), flag(rs, "ASSINADA"), flag(rs, "ACTIVA")};
    });
}

std::optional<Customer> customer(sql::Connection& db, const QString& codigo) {
    const QString table = QStringLiteral("CLIENTES");
    return remembered(db, memo(db).customers, table, codigo, [&]() -> std::optional<Customer> {
        const RowSet rs = readByCode(db, table, codigo);
        if (!rs) return std::nullopt;
        return Customer{text(rs, "CODIGO"), text(rs, "NOME"), text(rs, "NCONTRIB"), text(rs, "CONTACTB"),
                        flag(rs, "ACTIVO")};
    });
}

std::optional<Article> article(sql::Connection& db, const QString& codigo) {
    const QString table = QStringLiteral("ARTIGOS");
    return remembered(db, memo(db).articles, table, codigo, [&]() -> std::optional<Article> {
        const RowSet rs = readByCode(db, table, codigo);
        if (!rs) return std::nullopt;
        return Article{text(rs, "CODIGO"),
                       text(rs, "NOME"),
                       number(rs, "TIPOIVA"),
                       text(rs, "MOTISENCAO"),
                       CCur(rs->value(QStringLiteral("PRECO"))),
                       flag(rs, "MOVSTOCK"),
                       text(rs, "CONTACTB"),
                       flag(rs, "ACTIVO")};
    });
}

std::optional<VatRate> vatRate(sql::Connection& db, int tipoIva) {
    return remembered(db, memo(db).vatRates, QStringLiteral("TAXAS_IVA"), tipoIva, [&]() -> std::optional<VatRate> {
        const RowSet rs =
            firstRow(db, QStringLiteral("SELECT * FROM TAXAS_IVA WHERE CODIGO = ?"), {Variant(std::int32_t(tipoIva))});
        if (!rs) return std::nullopt;
        return VatRate{tipoIva, CDbl(rs->value(QStringLiteral("TAXA"))), text(rs, "CONTACTB")};
    });
}

bool hasCode(sql::Connection& db, const QString& table, const QString& codigo) {
    return rowByCode(db, table, codigo) != nullptr;
}

QString accountOf(sql::Connection& db, const QString& table, const QString& codigo) {
    const RowSet rs = rowByCode(db, table, codigo);
    return rs ? text(rs, "CONTACTB") : QString();
}

QString companyCurrency(sql::Connection& db) {
    return remembered(db, memo(db).currency, QStringLiteral("EMPRESA"), 0, [&] {
        const RowSet rs = firstRow(db, QStringLiteral("SELECT MOEDA FROM EMPRESA"));
        return rs ? text(rs, "MOEDA") : QStringLiteral("EUR");
    });
}

QString firstWarehouse(sql::Connection& db) {
    return remembered(db, memo(db).warehouse, QStringLiteral("ARMAZENS"), 0, [&] {
        const RowSet rs = firstRow(db, QStringLiteral("SELECT CODIGO FROM ARMAZENS ORDER BY CODIGO"));
        return rs ? text(rs, "CODIGO") : QString();
    });
}

}  // namespace tvx::host_erp
