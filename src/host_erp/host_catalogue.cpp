#include "host_erp/host_catalogue.h"

#include "host_erp/sql_literals.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"

namespace tvx::host_erp {

namespace {

using RowSet = std::shared_ptr<ado::Recordset>;

// The first row of `sql`, or nullptr when it yields none.
RowSet firstRow(sql::Connection& db, const QString& sql) {
    RowSet rs = db.Query(sql);
    return rs && rs->State() == ado::adStateOpen && rs->RecordCount() > 0 ? rs : nullptr;
}

RowSet rowByCode(sql::Connection& db, const QString& table, const QString& codigo) {
    return firstRow(db, QStringLiteral("SELECT * FROM %1 WHERE CODIGO = %2").arg(table, sqlText(codigo)));
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

std::optional<DocumentType> documentType(sql::Connection& db, const QString& codigo) {
    const RowSet rs = rowByCode(db, QStringLiteral("TPDOC"), codigo);
    if (!rs) return std::nullopt;
    return DocumentType{text(rs, "CODIGO"),   text(rs, "DESCR"),     number(rs, "AREAG"),
                        number(rs, "TPOPER"), number(rs, "NATCONTA"), number(rs, "SINALCT"),
                        text(rs, "CATEGORIA"), flag(rs, "CERTIFICADO"), text(rs, "DIARIO"),
                        flag(rs, "ACTIVO")};
}

std::optional<Series> series(sql::Connection& db, const QString& tipo, int serie) {
    const RowSet rs = firstRow(
        db, QStringLiteral("SELECT * FROM NOMSERIE WHERE TIPODOC = %1 AND SERIE = %2").arg(sqlText(tipo)).arg(serie));
    if (!rs) return std::nullopt;
    return Series{text(rs, "DESCR"), flag(rs, "ASSINADA"), flag(rs, "ACTIVA")};
}

std::optional<Customer> customer(sql::Connection& db, const QString& codigo) {
    const RowSet rs = rowByCode(db, QStringLiteral("CLIENTES"), codigo);
    if (!rs) return std::nullopt;
    return Customer{text(rs, "CODIGO"), text(rs, "NOME"), text(rs, "NCONTRIB"), text(rs, "CONTACTB"),
                    flag(rs, "ACTIVO")};
}

std::optional<Article> article(sql::Connection& db, const QString& codigo) {
    const RowSet rs = rowByCode(db, QStringLiteral("ARTIGOS"), codigo);
    if (!rs) return std::nullopt;
    return Article{text(rs, "CODIGO"),     text(rs, "NOME"),    number(rs, "TIPOIVA"),
                   text(rs, "MOTISENCAO"), CCur(rs->value(QStringLiteral("PRECO"))), flag(rs, "MOVSTOCK"),
                   text(rs, "CONTACTB"),   flag(rs, "ACTIVO")};
}

std::optional<VatRate> vatRate(sql::Connection& db, int tipoIva) {
    const RowSet rs = firstRow(db, QStringLiteral("SELECT * FROM TAXAS_IVA WHERE CODIGO = %1").arg(tipoIva));
    if (!rs) return std::nullopt;
    return VatRate{tipoIva, CDbl(rs->value(QStringLiteral("TAXA"))), text(rs, "CONTACTB")};
}

bool hasCode(sql::Connection& db, const QString& table, const QString& codigo) {
    return rowByCode(db, table, codigo) != nullptr;
}

QString accountOf(sql::Connection& db, const QString& table, const QString& codigo) {
    const RowSet rs = rowByCode(db, table, codigo);
    return rs ? text(rs, "CONTACTB") : QString();
}

QString companyCurrency(sql::Connection& db) {
    const RowSet rs = firstRow(db, QStringLiteral("SELECT MOEDA FROM EMPRESA"));
    return rs ? text(rs, "MOEDA") : QStringLiteral("EUR");
}

QString firstWarehouse(sql::Connection& db) {
    const RowSet rs = firstRow(db, QStringLiteral("SELECT CODIGO FROM ARMAZENS ORDER BY CODIGO"));
    return rs ? text(rs, "CODIGO") : QString();
}

}  // namespace tvx::host_erp
