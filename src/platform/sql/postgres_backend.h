#pragma once
// The PostgreSQL side of a Connection, over libpq.
//
// - Every text goes through the dialect first; the `?` marks of a text with
//   parameters become $1, $2, ... and the text is prepared once per
//   connection (PQprepare), its values sent as text and typed by the server
//   from where they stand. A text without parameters may hold several
//   statements: it goes in one call, which the server runs as one
//   transaction (all or nothing) unless the text holds its own.
// - Record sets: each column's table and column (PQftable, PQftablecol) are
//   looked up once per table in the catalogue, for the field's type, size,
//   key, nullability and identity, and for its name as the table was
//   created with it (kept as the column's comment, see below); other fields
//   take their name as the statement spells it. Types: smallint -> Integer,
//   integer -> Long, bigint -> Long (Double when larger), numeric(19,4) ->
//   Currency, other numeric and float -> Double, date -> Date (a day),
//   timestamp -> Date, the domain tvx_bit (the server's bit) and boolean ->
//   Boolean, texts (citext included) -> String, sized by a varchar's size or
//   a CHECK (char_length(column) <= n).
// - Write-back as over SQLite (sqlite_write_back.h), in a transaction of its
//   own or a savepoint of the caller's; added rows read back what the server
//   stored (RETURNING).
// - Errors: AutomationError -2147217900 with the server's message (its
//   detail after it), source "PostgreSQL". Inside a transaction a failed
//   statement leaves the transaction failed, as the server does: only a
//   rollback follows.
// - A column's comment equal to its name but for letter case is the name as
//   the table's creator spelled it: unquoted names fold to lower case on the
//   server, and the record set names its fields as the creator wrote them.
// - Change stamps: other connections' commits (other workstations', or
//   this process's other connections') are told by the server's snapshot
//   (pg_current_snapshot(), one round trip), which changes whenever a
//   transaction that wrote anything ends; this connection's own writes are
//   counted per table as postgres_statement_effects.h tells them.
// - A schema change sent through the connection (CREATE, ALTER, DROP, ...)
//   drops what it knows of the tables and its prepared statements.
// - Asynchronous commit (ConnectionOptions::asynchronousCommit) sets
//   synchronous_commit off: a commit returns before its log record is on
//   disk; a later synchronous commit flushes it (the log is written in order).
// - A deferred statement (Connection::ExecuteDeferred) is a transaction of
//   its own with SET LOCAL synchronous_commit = off: its commit record is
//   flushed by the next synchronous commit, which lies after it in the log.
// - Lock waits end after ConnectionOptions::busyTimeoutMs (lock_timeout).
#include <QString>
#include <utility>
#include <vector>

namespace tvx::sql {

// The connection options a libpq URI names (host, port, ...), in order;
// raises an AutomationError when libpq cannot read it.
std::vector<std::pair<QString, QString>> serverAddressOptions(const QString& uri);
// "host=/path port=5432" of a URI, for messages: never a password.
QString describeServer(const QString& uri);

}  // namespace tvx::sql
