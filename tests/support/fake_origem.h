#pragma once
// An agency source that hands out prepared record sets (the tickets, or the
// pending transfers for "Extratos_bancos") and records every call, in order,
// as "Member(arguments)", and the markers it was given: invoice markers of
// tickets and receipt references of transfers. A marker can be made to fail
// for chosen IDs, the opening to fail with a chosen error; closing a source
// that never opened does nothing, as the agency's does.
#include "agency/origem_dados.h"
#include "agency/source_writes.h"
#include "platform/automation/automation_error.h"

#include <QStringList>
#include <map>
#include <optional>
#include <set>

namespace tvx::testing {

class FakeOrigem : public OrigemDados, public SourceWrites {
public:
    bool ConnectionOpen(const QString& sDataSource, const QString& sUser, const QString& sPassWord) override;
    bool ConnectionClose() override;
    std::shared_ptr<ado::Recordset> GetRecordSet(const QString& sTable) override;
    void UpdateTktIssued(std::int32_t Id, const QString& sFactura) override;
    void UpdateMovBancarioComRecibo(std::int32_t Id, const QString& sRecibo) override;
    void UpdateTktIssuedFacturaFinalizada(const QString& sRefFact, const QString& sCliente,
                                          const QString& sFactura) override;
    std::shared_ptr<Collection> GetTabelas() override { return std::make_shared<Collection>(); }
    // The exactly-once writes: the check is recorded (and fails as a marker
    // of `falhaEscrita` would); the conditional marks write only where none is.
    void verificarEscrita() override;
    bool marcarTicketSeLivre(std::int32_t id, const QString& sFactura) override;
    bool marcarTransferenciaSeLivre(std::int32_t id, const QString& sRecibo) override;
    // A row's mark: the one in marcas/recibos, "" for none; no value for an ID of `semRegisto`.
    std::optional<QString> marcaDoTicket(std::int32_t id) override;
    std::optional<QString> marcaDaTransferencia(std::int32_t id) override;
    bool reciboMarcado(const QString& sRecibo) override;

    std::shared_ptr<ado::Recordset> tickets;
    std::shared_ptr<ado::Recordset> transferencias;
    std::set<std::int32_t> falhaMarca;  // IDs whose marker (invoice or receipt) cannot be written
    std::set<std::int32_t> semRegisto;  // IDs the source has no row of
    std::optional<AutomationError> falhaAbrir;
    bool falhaEscrita = false;  // the source cannot be written at all
    bool open = false;
    QStringList calls;
    std::map<std::int32_t, QString> marcas;   // ticket ID -> invoice marker
    std::map<std::int32_t, QString> recibos;  // transfer ID -> receipt
};

}  // namespace tvx::testing
