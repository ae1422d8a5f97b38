#pragma once
// The values a write-back stored into a record set's rows (identities and
// defaults read back), kept so that a failed write-back can put the rows
// back as they were. Shared by the SQLite and the server write-backs.
#include "platform/ado/recordset.h"
#include "platform/automation/variant.h"

#include <vector>

namespace tvx::sql {

class StoredValues {
public:
    void note(ado::RowId row, int column, Variant before) { stored_.push_back({row, column, std::move(before)}); }
    // Puts back every value noted, the last first.
    void undo(ado::Recordset& rs) const {
        for (auto it = stored_.rbegin(); it != stored_.rend(); ++it) rs.setStoredValue(it->row, it->column, it->before);
    }

private:
    struct Stored {
        ado::RowId row;
        int column;
        Variant before;
    };
    std::vector<Stored> stored_;
};

}  // namespace tvx::sql
