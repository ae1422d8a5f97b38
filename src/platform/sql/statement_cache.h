#pragma once
// Prepared statements of one SQLite handle, kept for reuse under their text.
//
// Preparing costs more than running the short statements the add-in and the
// host send again and again, so each handle keeps its recent statements: a
// text asked for again gets its statement back, reset and with no values
// bound. SQLite prepares a kept statement anew by itself when the schema
// changed, so a kept statement never runs an outdated plan; what was kept
// with it (its fields, its effects) is then taken anew or widened. A text
// asked for while its statement is still in use (a nested use) gets a
// statement of its own. When the cache is full the least recently used
// statement goes. The cache must go before its handle closes.
#include "platform/ado/field_info.h"
#include "platform/sql/write_effects.h"

#include <QByteArray>
#include <QHash>
#include <list>
#include <memory>
#include <vector>

struct sqlite3_stmt;

namespace tvx::sql {

// The fields a kept query was read into, valid while the statement has not
// been prepared anew (the schema changed).
struct KeptDescription {
    int reprepares = -1;
    std::vector<ado::FieldInfo> fields;
};

class StatementCache {
    struct Entry {
        QByteArray sql;
        sqlite3_stmt* stmt = nullptr;
        bool inUse = false;
        StatementEffects effects;
        int effectsReprepares = 0;  // how often SQLite had prepared it anew when the effects were taken
        KeptDescription description;
    };

public:
    // Writes of statements prepared anew after a schema change are counted in `counts`.
    explicit StatementCache(WriteCounts& counts, std::size_t capacity = 128);
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // A statement lent out of the cache (or, when it is not kept, owned);
    // given back reset, its values cleared, when the lease goes.
    class Lease {
    public:
        Lease() = default;
        Lease(Lease&& other) noexcept { *this = std::move(other); }
        Lease& operator=(Lease&& other) noexcept;
        ~Lease() { release(); }

        sqlite3_stmt* get() const { return entry_ ? entry_->stmt : nullptr; }
        explicit operator bool() const { return entry_ != nullptr; }
        const StatementEffects& effects() const { return entry_->effects; }
        // Where the fields of a kept statement are kept (nullptr when not kept).
        KeptDescription* description() const { return owned_ ? nullptr : &entry_->description; }
        void release();

    private:
        friend class StatementCache;
        Lease(Entry* entry, std::unique_ptr<Entry> owned, WriteCounts* counts)
            : entry_(entry), owned_(std::move(owned)), counts_(counts) {}
        Entry* entry_ = nullptr;
        std::unique_ptr<Entry> owned_;
        WriteCounts* counts_ = nullptr;
    };

    // The kept statement of `sql` (UTF-8, one statement), if there is one free.
    Lease find(const QByteArray& sql);
    // Keeps `stmt`, just prepared from the whole of `sql`, and lends it out.
    Lease keep(const QByteArray& sql, sqlite3_stmt* stmt, StatementEffects effects);
    // Lends out a statement that is not kept (finalized when the lease goes).
    Lease own(sqlite3_stmt* stmt, StatementEffects effects);

    std::size_t size() const { return entries_.size(); }
    // How often SQLite has prepared `stmt` anew since it was first prepared.
    static int reprepares(sqlite3_stmt* stmt);

private:
    void evictOne();

    WriteCounts& counts_;
    std::size_t capacity_;
    std::list<Entry> entries_;  // most recently used first
    QHash<QByteArray, std::list<Entry>::iterator> index_;
};

}  // namespace tvx::sql
