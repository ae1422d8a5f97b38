#include "host_erp/company_database.h"

#include "host_erp/company_schema.h"
#include "host_erp/host_settings.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/qt_connection.h"

#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace tvx::host_erp {

namespace {

const QString kSource = QStringLiteral("Tumo Vesk");

[[noreturn]] void raiseDatabaseError(const QString& message) {
    throw AutomationError(err::ProviderCommandError, message, kSource);
}

void exec(sqlite3* db, const QString& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
        sqlite3_free(message);
        raiseDatabaseError(text);
    }
}

void removeDatabaseFiles(const QString& path) {
    for (const QString& suffix :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        QFile::remove(path + suffix);
}

// Texts the caller left null are stored empty (the columns are NOT NULL).
QVariant text(const QString& s) { return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s); }

void fillNewCompany(const sql::QtConnection& c, const CompanyInfo& info,
                    const std::function<void(const QSqlDatabase&)>& fill) {
    sqlite3* db = c.sqliteHandle();
    exec(db, QStringLiteral("PRAGMA journal_mode = WAL; PRAGMA application_id = %1; PRAGMA user_version = %2;")
                 .arg(CompanyApplicationId)
                 .arg(CompanySchemaVersion));
    applyCompanyConnectionSettings(db);
    exec(db, QStringLiteral("BEGIN"));
    exec(db, companySchemaSql());
    insertRow(c.database(), QStringLiteral("EMPRESA"),
              {QStringLiteral("CODIGO"), QStringLiteral("NOME"), QStringLiteral("NCONTRIB"), QStringLiteral("MORADA"),
               QStringLiteral("LOCALIDADE"), QStringLiteral("CODPOSTAL")},
              {text(info.codigo), text(info.nome), text(info.ncontrib), text(info.morada), text(info.localidade),
               text(info.codPostal)});
    if (fill) fill(c.database());
    exec(db, QStringLiteral("COMMIT"));
}

}  // namespace

void createCompanyDatabase(const QString& path, const CompanyInfo& info,
                           const std::function<void(const QSqlDatabase&)>& fill) {
    if (info.codigo.trimmed().isEmpty()) raiseDatabaseError(QStringLiteral("A company needs a code."));
    if (QFileInfo::exists(path))
        throw AutomationError(err::FileAlreadyExists,
                              QStringLiteral("The company database '%1' already exists.").arg(path), kSource);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw AutomationError(err::PathNotFound, QStringLiteral("Cannot create the folder of '%1'.").arg(path),
                              kSource);
    try {
        auto c = sql::QtConnection::openSqlite(path, sql::OpenMode::CreateIfMissing, 5000);
        fillNewCompany(*c, info, fill);
    } catch (...) {
        removeDatabaseFiles(path);
        throw;
    }
}

void applyCompanyConnectionSettings(sqlite3* db, CompanySync sync) {
    exec(db, sync == CompanySync::Normal ? QStringLiteral("PRAGMA foreign_keys = ON; PRAGMA synchronous = NORMAL;")
                                         : QStringLiteral("PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL;"));
}

bool isCompanyDatabase(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    bool ok = sqlite3_prepare_v2(db, "PRAGMA application_id", -1, &stmt, nullptr) == SQLITE_OK &&
              sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int(stmt, 0) == CompanyApplicationId;
    sqlite3_finalize(stmt);
    return ok;
}

void insertRow(const QSqlDatabase& db, const QString& table, const QStringList& columns, const QVariantList& values) {
    QSqlQuery q(db);
    const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(u", ");
    if (!q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(u", "), marks)))
        raiseDatabaseError(q.lastError().databaseText());
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec()) raiseDatabaseError(q.lastError().databaseText());
}

}  // namespace tvx::host_erp
