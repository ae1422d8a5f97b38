#pragma once
// The rows of a diagnostics log, read from first to last, for comparisons.
#include "platform/ado/recordset.h"

#include <vector>

namespace tvx::testing {

struct LogRow {
    Variant linha, cliente, estado, documento, descricao;
    bool operator==(const LogRow&) const = default;
};

inline std::vector<LogRow> logRows(ado::Recordset& rs) {
    std::vector<LogRow> all;
    if (rs.RecordCount() == 0) return all;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        all.push_back({rs.value(0), rs.value(1), rs.value(2), rs.value(3), rs.value(4)});
    return all;
}

}  // namespace tvx::testing
