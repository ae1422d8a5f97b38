#include "host_erp/accounting_store.h"

#include "host_erp/document_rows.h"
#include "host_erp/sql_literals.h"
#include "platform/ado/recordset.h"
#include "platform/sql/connection.h"

namespace tvx::host_erp {

namespace {

const QString kHeaders = QStringLiteral("MOVCTBCAB");
const QString kLines = QStringLiteral("MOVCTBLIN");

SqlCondition whereDocument(const QString& area, const DocumentKey& key) {
    return SqlCondition{QStringLiteral("AREA = ?"), {Variant(area)}} && sqlKeyCondition(key);
}

}  // namespace

bool hasEntry(sql::Connection& db, const QString& area, const DocumentKey& key) {
    return firstId(db, kHeaders, whereDocument(area, key)) != 0;
}

qint64 insertEntry(sql::Connection& db, const AccountingEntry& entry, const QDateTime& now) {
    const auto header = [&](ado::Recordset& rs) {
        setColumns(rs, {{"AREA", entry.area},
                        {"TPDOC", entry.key.tipo},
                        {"ANO", entry.key.ano},
                        {"SERIE", entry.key.serie},
                        {"NNUMDOC", entry.key.numero},
                        {"DATA", Variant::fromDate(entry.data)},
                        {"DIARIO", entry.diario},
                        {"DESCR", entry.descr},
                        {"TOTDEBITO", entry.total(u'D')},
                        {"TOTCREDITO", entry.total(u'C')},
                        {"DATACRIACAO", Variant::fromDateTime(now)}});
    };
    const auto line = [&](NewLine& rs, qint64 id, std::size_t i) {
        const EntryLine& l = entry.linhas[i];
        setColumns(rs, {{"IDCAB", std::int32_t(id)},
                        {"NUMLINHA", std::int32_t(i + 1)},
                        {"CONTA", l.conta},
                        {"NATUREZA", QString(l.natureza)},
                        {"VALOR", l.valor},
                        {"DESCR", l.descr}});
    };
    return idOf(*insertWithLines(db, kHeaders, kLines, header, entry.linhas.size(), line));
}

void deleteEntryOf(sql::Connection& db, const QString& area, const DocumentKey& key) {
    const qint64 id = firstId(db, kHeaders, whereDocument(area, key));
    if (id == 0) return;
    deleteWithLines(db, kHeaders, kLines, id);
}

}  // namespace tvx::host_erp
