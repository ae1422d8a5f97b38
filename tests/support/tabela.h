#pragma once
// A record set built in memory from column names and rows of values, as a
// catalogue query would hand it over: a text column where the first value
// that is not Null is a text, a whole-number column otherwise.
#include "platform/automation/variant.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace tvx::ado {
class Recordset;
}

namespace tvx::testing {

std::shared_ptr<ado::Recordset> tabela(const QStringList& colunas, const std::vector<std::vector<Variant>>& linhas);

}  // namespace tvx::testing
