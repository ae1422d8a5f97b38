#pragma once
// What the statements run on a SQLite handle write, table by table, so that
// whoever keeps something read from a table can tell whether it may have
// changed since.
//
// While a statement is prepared, SQLite's authorizer names every table it
// inserts into, updates or deletes from, its triggers' and cascades' included:
// those are the statement's effects. A rollback (of a transaction or to a
// savepoint), a schema change, an ATTACH, and any action not known to leave
// tables alone count as a write to every table; so does a statement that
// SQLite had to prepare anew (after a schema change) once it has run, since
// its effects may have changed with the schema.
#include <QHash>
#include <QString>
#include <vector>

struct sqlite3;

namespace tvx::sql {

struct StatementEffects {
    bool everything = false;
    std::vector<QString> tables;  // upper case, each once

    bool none() const { return !everything && tables.empty(); }
};

// Writes counted per table (a write to every table counts for each).
class WriteCounts {
public:
    void count(const StatementEffects& effects);
    void countEverything();
    // Writes that may have touched `table` so far.
    quint64 of(const QString& table) const;
    // Every write so far.
    quint64 all() const { return all_; }

private:
    quint64 all_ = 0;
    quint64 everything_ = 0;
    QHash<QString, quint64> tables_;
};

// Takes the effects of the statements prepared on a handle. The authorizer
// stays installed for the handle's life (installing one makes SQLite prepare
// every statement anew) and only listens while a statement is prepared
// through collect().
class EffectsCollector {
public:
    explicit EffectsCollector(sqlite3* db);
    ~EffectsCollector();
    EffectsCollector(const EffectsCollector&) = delete;
    EffectsCollector& operator=(const EffectsCollector&) = delete;

    // Runs `prepare` and answers the effects of what it prepared.
    template <class Prepare>
    StatementEffects collect(Prepare prepare) {
        StatementEffects effects;
        current_ = &effects;
        struct Stop {
            StatementEffects*& current;
            ~Stop() { current = nullptr; }
        } stop{current_};
        prepare();
        return effects;
    }

private:
    static int authorize(void* self, int action, const char* first, const char* second, const char* database,
                         const char* trigger);

    sqlite3* db_;
    StatementEffects* current_ = nullptr;
};

}  // namespace tvx::sql
