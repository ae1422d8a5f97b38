#pragma once
// What a SQLite-backed connection does with the SQL its callers write in
// another database's dialect.
#include <QString>

struct sqlite3;

namespace tvx::sql {

class SqlDialect {
public:
    virtual ~SqlDialect() = default;
    // The SQLite text to run for `sql` (it may hold several statements).
    // Whatever the dialect does not know passes unchanged, so that SQLite
    // reports it with its own message.
    virtual QString translate(const QString& sql) const = 0;
    // Sets up a newly opened handle (functions the dialect's SQL relies on).
    virtual void prepareHandle(sqlite3* db) const;
};

// SQLite's own SQL: passes unchanged.
class NativeDialect : public SqlDialect {
public:
    QString translate(const QString& sql) const override { return sql; }
};

}  // namespace tvx::sql
