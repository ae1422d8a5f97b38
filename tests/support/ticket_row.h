#pragma once
// A ticket as the agency's query delivers it, and the record set of such
// tickets in the layout of the Access source or of the CSV file.
#include "platform/ado/recordset.h"

#include <vector>

namespace tvx::testing {

struct TicketRow {
    std::int32_t id = 0;
    Variant account = Variant(QStringLiteral("A"));
    Variant ref = Variant(QStringLiteral("R1"));
    Variant fare = Variant(100.0);
    Variant fees = Variant(10.0);
    Variant taxas = Variant(20.0);
    Variant tarifasPrivadas = Variant::null();
    Variant pagamento = Variant(QStringLiteral("CAS"));
    Variant factura = Variant::null();
    Variant desconto = Variant::null();
    Variant codigoCompanhia = Variant(QStringLiteral("74"));
    Variant numeroBilhete = Variant(QStringLiteral("1234567890"));
    Variant nome = Variant(QStringLiteral("SILVA/JOAO MR"));
    Variant destino = Variant(QStringLiteral("LIS-OPO"));
    Variant partida = Variant::null();
    Variant chegada = Variant::null();
    Variant dataFacturacao = Variant::null();  // CSV layout only
};
// The ticket record set of the agency's query; with `csv` the CSV layout's DataFacturacao too.
std::shared_ptr<ado::Recordset> ticketsRecordset(const std::vector<TicketRow>& rows, bool csv = false);

}  // namespace tvx::testing
