#pragma once
// Running SQLite texts that may hold several statements, through a handle's
// kept statements (statement_cache.h), counting what they write
// (write_effects.h).
#include "platform/automation/variant.h"
#include "platform/sql/statement_cache.h"
#include "platform/sql/write_effects.h"

#include <QString>
#include <memory>
#include <span>

struct sqlite3;
struct sqlite3_stmt;

namespace tvx::ado {
class Recordset;
}

namespace tvx::sql {

// A prepared statement finalized when it goes.
struct StatementDeleter {
    void operator()(sqlite3_stmt* stmt) const;
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;
// A statement prepared on its own (nothing kept, nothing counted).
Statement prepare(sqlite3* db, const QString& sql);

// Values for the `?` marks of a one-statement text, bound in order.
using Parameters = std::span<const Variant>;

class StatementCursor;

// A SQLite handle with its kept statements and the writes made through it.
class SqliteRunner {
public:
    explicit SqliteRunner(sqlite3* db);

    sqlite3* db() const { return db_; }
    // The statement of a one-statement text, for binding and stepping; its
    // writes are counted now.
    StatementCache::Lease prepare(const QString& sql);
    // Runs every statement; the number of rows they inserted, changed or
    // deleted. `parameters` need a text of one statement.
    qint64 execute(const QString& sql, Parameters parameters = {});
    // Runs every statement and returns the rows of the first one that yields
    // columns, fully read and on their first row (a closed record set when none does).
    std::shared_ptr<ado::Recordset> query(const QString& sql, Parameters parameters = {});

    const WriteCounts& writes() const { return counts_; }
    // Counts a write that may have touched every table (a rollback made around the runner).
    void countEverything() { counts_.countEverything(); }

private:
    void bindParameters(StatementCursor& cursor, Parameters parameters, bool first) const;
    // The statement of `sql` with its literals bound in place (literal_parameters.h),
    // ready to step; empty when the text is not lifted (it has `parameters`, say).
    StatementCache::Lease liftedStatement(const QString& sql, Parameters parameters);

    sqlite3* db_;
    WriteCounts counts_;
    EffectsCollector collector_;
    StatementCache cache_;  // last: its statements are finalized first
};

}  // namespace tvx::sql
