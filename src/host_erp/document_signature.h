#pragma once
// Signatures of final documents of signed series: a hash over the
// document's date, the moment it was finalised, its identity and total,
// chained to the signature of the previous final document of its series and
// year, so that a changed or missing document breaks the chain after it.
#include "host_erp/document_key.h"
#include "platform/automation/currency.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

QString documentSignature(const QDate& data, const QDateTime& finalizado, const DocumentKey& key, Currency total,
                          const QString& previous);
// The signature of the final document numbered key.numero - 1 ("" for the first).
QString previousSignature(sql::Connection& db, const DocumentKey& key);

}  // namespace tvx::host_erp
