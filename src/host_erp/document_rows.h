#pragma once
// Reading and writing the rows of the host's document tables through record
// sets: a new row is added to an empty record set of its table and written
// back (the database numbers its ID); stored rows are read back into the
// members of the document objects by a member <-> column map.
#include "host_erp/host_members.h"
#include "host_erp/sql_literals.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace tvx::ado {
class Recordset;
}
namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

using RowSet = std::shared_ptr<ado::Recordset>;

// An empty record set of `table`, for adding rows.
RowSet emptyRowsOf(sql::Connection& db, const QString& table);
// An empty record set of `table` with one new row being added.
RowSet newRow(sql::Connection& db, const QString& table);
// Sets columns of the current row.
void setColumns(ado::Recordset& row, std::initializer_list<std::pair<const char*, Variant>> values);
// Writes the new row; its ID.
qint64 writeNewRow(sql::Connection& db, ado::Recordset& row);
// The ID of a row read or written.
qint64 idOf(const ado::Recordset& row);
// The rows of `table` meeting `where`, in `orderBy` order when given.
RowSet rowsOf(sql::Connection& db, const QString& table, const SqlCondition& where, const QString& orderBy = {});
// The row of `table` whose ID is `id`.
RowSet rowById(sql::Connection& db, const QString& table, qint64 id);
// The first ID of `table` meeting `where`, or 0.
qint64 firstId(sql::Connection& db, const QString& table, const SqlCondition& where);

// The values of a new line row, by column. Consecutive lines with the same
// columns are written together, by multi-row INSERTs whose texts repeat from
// one document to the next (the connection keeps their statements). Null and
// Empty values are left out, so the table's defaults apply, as when a record
// set writes a new row. Line tables hold no dates: a date value raises 13.
class NewLine {
public:
    void set(std::initializer_list<std::pair<const char*, Variant>> values);
    const std::vector<const char*>& columns() const { return columns_; }
    const std::vector<Variant>& values() const { return values_; }

private:
    std::vector<const char*> columns_;
    std::vector<Variant> values_;
};
inline void setColumns(NewLine& row, std::initializer_list<std::pair<const char*, Variant>> values) { row.set(values); }

// Writes a header row of `headers` and `lineCount` rows of `lines` in the
// caller's transaction: `header` fills the header row, `line` each line row
// (given the header's ID and the line's index). Answers the header row as
// the database stored it (its ID included).
RowSet insertWithLines(sql::Connection& db, const QString& headers, const QString& lines,
                       const std::function<void(ado::Recordset&)>& header, std::size_t lineCount,
                       const std::function<void(NewLine&, qint64, std::size_t)>& line);
// Deletes header `id` of `headers` and its rows in `lines` (by IDCAB).
void deleteWithLines(sql::Connection& db, const QString& headers, const QString& lines, qint64 id);

struct MemberColumn {
    const char* member;
    const char* column;
    MemberKind kind;
};
// The current row's columns into the members (Null reads as unset).
void readMembers(const ado::Recordset& row, std::span<const MemberColumn> map, Members& members);
// Reads each row of `lines` under header `id` (by IDCAB), in line order,
// into the members `next` gives for it.
void readEachLine(sql::Connection& db, const QString& lines, qint64 id, std::span<const MemberColumn> map,
                  const std::function<Members&()>& next);

// The lines of header `id`, each read into a new line object.
template <class Line>
std::vector<std::shared_ptr<Line>> readLines(sql::Connection& db, const QString& lines, qint64 id,
                                             std::span<const MemberColumn> map) {
    std::vector<std::shared_ptr<Line>> result;
    readEachLine(db, lines, id, map, [&]() -> Members& {
        result.push_back(std::make_shared<Line>());
        return result.back()->members();
    });
    return result;
}

}  // namespace tvx::host_erp
