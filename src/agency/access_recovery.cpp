// The Access source's writes for runs that must stay exactly-once.
#include "agency/access.h"
#include "agency/recovery_sql.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "platform/sql/connection.h"

namespace tvx {

namespace {

QString fonte(const char* operacao) { return QStringLiteral("Access::") + QLatin1String(operacao); }

std::optional<QString> marcaDe(sql::Connection& ligacao, const QString& sql) {
    const auto rs = ligacao.Query(sql);
    if (rs->RecordCount() == 0) return std::nullopt;
    const Variant marca = rs->value(0);
    return marca.isNull() ? QString() : CStr(marca);
}

}  // namespace

void Access::verificarEscrita() {
    reraiseAs(fonte("verificarEscrita"), [&] { ligacao().Execute(recovery_sql::probeWrite()); });
}

bool Access::marcarTicketSeLivre(std::int32_t id, const QString& sFactura) {
    return reraiseAs(fonte("marcarTicketSeLivre"),
                     [&] { return ligacao().Execute(recovery_sql::markTicketIfFree(id, sFactura)) > 0; });
}

bool Access::marcarTransferenciaSeLivre(std::int32_t id, const QString& sRecibo) {
    return reraiseAs(fonte("marcarTransferenciaSeLivre"),
                     [&] { return ligacao().Execute(recovery_sql::markTransferIfFree(id, sRecibo)) > 0; });
}

std::optional<QString> Access::marcaDoTicket(std::int32_t id) {
    return reraiseAs(fonte("marcaDoTicket"), [&] { return marcaDe(ligacao(), recovery_sql::ticketMark(id)); });
}

std::optional<QString> Access::marcaDaTransferencia(std::int32_t id) {
    return reraiseAs(fonte("marcaDaTransferencia"), [&] { return marcaDe(ligacao(), recovery_sql::transferMark(id)); });
}

bool Access::reciboMarcado(const QString& sRecibo) {
    return reraiseAs(fonte("reciboMarcado"), [&] {
        const auto rs = ligacao().Query(recovery_sql::countTransfersMarked(sRecibo));
        return rs->RecordCount() > 0 && CLng(rs->value(0)) > 0;
    });
}

}  // namespace tvx
