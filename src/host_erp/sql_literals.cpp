#include "host_erp/sql_literals.h"

namespace tvx::host_erp {

QString sqlText(const QString& text) {
    return QStringLiteral("N'") + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString sqlMoney(Currency value) { return value.toString(); }

QString sqlKeyCondition(const DocumentKey& key) {
    return QStringLiteral("TPDOC = %1 AND SERIE = %2 AND ANO = %3 AND NNUMDOC = %4")
        .arg(sqlText(key.tipo))
        .arg(key.serie)
        .arg(key.ano)
        .arg(key.numero);
}

}  // namespace tvx::host_erp
