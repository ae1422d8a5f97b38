#pragma once
// The values a ticket must convert before any of it goes on an invoice, so
// that a text in an amount or an ID out of range gives one "Erro" row naming
// the ticket and the field, and the run goes on, instead of failing half-way
// through the ticket's lines and stopping every later run at the same row.
#include "platform/ado/recordset.h"

#include <QString>

namespace tvx {

// The first field of the ticket under the cursor that does not convert ("" when
// all do): ID; Fare, Tarifas Privadas, Taxas, Fees, each a number within the
// currency's range (and Fare with Tarifas Privadas, which share a line);
// Desconto; Pagamento; in CSV mode DataFacturacao; then the texts (Account,
// Ref_Faturacao, Factura, Pagamento, Numero do Bilhete, Codigo Companhia
// Aerea, Nome Passageiro, Destino), which must hold no control character; and
// Partida and Chegada, each empty or a date within the platform's range.
QString pCampoInvalido(ado::Recordset& rs, bool bCsv);

}  // namespace tvx
