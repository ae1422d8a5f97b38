#pragma once
// The ticket source of the hidden CSV mode: reads a ";"-separated ticket file
// into a record set of the ticket fields plus four more, and writes nothing
// back (the update operations change nothing, so the file never changes).
#include "agency/origem_dados.h"
#include "agency/tabela_csv.h"

namespace tvx {

class CSV : public OrigemDados {
public:
    // Nothing to open or close: the file is read whole by GetRecordSet.
    bool ConnectionOpen(const QString& sDataSource, const QString& sUser, const QString& sPassWord) override;
    bool ConnectionClose() override;
    // sTable is the file's path. The taken rows come sorted by "Factura, ID";
    // any failure fails the whole read under "CSV::GetRecordSet".
    std::shared_ptr<ado::Recordset> GetRecordSet(const QString& sTable) override;
    void UpdateTktIssued(std::int32_t Id, const QString& sFactura) override;
    void UpdateMovBancarioComRecibo(std::int32_t Id, const QString& sRecibo) override;
    void UpdateTktIssuedFacturaFinalizada(const QString& sRefFact, const QString& sCliente,
                                          const QString& sFactura) override;
    // A new, empty collection.
    std::shared_ptr<Collection> GetTabelas() override;

private:
    // The file as a table of texts (a spare row and column read as "", see LeitorCsv).
    static TabelaCsv pFicheiroLer(const QString& path);
    // The record set of the rows the filter takes.
    static std::shared_ptr<ado::Recordset> pRecordsetCriar(const TabelaCsv& tabela);
    // Whether a row with service S and payment P is taken.
    static bool linhaAceite(const QString& servico, const QString& pagamento);
};

}  // namespace tvx
