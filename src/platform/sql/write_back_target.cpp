#include "platform/sql/write_back_target.h"

#include "platform/automation/automation_error.h"

#include <set>

namespace tvx::sql {

WriteBackTarget writeBackTargetOf(const std::vector<ado::FieldInfo>& fields) {
    std::set<QString> tables;
    for (const auto& f : fields)
        if (!f.baseTable.isEmpty()) tables.insert(f.baseTable);
    if (tables.size() != 1)
        throw AutomationError(err::Unspecified,
                              QStringLiteral("Insufficient base table information for updating or refreshing."),
                              QStringLiteral("Connection"));
    WriteBackTarget t{*tables.begin(), {}, {}};
    for (int c = 0; c < int(fields.size()); ++c) {
        if (fields[std::size_t(c)].baseTable != t.table) continue;
        t.columns.push_back(c);
        if (fields[std::size_t(c)].isKeyColumn()) t.keys.push_back(c);
    }
    return t;
}

}  // namespace tvx::sql
