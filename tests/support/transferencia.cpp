#include "support/transferencia.h"

namespace tvx::testing {

std::shared_ptr<ado::Recordset> transferenciasRecordset(const std::vector<Transferencia>& rows) {
    auto rs = std::make_shared<ado::Recordset>();
    ado::Fields& f = rs->Fields();
    f.Append(QStringLiteral("ID"), ado::adInteger);
    f.Append(QStringLiteral("Cliente"), ado::adInteger);
    f.Append(QStringLiteral("Banco"), ado::adInteger);
    f.Append(QStringLiteral("Conta"), ado::adVarChar, 30);
    f.Append(QStringLiteral("Codigo"), ado::adVarChar, 10);
    f.Append(QStringLiteral("Account"), ado::adVarChar, 20);
    f.Append(QStringLiteral("Agency"), ado::adVarChar, 20);
    f.Append(QStringLiteral("Data"), ado::adDate);
    f.Append(QStringLiteral("Valor"), ado::adCurrency);
    f.Append(QStringLiteral("Descritivo"), ado::adVarChar, 100);
    f.Append(QStringLiteral("Fatura"), ado::adVarChar, 255);
    f.Append(QStringLiteral("estado_importado"), ado::adVarChar, 50);
    rs->Open();
    for (const Transferencia& t : rows) {
        rs->AddNew();
        rs->setValue(QStringLiteral("ID"), Variant(t.id));
        rs->setValue(QStringLiteral("Conta"), t.conta);
        rs->setValue(QStringLiteral("Codigo"), Variant(t.codigo));
        rs->setValue(QStringLiteral("Account"), t.account);
        rs->setValue(QStringLiteral("Data"), Variant::fromDate(t.data));
        rs->setValue(QStringLiteral("Valor"), Variant(t.valor));
        rs->setValue(QStringLiteral("Fatura"), t.fatura);
        rs->Update();
    }
    if (rs->RecordCount() > 0) rs->MoveFirst();
    return rs;
}

}  // namespace tvx::testing
