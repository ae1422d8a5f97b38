#pragma once
// The texts of a transfer that go into an SQL lookup or onto a receipt: a
// control character in one (a NUL in an account code, say) makes an "Erro"
// row naming the transfer and the field, and the run goes on.
#include "platform/ado/recordset.h"

#include <QString>

namespace tvx {

// The first of Account and Fatura, in the transfer under the cursor, whose
// text holds a control character; "" when neither does. Errors pass.
QString pTextoInvalido(ado::Recordset& rs);

}  // namespace tvx
