#pragma once
// What the runs need of the agency source to keep each ticket in exactly one
// invoice and each transfer in exactly one receipt: a check, before anything
// is stored, that the source can take marks at all, and the marks of a run
// that stopped half-way, written again only where the row has none yet (a
// ticket whose invoice was finalised since then keeps its final marker).
#include <QString>
#include <cstdint>
#include <optional>

namespace tvx {

class SourceWrites {
public:
    virtual ~SourceWrites() = default;
    // Raises when the source cannot be written (a read-only file, another
    // program holding it), so that a run stores no document it could not mark.
    virtual void verificarEscrita() = 0;
    // The ticket's marker, when it has none yet; true when it was written.
    virtual bool marcarTicketSeLivre(std::int32_t id, const QString& sFactura) = 0;
    // The transfer's receipt reference, when it has none yet; true when written.
    virtual bool marcarTransferenciaSeLivre(std::int32_t id, const QString& sRecibo) = 0;
    // The mark a row carries now ("" for none), when a conditional mark wrote
    // nothing; no value when the source has no such row.
    virtual std::optional<QString> marcaDoTicket(std::int32_t id) = 0;
    virtual std::optional<QString> marcaDaTransferencia(std::int32_t id) = 0;
    // True when some transfer already carries `sRecibo` as its mark.
    virtual bool reciboMarcado(const QString& sRecibo) = 0;
};

}  // namespace tvx
