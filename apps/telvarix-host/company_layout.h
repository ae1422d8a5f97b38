#pragma once
// Where a company's files live under the host's base folder:
//   <base>/quorel/BRISKO.<company>          the add-in's settings file
//   <base>/companies/<server>/<company>.db  the company database
//   <base>/agencia/<company>.accdb          the agency's back-office database (a SQLite
//                                           file, named as the Access file it stands for)
#include <QString>
#include <QStringList>

namespace tvx::host_app {

struct CompanyLayout {
    QString base;  // absolute
    QString company;

    // `base` is made absolute. A folder whose path holds a single quote is
    // refused: the add-in puts the agency file's path between single quotes
    // in its connection string, unescaped.
    CompanyLayout(const QString& base, const QString& company);

    QString settingsFolder() const;
    QString settingsFile() const;
    QString companyDatabase() const;  // on the host's default server
    QString agencyDatabase() const;
    // The three files of the company.
    QStringList files() const;
};

}  // namespace tvx::host_app
