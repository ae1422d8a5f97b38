#pragma once
// A pending bank transfer as the agency source gives it, and the record set
// of such transfers.
#include "platform/ado/recordset.h"
#include "platform/automation/currency.h"

#include <QDate>
#include <vector>

namespace tvx::testing {

struct Transferencia {
    std::int32_t id = 1;
    Variant account = Variant("C0001");
    Currency valor = Currency::fromLong(100);
    QDate data = QDate(2024, 3, 5);
    Variant fatura = Variant::null();
    Variant conta = Variant("PT50003500010001234567890");
    QString codigo = QStringLiteral("BAT");
};

// The transfer record set's fields, one row per transfer, on its first row.
std::shared_ptr<ado::Recordset> transferenciasRecordset(const std::vector<Transferencia>& rows);

}  // namespace tvx::testing
