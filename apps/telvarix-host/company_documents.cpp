#include "telvarix-host/company_documents.h"

#include "host_api/dal_ligacao.h"
#include "platform/ado/recordset.h"
#include "telvarix-host/host_session.h"

namespace tvx::host_app {

namespace {

const QString Invoices = QStringLiteral(
    "SELECT TPDOC, SERIE, ANO, NNUMDOC, "
    "CASE WHEN EMPREPARACAO = 1 THEN 'Em preparação' ELSE 'Finalizada' END AS ESTADO, "
    "DATA, Terceiro, NOME, VOSSONDOC, TOTDOC FROM DOCGCCAB");

std::shared_ptr<ado::Recordset> query(HostSession& session, const QString& sql) {
    std::shared_ptr<ado::Recordset> rs;
    session.ligacao().Consultar(QString(), sql, rs, -1, 0);
    return rs;
}

}  // namespace

std::shared_ptr<ado::Recordset> salesInvoices(HostSession& session) {
    return query(session, Invoices + QStringLiteral(" ORDER BY ID DESC"));
}

std::shared_ptr<ado::Recordset> invoicesInPreparation(HostSession& session) {
    return query(session, Invoices + QStringLiteral(" WHERE EMPREPARACAO = 1 ORDER BY ID"));
}

std::shared_ptr<ado::Recordset> receipts(HostSession& session) {
    return query(session, QStringLiteral("SELECT F.TPDOC, F.SERIE, F.ANO, F.NNUMDOC, F.DATA, F.Terceiro, C.NOME, "
                                         "F.TOTDOC FROM DOCFINCAB F LEFT JOIN CLIENTES C ON C.CODIGO = F.Terceiro "
                                         "ORDER BY F.ID DESC"));
}

}  // namespace tvx::host_app
