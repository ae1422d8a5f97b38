#pragma once
// The agency's Access database as the ticket and transfer source: today's
// tickets to invoice, the pending transfers, and the markers written back.
// Every operation but GetTabelas raises its failures again under
// "Access::" + the operation's name.
#include "agency/marker_batch.h"
#include "agency/origem_dados.h"
#include "agency/source_writes.h"

namespace tvx {

namespace sql {
class Connection;
}

class Access : public OrigemDados, public MarkerBatch, public SourceWrites {
public:
    Access();
    ~Access() override;

    // Opens the file through the Access provider's connection string. The
    // file has no credentials: sUser and sPassWord are not used.
    bool ConnectionOpen(const QString& sDataSource, const QString& sUser, const QString& sPassWord) override;
    bool ConnectionClose() override;
    // "TKT Issued": tickets of the periods "DIA" and today's weekday (clock port)
    // that carry no marker yet, by reference then account. "Extratos_bancos":
    // transfers to import, oldest first. Any other name fails.
    std::shared_ptr<ado::Recordset> GetRecordSet(const QString& sTable) override;
    void UpdateTktIssued(std::int32_t Id, const QString& sFactura) override;
    void UpdateMovBancarioComRecibo(std::int32_t Id, const QString& sRecibo) override;
    // Only tickets whose marker is still provisional ("Tumo Vesk-…") change.
    void UpdateTktIssuedFacturaFinalizada(const QString& sRefFact, const QString& sCliente,
                                          const QString& sFactura) override;
    // Tables and views of the file, in the order its catalogue keeps them.
    std::shared_ptr<Collection> GetTabelas() override;

    // A transaction on the file's connection: the operations send what they
    // always send, and the batch's commit makes their changes durable at once.
    bool beginMarkers() override;
    void commitMarkers() override;
    void rollbackMarkers() override;

    // The writes of an interrupted run's recovery (access_recovery.cpp).
    void verificarEscrita() override;
    bool marcarTicketSeLivre(std::int32_t id, const QString& sFactura) override;
    bool marcarTransferenciaSeLivre(std::int32_t id, const QString& sRecibo) override;
    std::optional<QString> marcaDoTicket(std::int32_t id) override;
    std::optional<QString> marcaDaTransferencia(std::int32_t id) override;
    bool reciboMarcado(const QString& sRecibo) override;

    // The SQL text GetRecordSet runs for sTable ("" for an unknown name).
    static QString sqlDoRecordSet(const QString& sTable);

private:
    sql::Connection& ligacao() const;  // error 91 when not open

    std::unique_ptr<sql::Connection> m_Ligacao;
};

}  // namespace tvx
