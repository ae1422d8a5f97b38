#pragma once
// A SQLite database in memory for dialect tests: runs texts and reads rows as text.
#include <sqlite3.h>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* out) { *out << '"' << s.toStdString() << '"'; }

namespace tvx::sql::testing {

class MemoryDb {
public:
    MemoryDb() { sqlite3_open(":memory:", &db_); }
    ~MemoryDb() { sqlite3_close(db_); }
    MemoryDb(const MemoryDb&) = delete;
    MemoryDb& operator=(const MemoryDb&) = delete;

    sqlite3* handle() const { return db_; }

    // Runs every statement of `sql`; "" on success, else SQLite's message.
    QString run(const QString& sql) {
        char* message = nullptr;
        if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK) return {};
        const QString text = QString::fromUtf8(message);
        sqlite3_free(message);
        return text;
    }

    // Rows of the first statement, each as its values joined by '|' (NULL as "NULL").
    QStringList rows(const QString& sql) {
        QStringList out;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
            return {QStringLiteral("ERROR: ") + QString::fromUtf8(sqlite3_errmsg(db_))};
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            QStringList values;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                values << (sqlite3_column_type(stmt, c) == SQLITE_NULL
                               ? QStringLiteral("NULL")
                               : QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c))));
            out << values.join(u'|');
        }
        if (rc != SQLITE_DONE) out << QStringLiteral("ERROR: ") + QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_finalize(stmt);
        return out;
    }

private:
    sqlite3* db_ = nullptr;
};

}  // namespace tvx::sql::testing
