#pragma once
// Creating a company database and the settings every connection to one gets.
//
// Journal: WAL, set once when the file is created (it stays with the file),
// so readers never wait for the writer and a commit costs one sync instead of
// a rollback journal's two or more. synchronous=FULL on every connection:
// each committed document is on disk when the commit returns, so a power cut
// can never lose an invoice or receipt whose source rows the add-in has
// already marked as done in the agency's file (NORMAL would be about three
// times faster but may lose the last commits; host_settings.h lets an
// installation choose it knowingly). One write goes at NORMAL on purpose:
// the runs' in-flight record (sql::Connection::ExecuteDeferred), which the
// host's FULL commit of the document that follows syncs with it. Foreign keys
// are enforced.
#include "host_erp/host_settings.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

struct sqlite3;

namespace tvx::host_erp {

struct CompanyInfo {
    QString codigo;  // the host's company code (the "Empresa" of the settings file)
    QString nome;
    QString ncontrib;
    QString morada;
    QString localidade;
    QString codPostal;
};

// Creates the company file at `path` (and its folders) with the schema, the
// company row and whatever `fill` adds, all in one transaction. Refuses a file
// that already exists. On any failure the new file is removed again, so no
// half-made company is left behind.
void createCompanyDatabase(const QString& path, const CompanyInfo& info,
                           const std::function<void(const QSqlDatabase&)>& fill = {});

// The per-connection settings above, for a newly opened company connection.
void applyCompanyConnectionSettings(sqlite3* db, CompanySync sync = CompanySync::Full);
// True when the open database carries the company schema's application id.
bool isCompanyDatabase(sqlite3* db);

// INSERT INTO table (columns) VALUES (values), values bound; raises an
// AutomationError with SQLite's message on failure.
void insertRow(const QSqlDatabase& db, const QString& table, const QStringList& columns, const QVariantList& values);

}  // namespace tvx::host_erp
