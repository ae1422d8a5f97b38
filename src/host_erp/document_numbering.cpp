#include "host_erp/document_numbering.h"

#include "host_erp/sql_literals.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"

namespace tvx::host_erp {

namespace {

QString column(NumberSequence sequence) {
    return sequence == NumberSequence::Final ? QStringLiteral("ULTIMONUM") : QStringLiteral("ULTIMOPREP");
}

QString where(const DocumentKey& key) {
    return QStringLiteral(" WHERE TIPODOC = %1 AND SERIE = %2 AND ANO = %3")
        .arg(sqlText(key.tipo))
        .arg(key.serie)
        .arg(key.ano);
}

// The counter row of the series and year, made when the year has none yet.
void ensureCounter(sql::Connection& db, const DocumentKey& key) {
    const auto rs = db.Query(QStringLiteral("SELECT COUNT(*) AS N FROM NUMERACAO") + where(key));
    if (CLng(rs->value(0)) > 0) return;
    db.Execute(QStringLiteral("INSERT INTO NUMERACAO (TIPODOC, SERIE, ANO, ULTIMONUM, ULTIMOPREP) VALUES (%1, %2, %3, 0, 0)")
                   .arg(sqlText(key.tipo))
                   .arg(key.serie)
                   .arg(key.ano));
}

}  // namespace

std::int32_t takeNextNumber(sql::Connection& db, const DocumentKey& key, NumberSequence sequence) {
    ensureCounter(db, key);
    const QString col = column(sequence);
    db.Execute(QStringLiteral("UPDATE NUMERACAO SET %1 = %1 + 1").arg(col) + where(key));
    const auto rs = db.Query(QStringLiteral("SELECT %1 FROM NUMERACAO").arg(col) + where(key));
    return CLng(rs->value(0));
}

void noteNumberTaken(sql::Connection& db, const DocumentKey& key, NumberSequence sequence) {
    ensureCounter(db, key);
    const QString col = column(sequence);
    db.Execute(QStringLiteral("UPDATE NUMERACAO SET %1 = %2").arg(col).arg(key.numero) + where(key) +
               QStringLiteral(" AND %1 < %2").arg(col).arg(key.numero));
}

}  // namespace tvx::host_erp
