#pragma once
// The real Access source with a probe before each of its writes (markers,
// receipt references, batches, recovery marks), so that a test can make a
// chosen write fail or end the process there as a crash would.
#include "agency/access.h"

#include <functional>

namespace tvx::testing {

class ProbedAccess : public Access {
public:
    using Probe = std::function<void(const char*)>;
    explicit ProbedAccess(Probe probe) : probe_(std::move(probe)) {}

    void UpdateTktIssued(std::int32_t Id, const QString& sFactura) override;
    void UpdateMovBancarioComRecibo(std::int32_t Id, const QString& sRecibo) override;
    bool beginMarkers() override;
    void commitMarkers() override;
    void verificarEscrita() override;
    bool marcarTicketSeLivre(std::int32_t id, const QString& sFactura) override;
    bool marcarTransferenciaSeLivre(std::int32_t id, const QString& sRecibo) override;

private:
    void sondar(const char* chamada) const {
        if (probe_) probe_(chamada);
    }
    Probe probe_;
};

}  // namespace tvx::testing
