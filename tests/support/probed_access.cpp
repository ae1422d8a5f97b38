#include "support/probed_access.h"

namespace tvx::testing {

void ProbedAccess::UpdateTktIssued(std::int32_t Id, const QString& sFactura) {
    sondar("Access.UpdateTktIssued");
    Access::UpdateTktIssued(Id, sFactura);
}

void ProbedAccess::UpdateMovBancarioComRecibo(std::int32_t Id, const QString& sRecibo) {
    sondar("Access.UpdateMovBancarioComRecibo");
    Access::UpdateMovBancarioComRecibo(Id, sRecibo);
}

bool ProbedAccess::beginMarkers() {
    sondar("Access.beginMarkers");
    return Access::beginMarkers();
}

void ProbedAccess::commitMarkers() {
    sondar("Access.commitMarkers");
    Access::commitMarkers();
}

void ProbedAccess::verificarEscrita() {
    sondar("Access.verificarEscrita");
    Access::verificarEscrita();
}

bool ProbedAccess::marcarTicketSeLivre(std::int32_t id, const QString& sFactura) {
    sondar("Access.marcarTicketSeLivre");
    return Access::marcarTicketSeLivre(id, sFactura);
}

bool ProbedAccess::marcarTransferenciaSeLivre(std::int32_t id, const QString& sRecibo) {
    sondar("Access.marcarTransferenciaSeLivre");
    return Access::marcarTransferenciaSeLivre(id, sRecibo);
}

}  // namespace tvx::testing
