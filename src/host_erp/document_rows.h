#pragma once
// Reading and writing the rows of the host's document tables through record
// sets: a new row is added to an empty record set of its table and written
// back (the database numbers its ID); stored rows are read back into the
// members of the document objects by a member <-> column map.
#include "host_erp/host_members.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>
#include <memory>
#include <span>

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
// The rows of `table` meeting `where` (SQL text), in `orderBy` order when given.
RowSet rowsOf(sql::Connection& db, const QString& table, const QString& where, const QString& orderBy = {});
// The row of `table` whose ID is `id`.
RowSet rowById(sql::Connection& db, const QString& table, qint64 id);
// The first ID of `table` meeting `where`, or 0.
qint64 firstId(sql::Connection& db, const QString& table, const QString& where);

// Writes a header row of `headers` and `lineCount` rows of `lines` in the
// caller's transaction: `header` fills the header row, `line` each line row
// (given the header's ID and the line's index). Answers the header's ID.
qint64 insertWithLines(sql::Connection& db, const QString& headers, const QString& lines,
                       const std::function<void(ado::Recordset&)>& header, std::size_t lineCount,
                       const std::function<void(ado::Recordset&, qint64, std::size_t)>& line);
// Deletes header `id` of `headers` and its rows in `lines` (by IDCAB).
void deleteWithLines(sql::Connection& db, const QString& headers, const QString& lines, qint64 id);

struct MemberColumn {
    const char* member;
    const char* column;
    MemberKind kind;
};
// The current row's columns into the members (Null reads as unset).
void readMembers(const ado::Recordset& row, std::span<const MemberColumn> map, Members& members);
// Calls `read` on each row of `lines` under header `id` (by IDCAB), in line order.
void forEachLine(sql::Connection& db, const QString& lines, qint64 id,
                 const std::function<void(const ado::Recordset&)>& read);

// The lines of header `id`, each read into a new line object.
template <class Line>
std::vector<std::shared_ptr<Line>> readLines(sql::Connection& db, const QString& lines, qint64 id,
                                             std::span<const MemberColumn> map) {
    std::vector<std::shared_ptr<Line>> result;
    forEachLine(db, lines, id, [&](const ado::Recordset& row) {
        auto line = std::make_shared<Line>();
        readMembers(row, map, line->members());
        result.push_back(std::move(line));
    });
    return result;
}

}  // namespace tvx::host_erp
