#pragma once
// Values written into the host's own SQL texts (valid for SQLite and for
// the server): texts as N'...' with their quotes doubled, money in invariant
// decimals.
#include "host_erp/document_key.h"
#include "platform/automation/currency.h"

#include <QString>

namespace tvx::host_erp {

QString sqlText(const QString& text);
QString sqlMoney(Currency value);
// "TPDOC = N'FT' AND SERIE = 1 AND ANO = 2024 AND NNUMDOC = 12": the
// condition on a document table's key columns.
QString sqlKeyCondition(const DocumentKey& key);

}  // namespace tvx::host_erp
