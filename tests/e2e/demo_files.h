#pragma once
// Looking into a demo folder's databases, read-only, as sqlite3 would (and
// changing them, for a test's starting point).
#include <QString>
#include <QVariant>
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
    QString base;
    QString company;
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

// Creates a demo folder with `ticketCount` tickets (and no transfers) in `base`.
DemoFolder setupDemo(const QString& base, int ticketCount);

}  // namespace tvx::testing
