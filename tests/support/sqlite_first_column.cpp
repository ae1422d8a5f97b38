#include "support/sqlite_first_column.h"

#include <sqlite3.h>

namespace tvx::testing {

QStringList sqliteFirstColumn(const QString& file, const QString& sql) {
    QStringList out;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);  // as a second program would wait
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) == SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
                out << (text ? QString::fromUtf8(text) : QString());
            }
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return out;
}

}  // namespace tvx::testing
