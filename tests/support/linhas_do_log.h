#pragma once
// A diagnostics log as the user reads it: one "Linha|Estado|Descrição" per
// row, first to last; nothing for a closed or empty log.
#include <QStringList>

namespace tvx::ado {
class Recordset;
}

namespace tvx::testing {

QStringList linhasDoLog(ado::Recordset& log);

}  // namespace tvx::testing
