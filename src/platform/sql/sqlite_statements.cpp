#include "platform/sql/sqlite_statements.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/literal_parameters.h"
#include "platform/sql/sql_error.h"
#include "platform/sql/sqlite_recordset.h"
#include "platform/sql/sqlite_values.h"

#include <sqlite3.h>
#include <QByteArray>

namespace tvx::sql {

namespace {

bool onlyBlanks(const char* from, const char* end) {
    for (; from < end; ++from)
        if (*from != ' ' && *from != '\t' && *from != '\r' && *from != '\n') return false;
    return true;
}

// SQLite reads a text only up to a NUL character: the rest would be dropped
// without a word, or a literal cut short, or (with nothing but the NUL left
// to prepare) the same place prepared again and again. Refused whole.
void refuseNul(const QByteArray& text) {
    const qsizetype at = text.indexOf('\0');
    if (at < 0) return;
    const qsizetype position = QString::fromUtf8(text.constData(), at).size() + 1;
    raiseSqlError(QStringLiteral("The command holds a NUL character (at character %1), where SQLite would stop "
                                 "reading it.")
                      .arg(position),
                  kSqliteSource);
}

}  // namespace

// Steps `stmt` to its end, dropping any rows.
void stepToEnd(sqlite3* db, sqlite3_stmt* stmt) {
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) raiseSqliteError(db);
}

// The statements of a text, prepared one after the other; a text that holds
// one statement comes from, and goes back to, the cache. Each statement's
// writes are counted when it is given out.
class StatementCursor {
public:
    StatementCursor(sqlite3* db, const QString& sql, StatementCache& cache, EffectsCollector& collector,
                    WriteCounts& counts)
        : db_(db),
          text_(sql.toUtf8()),
          tail_(text_.constData()),
          cache_(cache),
          collector_(collector),
          counts_(counts) {}

    // Prepares the next statement; false when none is left. Raises SQLite's
    // message when one does not parse.
    bool next() {
        lease_.release();
        const char* begin = text_.constData();
        const char* end = begin + text_.size();
        if (!started_) {
            started_ = true;
            refuseNul(text_);
            if (StatementCache::Lease kept = cache_.find(text_)) {
                tail_ = end;
                return give(std::move(kept));
            }
        }
        while (tail_ < end) {
            const bool whole = tail_ == begin;
            sqlite3_stmt* stmt = nullptr;
            const char* tail = nullptr;
            int rc = SQLITE_OK;
            StatementEffects effects =
                collector_.collect([&] { rc = sqlite3_prepare_v2(db_, tail_, int(end - tail_), &stmt, &tail); });
            if (rc != SQLITE_OK) raiseSqliteError(db_);
            // Each turn must get further, whatever SQLite made of the text.
            if (!stmt && (!tail || tail <= tail_)) return false;
            tail_ = tail;
            if (!stmt) continue;  // blanks and comments prepare to nothing
            const bool keep = whole && onlyBlanks(tail, end);
            return give(keep ? cache_.keep(text_, stmt, std::move(effects)) : cache_.own(stmt, std::move(effects)));
        }
        return false;
    }
    sqlite3_stmt* statement() const { return lease_.get(); }
    KeptDescription* keptDescription() const { return lease_.description(); }
    void runToEnd() { stepToEnd(db_, statement()); }
    StatementCache::Lease take() { return std::move(lease_); }

private:
    bool give(StatementCache::Lease lease) {
        lease_ = std::move(lease);
        counts_.count(lease_.effects());
        return true;
    }

    sqlite3* db_;
    QByteArray text_;
    const char* tail_;
    StatementCache& cache_;
    EffectsCollector& collector_;
    WriteCounts& counts_;
    StatementCache::Lease lease_;
    bool started_ = false;
};

void StatementDeleter::operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }

Statement prepare(sqlite3* db, const QString& sql) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK) raiseSqliteError(db);
    return Statement(stmt);
}

SqliteRunner::SqliteRunner(sqlite3* db) : db_(db), collector_(db), cache_(counts_) {}

StatementCache::Lease SqliteRunner::prepare(const QString& sql) {
    StatementCursor cursor(db_, sql, cache_, collector_, counts_);
    if (!cursor.next()) raiseSqlError(QStringLiteral("The command holds no statement."), kSqliteSource);
    return cursor.take();
}

void SqliteRunner::bindParameters(StatementCursor& cursor, Parameters parameters, bool first) const {
    if (parameters.empty()) return;  // marks left unbound are Null, as SQLite has them
    if (!first) raiseSqlError(QStringLiteral("A command with parameters holds one statement."), kSqliteSource);
    const int count = sqlite3_bind_parameter_count(cursor.statement());
    if (count != int(parameters.size()))
        raiseSqlError(
            QStringLiteral("The command has %1 parameters and was given %2 values.").arg(count).arg(parameters.size()),
            kSqliteSource);
    for (int i = 0; i < count; ++i) bindValue(cursor.statement(), i + 1, parameters[std::size_t(i)], ado::adEmpty);
}

StatementCache::Lease SqliteRunner::liftedStatement(const QString& sql, Parameters parameters) {
    if (!parameters.empty()) return {};
    const std::optional<LiftedLiterals> lifted = liftLiterals(sql);
    if (!lifted) return {};
    StatementCursor cursor(db_, lifted->text, cache_, collector_, counts_);
    try {
        if (!cursor.next()) return {};
    } catch (const AutomationError&) {
        return {};  // the text as written gives the error, naming its own literals
    }
    if (!bindLifted(cursor.statement(), *lifted)) return {};
    return cursor.take();
}

qint64 SqliteRunner::execute(const QString& sql, Parameters parameters) {
    if (const StatementCache::Lease lifted = liftedStatement(sql, parameters)) {
        const qint64 before = sqlite3_total_changes64(db_);
        stepToEnd(db_, lifted.get());
        return sqlite3_total_changes64(db_) - before;
    }
    StatementCursor cursor(db_, sql, cache_, collector_, counts_);
    qint64 changed = 0;
    for (bool first = true; cursor.next(); first = false) {
        bindParameters(cursor, parameters, first);
        const qint64 before = sqlite3_total_changes64(db_);
        cursor.runToEnd();
        changed += sqlite3_total_changes64(db_) - before;
    }
    return changed;
}

std::shared_ptr<ado::Recordset> SqliteRunner::query(const QString& sql, Parameters parameters) {
    auto rs = std::make_shared<ado::Recordset>();
    if (const StatementCache::Lease lifted = liftedStatement(sql, parameters)) {
        if (sqlite3_column_count(lifted.get()) > 0)
            readRecordset(db_, lifted.get(), *rs, lifted.description());
        else
            stepToEnd(db_, lifted.get());
        return rs;
    }
    StatementCursor cursor(db_, sql, cache_, collector_, counts_);
    bool read = false;
    for (bool first = true; cursor.next(); first = false) {
        bindParameters(cursor, parameters, first);
        if (!read && sqlite3_column_count(cursor.statement()) > 0) {
            readRecordset(db_, cursor.statement(), *rs, cursor.keptDescription());
            read = true;
        } else {
            cursor.runToEnd();
        }
    }
    return rs;
}

}  // namespace tvx::sql
