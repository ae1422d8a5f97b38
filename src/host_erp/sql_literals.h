#pragma once
// Values written into the host's own SQL texts (valid for SQLite and for
// the server): texts as N'...' with their quotes doubled, money in invariant
// decimals.
#include "host_erp/document_key.h"
#include "platform/automation/currency.h"

#include "platform/automation/variant.h"

#include <QString>
#include <vector>

namespace tvx::host_erp {

QString sqlText(const QString& text);
QString sqlMoney(Currency value);
// A condition of a WHERE clause, its values bound to its `?` marks in order,
// so that the text stays the same for every value (the connection keeps its
// prepared statement).
struct SqlCondition {
    QString text;
    std::vector<Variant> values;

    // This condition AND `other`.
    SqlCondition operator&&(const SqlCondition& other) const;
};

// "TPDOC = ? AND SERIE = ? AND ANO = ? AND NNUMDOC = ?" with the key's
// values: the condition on a document table's key columns.
SqlCondition sqlKeyCondition(const DocumentKey& key);

}  // namespace tvx::host_erp
