#pragma once
// The agency source seen by the runs: the Access database (`Access`) or, in the
// hidden CSV mode, a ticket file (`CSV`). Both offer the same seven operations
// and raise failures under "Access::" or "CSV::" + the operation's name.
#include "platform/ado/recordset.h"
#include "platform/automation/collection.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace tvx {

class OrigemDados : public AutomationObject {
public:
    // sUser and sPassWord are always empty from the runs.
    virtual bool ConnectionOpen(const QString& sDataSource, const QString& sUser, const QString& sPassWord) = 0;
    virtual bool ConnectionClose() = 0;
    // "TKT Issued" (tickets to invoice) or "Extratos_bancos" (pending transfers)
    // for Access; the ticket file's path for CSV.
    virtual std::shared_ptr<ado::Recordset> GetRecordSet(const QString& sTable) = 0;
    // Writes an invoice marker into a ticket.
    virtual void UpdateTktIssued(std::int32_t Id, const QString& sFactura) = 0;
    // Writes a receipt reference into a transfer.
    virtual void UpdateMovBancarioComRecibo(std::int32_t Id, const QString& sRecibo) = 0;
    // Replaces the provisional marker of the tickets of one reference and account.
    virtual void UpdateTktIssuedFacturaFinalizada(const QString& sRefFact, const QString& sCliente,
                                                  const QString& sFactura) = 0;
    // Names of the source's tables.
    virtual std::shared_ptr<Collection> GetTabelas() = 0;
};

}  // namespace tvx
