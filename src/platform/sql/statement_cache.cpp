#include "platform/sql/statement_cache.h"

#include <sqlite3.h>

namespace tvx::sql {

StatementCache::Lease& StatementCache::Lease::operator=(Lease&& other) noexcept {
    if (this != &other) {
        release();
        entry_ = std::exchange(other.entry_, nullptr);
        owned_ = std::move(other.owned_);
        counts_ = std::exchange(other.counts_, nullptr);
    }
    return *this;
}

void StatementCache::Lease::release() {
    if (!entry_) return;
    sqlite3_stmt* stmt = entry_->stmt;
    // Prepared anew while it ran: what it wrote is no longer known for sure.
    if (const int now = reprepares(stmt); now != entry_->effectsReprepares) {
        entry_->effectsReprepares = now;
        if (!sqlite3_stmt_readonly(stmt)) {
            entry_->effects.everything = true;
            if (counts_) counts_->countEverything();
        }
    }
    if (owned_) {
        sqlite3_finalize(stmt);
        owned_.reset();
    } else {
        // Reset at once: a statement left mid-way would hold its read snapshot open.
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        entry_->inUse = false;
    }
    entry_ = nullptr;
    counts_ = nullptr;
}

StatementCache::StatementCache(WriteCounts& counts, std::size_t capacity)
    : counts_(counts), capacity_(capacity ? capacity : 1) {}

StatementCache::~StatementCache() {
    for (Entry& e : entries_) sqlite3_finalize(e.stmt);
}

StatementCache::Lease StatementCache::find(const QByteArray& sql) {
    const auto at = index_.constFind(sql);
    if (at == index_.cend() || (*at)->inUse) return {};
    const auto entry = *at;
    entries_.splice(entries_.begin(), entries_, entry);
    entry->inUse = true;
    return Lease(&*entry, nullptr, &counts_);
}

StatementCache::Lease StatementCache::keep(const QByteArray& sql, sqlite3_stmt* stmt, StatementEffects effects) {
    if (index_.contains(sql)) return own(stmt, std::move(effects));  // its kept twin is in use
    while (entries_.size() >= capacity_ && !entries_.back().inUse) evictOne();
    entries_.push_front(Entry{sql, stmt, true, std::move(effects), reprepares(stmt), {}});
    index_.insert(sql, entries_.begin());
    return Lease(&entries_.front(), nullptr, &counts_);
}

StatementCache::Lease StatementCache::own(sqlite3_stmt* stmt, StatementEffects effects) {
    auto entry = std::make_unique<Entry>(Entry{{}, stmt, true, std::move(effects), reprepares(stmt), {}});
    Entry* at = entry.get();
    return Lease(at, std::move(entry), &counts_);
}

void StatementCache::evictOne() {
    Entry& last = entries_.back();
    index_.remove(last.sql);
    sqlite3_finalize(last.stmt);
    entries_.pop_back();
}

int StatementCache::reprepares(sqlite3_stmt* stmt) { return sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_REPREPARE, 0); }

}  // namespace tvx::sql
