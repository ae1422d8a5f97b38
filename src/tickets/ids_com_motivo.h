#pragma once
// The description of a refused invoice's row: its tickets' IDs, then the
// host's reason. The log keeps 255 characters; a long list is shortened (its
// first IDs and how many more) so that the reason is never cut away.
#include <QString>
#include <cstdint>
#include <vector>

namespace tvx {

// "TKT Issued ID 1, 2, 3 " + sMotivo, or "TKT Issued ID 1, 2 e mais 38 " + sMotivo
// when all of them would not leave room for it.
QString idsComMotivo(const std::vector<std::int32_t>& ids, const QString& sMotivo, qsizetype iTamanho = 255);

}  // namespace tvx
