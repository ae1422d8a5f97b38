#include "platform/sql/write_effects.h"

#include <sqlite3.h>
#include <algorithm>

namespace tvx::sql {

void WriteCounts::count(const StatementEffects& effects) {
    if (effects.none()) return;
    ++all_;
    if (effects.everything) ++everything_;
    for (const QString& table : effects.tables) ++tables_[table];
}

void WriteCounts::countEverything() {
    ++all_;
    ++everything_;
}

quint64 WriteCounts::of(const QString& table) const { return everything_ + tables_.value(table.toUpper()); }

EffectsCollector::EffectsCollector(sqlite3* db) : db_(db) { sqlite3_set_authorizer(db_, &authorize, this); }

EffectsCollector::~EffectsCollector() { sqlite3_set_authorizer(db_, nullptr, nullptr); }

int EffectsCollector::authorize(void* self, int action, const char* first, const char*, const char*, const char*) {
    StatementEffects* effects = static_cast<EffectsCollector*>(self)->current_;
    if (!effects) return SQLITE_OK;
    switch (action) {
        case SQLITE_READ:
        case SQLITE_SELECT:
        case SQLITE_FUNCTION:
        case SQLITE_RECURSIVE:
        case SQLITE_PRAGMA:
            break;
        case SQLITE_TRANSACTION:
        case SQLITE_SAVEPOINT:
            if (first && qstricmp(first, "ROLLBACK") == 0) effects->everything = true;
            break;
        case SQLITE_INSERT:
        case SQLITE_UPDATE:
        case SQLITE_DELETE: {
            const QString table = QString::fromUtf8(first ? first : "").toUpper();
            if (std::find(effects->tables.begin(), effects->tables.end(), table) == effects->tables.end())
                effects->tables.push_back(table);
            break;
        }
        default:
            effects->everything = true;
    }
    return SQLITE_OK;
}

}  // namespace tvx::sql
