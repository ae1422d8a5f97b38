#pragma once
// The amounts check every ticket passes before it goes on an invoice.
#include "platform/ado/recordset.h"

#include <QString>

namespace tvx {

// False when an amount of the ticket under the cursor is negative: Fare,
// Fees, Taxas, Tarifas Privadas are checked in this order (Null counts as 0)
// and `sCampo` receives the name of the first negative one. Errors pass.
bool pValoresValidos(ado::Recordset& rs, QString& sCampo);

}  // namespace tvx
