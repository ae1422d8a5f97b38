#pragma once
// A text of several statements sent through the company connection (the
// add-in's SQL script command). Over the embedded database its statements
// run one by one in one transaction: a failing statement leaves the database
// as it was, and the error names that statement (its position in the
// script, the line it starts on and its first line) before the database's
// own message. Statements must be separated by ';' or a GO line: a syntax
// error at a word that begins a line of the statement adds that this line
// seems to start another statement without its separator. A server
// connection gets the text as it is, in one call: a PostgreSQL server runs
// it as one transaction (all or nothing) and its message is the server's.
#include <QString>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

// The rows the statements inserted, changed or deleted.
qint64 executeScript(sql::Connection& db, const QString& script);

}  // namespace tvx::host_erp
