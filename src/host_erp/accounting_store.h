#pragma once
// Journal entries in the company database: MOVCTBCAB (one per document and
// area) and its debit and credit lines in MOVCTBLIN.
#include "host_erp/accounting_entry.h"

#include <QDateTime>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

// Whether the document already has its entry.
bool hasEntry(sql::Connection& db, const QString& area, const DocumentKey& key);
// Stores the entry; its ID.
qint64 insertEntry(sql::Connection& db, const AccountingEntry& entry, const QDateTime& now);
// Removes the document's entry, when it has one.
void deleteEntryOf(sql::Connection& db, const QString& area, const DocumentKey& key);

}  // namespace tvx::host_erp
