#pragma once
// Looking into a demo folder's databases, read-only, as sqlite3 would (and
// changing them, for a test's starting point); the company database on the
// embedded file or on a server alike.
#include "support/tested_backend.h"

#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace tvx::testing {

// The first column of every row of a select on the SQLite file `path`.
std::vector<QVariant> column(const QString& path, const QString& sql);
// The single value of a select (invalid when there is no row).
QVariant scalar(const QString& path, const QString& sql);
// Every row of a select, each as its columns.
std::vector<std::vector<QVariant>> rows(const QString& path, const QString& sql);
// Runs one statement on the SQLite file `path`.
void execute(const QString& path, const QString& sql);

// A demo folder made by `telvarix-host setup-demo`.
struct DemoFolder {
    DemoFolder(QString base, QString company, QString server = {})
        : base(std::move(base)), company(std::move(company)), server(std::move(server)) {}
    QString base;
    QString company;
    QString server;          // the PostgreSQL server holding the company database; "": the embedded file
    QString agency() const;  // the agency database
    QString companyDatabase() const;
    QString settingsFile() const;
};

// A ticket of the agency file as the import marks it.
struct Ticket {
    int id = 0;
    QString reference;
    QString account;
    QVariant factura;  // null until marked
};
std::vector<Ticket> tickets(const DemoFolder& demo);

// The company database of a demo, wherever it is, in SQL that SQLite and
// PostgreSQL both speak (COALESCE, ||, SUM): as rows, a column, a single
// value (invalid when there is no row), and one statement run.
std::vector<std::vector<QVariant>> companyRows(const DemoFolder& demo, const QString& sql);
std::vector<QVariant> companyColumn(const DemoFolder& demo, const QString& sql);
QVariant companyScalar(const DemoFolder& demo, const QString& sql);
void companyExecute(const DemoFolder& demo, const QString& sql);

// Creates a demo of company `company` in `base`, its company database on
// `backend`, with `ticketCount` tickets and `transfers` transfers.
DemoFolder setupDemo(const QString& base, int ticketCount, Backend backend = Backend::Embedded, int transfers = 0,
                     const QString& company = QStringLiteral("EMPR01"));

}  // namespace tvx::testing
