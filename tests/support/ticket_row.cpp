#include "support/ticket_row.h"

namespace tvx::testing {

std::shared_ptr<ado::Recordset> ticketsRecordset(const std::vector<TicketRow>& rows, bool csv) {
    auto rs = std::make_shared<ado::Recordset>();
    auto& f = rs->Fields();
    f.Append(QStringLiteral("ID"), ado::adInteger);
    f.Append(QStringLiteral("Account"), ado::adVarChar, 15);
    f.Append(QStringLiteral("Codigo Companhia Aerea"), ado::adVarChar, 10);
    f.Append(QStringLiteral("Numero do Bilhete"), ado::adVarChar, 20);
    f.Append(QStringLiteral("Nome Passageiro"), ado::adVarChar, 80);
    f.Append(QStringLiteral("Destino"), ado::adVarChar, 80);
    f.Append(QStringLiteral("Partida"), csv ? ado::adVarChar : ado::adDate, 20);
    f.Append(QStringLiteral("Chegada"), csv ? ado::adVarChar : ado::adDate, 20);
    for (const char* n : {"Fare", "Tarifas Privadas", "Taxas", "Fees"}) f.Append(QString::fromUtf8(n), ado::adDouble);
    f.Append(QStringLiteral("Factura"), ado::adVarChar, 50);
    f.Append(QStringLiteral("Ref_Faturacao"), ado::adVarChar, 50);
    f.Append(QStringLiteral("Pagamento"), ado::adVarChar, 10);
    f.Append(QStringLiteral("Desconto"), ado::adDouble);
    if (csv) f.Append(QStringLiteral("DataFacturacao"), ado::adVarChar, 10);
    rs->Open();
    for (const TicketRow& r : rows) {
        rs->AddNew();
        rs->setValue(QStringLiteral("ID"), Variant(r.id));
        rs->setValue(QStringLiteral("Account"), r.account);
        rs->setValue(QStringLiteral("Codigo Companhia Aerea"), r.codigoCompanhia);
        rs->setValue(QStringLiteral("Numero do Bilhete"), r.numeroBilhete);
        rs->setValue(QStringLiteral("Nome Passageiro"), r.nome);
        rs->setValue(QStringLiteral("Destino"), r.destino);
        rs->setValue(QStringLiteral("Partida"), r.partida);
        rs->setValue(QStringLiteral("Chegada"), r.chegada);
        rs->setValue(QStringLiteral("Fare"), r.fare);
        rs->setValue(QStringLiteral("Tarifas Privadas"), r.tarifasPrivadas);
        rs->setValue(QStringLiteral("Taxas"), r.taxas);
        rs->setValue(QStringLiteral("Fees"), r.fees);
        rs->setValue(QStringLiteral("Factura"), r.factura);
        rs->setValue(QStringLiteral("Ref_Faturacao"), r.ref);
        rs->setValue(QStringLiteral("Pagamento"), r.pagamento);
        rs->setValue(QStringLiteral("Desconto"), r.desconto);
        if (csv) rs->setValue(QStringLiteral("DataFacturacao"), r.dataFacturacao);
        rs->Update();
    }
    if (!rows.empty()) rs->MoveFirst();
    return rs;
}

}  // namespace tvx::testing
