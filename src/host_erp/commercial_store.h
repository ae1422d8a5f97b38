#pragma once
// Commercial documents in the company database: a header row in DOCGCCAB
// and its lines in DOCGCLIN. A document in preparation (EMPREPARACAO 1)
// carries its preparation number in NNUMDOC; finalising it gives NNUMDOC
// its final number. Both kinds share DOCGCCAB, and a preparation number
// may equal a final one, so a lookup by type, series, year and number
// meets the final document first (the unique key orders EMPREPARACAO 0
// before 1). The header also carries what settling it needs: TOTDOC,
// VALORPAGO (the amount receipts have settled so far) and AREAG, TPOPER,
// NATCONTA, SINALCT copied from the document type.
#include "host_erp/commercial_document_members.h"
#include "host_erp/commercial_document_rules.h"
#include "host_erp/document_key.h"
#include "platform/automation/currency.h"

#include <QDateTime>
#include <memory>
#include <optional>
#include <vector>

namespace tvx::ado {
class Recordset;
}
namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

// Stores a checked document in preparation under `numero`; its header row
// as stored (readCommercialHeader reads it).
std::shared_ptr<ado::Recordset> insertCommercial(sql::Connection& db, const CommercialDraft& d, std::int32_t numero,
                                                 const QString& utilizador, const QDateTime& now);
// The ID of the document with that key, final or in preparation; 0 when none.
qint64 findCommercial(sql::Connection& db, const DocumentKey& key, bool emPreparacao);

// A stored document as its object shows it.
struct StoredCommercial {
    qint64 id = 0;
    bool emPreparacao = true;
    DocumentKey key;
    Currency total;      // TOTDOC
    Currency valorPago;  // VALORPAGO
    Variant origem;
    std::vector<std::shared_ptr<CommercialLine>> linhas;
};
// Reads document `id` into `cab` (its members replaced) and new line objects.
StoredCommercial loadCommercial(sql::Connection& db, qint64 id, CommercialHeader& cab);
// The same without the lines (linhas stays empty).
StoredCommercial loadCommercialHeader(sql::Connection& db, qint64 id, CommercialHeader& cab);
// A header row already read (or just stored) into `cab`; linhas stays empty.
StoredCommercial readCommercialHeader(const ado::Recordset& header, CommercialHeader& cab);

// Turns document `id` into the final document `numero`.
void markFinal(sql::Connection& db, qint64 id, std::int32_t numero, const QString& assinatura, const QDateTime& now);
void deleteCommercial(sql::Connection& db, qint64 id);

}  // namespace tvx::host_erp
