#pragma once
// Writing a record set's pending changes back to the table it was read from,
// in one transaction (a savepoint, so it nests in a caller's transaction):
// added rows are inserted with every column holding a value except those the
// database numbers (a column left Null gets the table's default, or Null),
// then read back (numbers and defaults) into the record
// set; changed rows update their changed columns where the primary key holds
// its original values; deleted rows are deleted by primary key. A row that is
// no longer there fails the whole write. Afterwards nothing is pending; after
// a failure the database and the record set are as they were.
namespace tvx::ado {
class Recordset;
}

namespace tvx::sql {

class SqliteRunner;

// The statements come from the runner's kept ones.
void writeBack(SqliteRunner& runner, ado::Recordset& rs);

}  // namespace tvx::sql
