#pragma once
// The agency source the entry object creates by name ("Telvarix.Access"),
// as the fake host registers it: it logs its calls to the host, opens or
// fails as the host's script says and has no ticket to import (so none to
// mark: its exactly-once writes do nothing).
#include "agency/origem_dados.h"
#include "agency/source_writes.h"
#include "support/fake_host_part.h"

namespace tvx::testing {

class FakeAccess : public OrigemDados, public SourceWrites, public FakeHostPart {
public:
    explicit FakeAccess(FakeHost& h) : FakeHostPart(h, QStringLiteral("Access")) {}
    bool ConnectionOpen(const QString& d, const QString& u, const QString& p) override;
    bool ConnectionClose() override;
    std::shared_ptr<ado::Recordset> GetRecordSet(const QString& t) override;
    void UpdateTktIssued(std::int32_t, const QString&) override {}
    void UpdateMovBancarioComRecibo(std::int32_t, const QString&) override {}
    void UpdateTktIssuedFacturaFinalizada(const QString&, const QString&, const QString&) override {}
    std::shared_ptr<Collection> GetTabelas() override { return nullptr; }
    void verificarEscrita() override {}
    bool marcarTicketSeLivre(std::int32_t, const QString&) override { return false; }
    bool marcarTransferenciaSeLivre(std::int32_t, const QString&) override { return false; }
    std::optional<QString> marcaDoTicket(std::int32_t) override { return std::nullopt; }
    std::optional<QString> marcaDaTransferencia(std::int32_t) override { return std::nullopt; }
    bool reciboMarcado(const QString&) override { return false; }
};

}  // namespace tvx::testing
