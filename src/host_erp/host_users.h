#pragma once
// The host's users of a company: a login (matched without regard to case),
// a name, and the password kept as a salted SHA-256 hash, never as text.
#include <QSqlDatabase>
#include <QString>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

QString passwordHash(const QString& salt, const QString& password);

// Adds an active user with a fresh random salt.
void addUser(const QSqlDatabase& db, const QString& login, const QString& nome, const QString& password);

// True when `login` is an active user of the company whose password is `password`.
bool checkUser(sql::Connection& db, const QString& login, const QString& password);

}  // namespace tvx::host_erp
