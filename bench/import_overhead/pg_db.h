#pragma once
// Plain libpq for the server replay: a connection, statements prepared by
// name and run with text values, with errors raised as std::runtime_error.
#include <QString>
#include <optional>
#include <string>
#include <vector>

struct pg_conn;
struct pg_result;

namespace tvx::bench {

// A value as the server sends and takes it: its text, or none for NULL.
using PgValue = std::optional<std::string>;
using PgRow = std::vector<PgValue>;

class PgDb {
public:
    // Opens `database` on the server at the libpq URI `server`.
    PgDb(const QString& server, const QString& database);
    ~PgDb();
    PgDb(const PgDb&) = delete;
    PgDb& operator=(const PgDb&) = delete;

    // Runs a text (several statements allowed), its rows dropped.
    void exec(const std::string& sql);
    // Prepares `sql` (with $1, $2, ...) under `name`.
    void prepare(const std::string& name, const std::string& sql);
    // Runs the prepared statement `name`; the rows it answers; `changed` the rows it changed.
    std::vector<PgRow> run(const std::string& name, const PgRow& values, long* changed = nullptr);
    // The rows of a query with `values` bound.
    std::vector<PgRow> rows(const std::string& sql, const PgRow& values = {});

private:
    std::vector<PgRow> take(pg_result* r, long* changed);
    pg_conn* conn_ = nullptr;
};

}  // namespace tvx::bench
