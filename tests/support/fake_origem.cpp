#include "support/fake_origem.h"

namespace tvx::testing {

namespace {

// What the agency file answers when it cannot write.
AutomationError discoCheio(const char* membro) {
    return AutomationError(-2147467259, QStringLiteral("Disco cheio"),
                           QStringLiteral("Access::") + QString::fromLatin1(membro));
}

std::optional<QString> marcaEm(const std::map<std::int32_t, QString>& marcas, const std::set<std::int32_t>& semRegisto,
                               std::int32_t id) {
    if (semRegisto.count(id)) return std::nullopt;
    const auto it = marcas.find(id);
    return it == marcas.end() ? QString() : it->second;
}

}  // namespace

bool FakeOrigem::ConnectionOpen(const QString& sDataSource, const QString& sUser, const QString& sPassWord) {
    calls << QStringLiteral("ConnectionOpen(%1,%2,%3)").arg(sDataSource, sUser, sPassWord);
    if (falhaAbrir) throw falhaAbrir->withSource(QStringLiteral("Access::ConnectionOpen"));
    open = true;
    return true;
}

bool FakeOrigem::ConnectionClose() {
    calls << QStringLiteral("ConnectionClose");
    open = false;  // closing a source that never opened does nothing, as Access's does
    return true;
}

std::shared_ptr<ado::Recordset> FakeOrigem::GetRecordSet(const QString& sTable) {
    calls << QStringLiteral("GetRecordSet(%1)").arg(sTable);
    return sTable == u"Extratos_bancos" ? transferencias : tickets;
}

void FakeOrigem::UpdateTktIssued(std::int32_t Id, const QString& sFactura) {
    calls << QStringLiteral("UpdateTktIssued(%1,%2)").arg(Id).arg(sFactura);
    if (falhaMarca.count(Id)) throw discoCheio("UpdateTktIssued");
    marcas[Id] = sFactura;
}

void FakeOrigem::UpdateMovBancarioComRecibo(std::int32_t Id, const QString& sRecibo) {
    calls << QStringLiteral("UpdateMovBancarioComRecibo(%1,%2)").arg(Id).arg(sRecibo);
    if (falhaMarca.count(Id)) throw discoCheio("UpdateMovBancarioComRecibo");
    recibos[Id] = sRecibo;
}

void FakeOrigem::UpdateTktIssuedFacturaFinalizada(const QString& sRefFact, const QString& sCliente,
                                                  const QString& sFactura) {
    calls << QStringLiteral("UpdateTktIssuedFacturaFinalizada(%1,%2,%3)").arg(sRefFact, sCliente, sFactura);
}

void FakeOrigem::verificarEscrita() {
    calls << QStringLiteral("verificarEscrita");
    if (falhaEscrita) throw discoCheio("verificarEscrita");
}

bool FakeOrigem::marcarTicketSeLivre(std::int32_t id, const QString& sFactura) {
    calls << QStringLiteral("marcarTicketSeLivre(%1,%2)").arg(id).arg(sFactura);
    if (falhaMarca.count(id)) throw discoCheio("marcarTicketSeLivre");
    return !semRegisto.count(id) && marcas.emplace(id, sFactura).second;
}

bool FakeOrigem::marcarTransferenciaSeLivre(std::int32_t id, const QString& sRecibo) {
    calls << QStringLiteral("marcarTransferenciaSeLivre(%1,%2)").arg(id).arg(sRecibo);
    if (falhaMarca.count(id)) throw discoCheio("marcarTransferenciaSeLivre");
    return !semRegisto.count(id) && recibos.emplace(id, sRecibo).second;
}

std::optional<QString> FakeOrigem::marcaDoTicket(std::int32_t id) { return marcaEm(marcas, semRegisto, id); }

std::optional<QString> FakeOrigem::marcaDaTransferencia(std::int32_t id) { return marcaEm(recibos, semRegisto, id); }

bool FakeOrigem::reciboMarcado(const QString& sRecibo) {
    for (const auto& [id, recibo] : recibos)
        if (recibo == sRecibo) return true;
    return false;
}

}  // namespace tvx::testing
