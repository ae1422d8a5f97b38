#include "agency/recovery_sql.h"

#include "platform/sql/sql_quote.h"

namespace tvx::recovery_sql {

QString probeWrite() { return QStringLiteral("UPDATE [TKT Issued] SET [Factura] = [Factura] WHERE 1=0"); }

QString markTicketIfFree(std::int32_t id, const QString& sFactura) {
    return QStringLiteral("UPDATE [TKT Issued] SET [Factura] = %1 WHERE ([ID]=%2) AND ([Factura] IS NULL)")
        .arg(sql::sqlQuoted(sFactura), QString::number(id));
}

QString markTransferIfFree(std::int32_t id, const QString& sRecibo) {
    return QStringLiteral(
               "UPDATE [Transferencias] SET [estado_importado] = %1 WHERE ([Transferencias.ID]=%2) AND "
               "(([estado_importado] IS NULL) OR ([estado_importado]=''))")
        .arg(sql::sqlQuoted(sRecibo), QString::number(id));
}

QString ticketMark(std::int32_t id) {
    return QStringLiteral("SELECT [Factura] AS MARCA FROM [TKT Issued] WHERE [ID]=%1").arg(id);
}

QString transferMark(std::int32_t id) {
    return QStringLiteral("SELECT [estado_importado] AS MARCA FROM [Transferencias] WHERE [Transferencias.ID]=%1")
        .arg(id);
}

QString countTransfersMarked(const QString& sRecibo) {
    return QStringLiteral("SELECT COUNT(*) AS N FROM [Transferencias] WHERE [estado_importado]=%1")
        .arg(sql::sqlQuoted(sRecibo));
}

}  // namespace tvx::recovery_sql
