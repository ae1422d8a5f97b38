#include "host_erp/document_signature.h"

#include "host_erp/document_rows.h"
#include "host_erp/sql_literals.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"

#include <QCryptographicHash>

namespace tvx::host_erp {

QString documentSignature(const QDate& data, const QDateTime& finalizado, const DocumentKey& key, Currency total,
                          const QString& previous) {
    const QString text = QStringLiteral("%1;%2;%3;%4;%5")
                             .arg(data.toString(Qt::ISODate), finalizado.toString(Qt::ISODate), describe(key),
                                  total.toString(), previous);
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toBase64());
}

QString previousSignature(sql::Connection& db, const DocumentKey& key) {
    DocumentKey previous = key;
    previous.numero = key.numero - 1;
    const RowSet rs = rowsOf(db, QStringLiteral("DOCGCCAB"),
                             sqlKeyCondition(previous) && SqlCondition{QStringLiteral("EMPREPARACAO = 0"), {}});
    return rs->RecordCount() > 0 ? CStr(rs->value(QStringLiteral("ASSINATURA"))) : QString();
}

}  // namespace tvx::host_erp
