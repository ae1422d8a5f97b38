#include "host_erp/document_numbering.h"

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"

namespace tvx::host_erp {

namespace {

QString column(NumberSequence sequence) {
    return sequence == NumberSequence::Final ? QStringLiteral("ULTIMONUM") : QStringLiteral("ULTIMOPREP");
}

const QString kWhere = QStringLiteral(" WHERE TIPODOC = ? AND SERIE = ? AND ANO = ?");

std::vector<Variant> keyOf(const DocumentKey& key) {
    return {Variant(key.tipo), Variant(std::int32_t(key.serie)), Variant(std::int32_t(key.ano))};
}

// The counter row of the series and year, made when the year has none yet.
// Two workstations making it at once (on a server) both go on: the second
// insert waits for the first and then does nothing.
void ensureCounter(sql::Connection& db, const DocumentKey& key) {
    const auto rs = db.Query(QStringLiteral("SELECT COUNT(*) AS N FROM NUMERACAO") + kWhere, keyOf(key));
    if (CLng(rs->value(0)) > 0) return;
    db.Execute(
        QStringLiteral("INSERT INTO NUMERACAO (TIPODOC, SERIE, ANO, ULTIMONUM, ULTIMOPREP) VALUES (?, ?, ?, 0, 0) "
                       "ON CONFLICT DO NOTHING"),
        keyOf(key));
}

}  // namespace

std::int32_t takeNextNumber(sql::Connection& db, const DocumentKey& key, NumberSequence sequence) {
    ensureCounter(db, key);
    const QString col = column(sequence);
    // The update locks the counter row until the document's transaction ends: a
    // second workstation's update waits, then counts on from the number taken.
    const auto rs = db.Query(
        QStringLiteral("UPDATE NUMERACAO SET %1 = %1 + 1").arg(col) + kWhere + QStringLiteral(" RETURNING %1").arg(col),
        keyOf(key));
    return CLng(rs->value(0));
}

void noteNumberTaken(sql::Connection& db, const DocumentKey& key, NumberSequence sequence) {
    ensureCounter(db, key);
    const QString col = column(sequence);
    std::vector<Variant> values{Variant(key.numero)};
    for (Variant& v : keyOf(key)) values.push_back(std::move(v));
    values.push_back(Variant(key.numero));
    db.Execute(QStringLiteral("UPDATE NUMERACAO SET %1 = ?").arg(col) + kWhere + QStringLiteral(" AND %1 < ?").arg(col),
               values);
}

}  // namespace tvx::host_erp
