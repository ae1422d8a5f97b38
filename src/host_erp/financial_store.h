#pragma once
// Financial documents in the company database: a header row in DOCFINCAB
// (its total in TOTDOC, the on-account amount in VALORREG) and one row per
// settled document in DOCFINLIN.
#include "host_erp/document_key.h"
#include "host_erp/financial_document_members.h"
#include "host_erp/financial_document_rules.h"

#include <QDateTime>
#include <memory>
#include <vector>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

// Stores a checked document under `numero`; its ID.
qint64 insertFinancial(sql::Connection& db, const FinancialDraft& d, std::int32_t numero, const QString& utilizador,
                       const QDateTime& now);
// The ID of the document with that key; 0 when none.
qint64 findFinancial(sql::Connection& db, const DocumentKey& key);

struct StoredFinancial {
    qint64 id = 0;
    DocumentKey key;
    std::vector<std::shared_ptr<FinancialLine>> linhas;
};
// Reads document `id` into `cab` (its members replaced) and new line objects.
StoredFinancial loadFinancial(sql::Connection& db, qint64 id, FinancialHeader& cab);
void deleteFinancial(sql::Connection& db, qint64 id);

}  // namespace tvx::host_erp
