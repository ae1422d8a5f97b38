#pragma once
// The host's users of a company: a login (matched without regard to case),
// a name, and the password never kept as text: PBKDF2-HMAC-SHA256 of it with
// the row's random salt (SAL), kept as "p<iterations>$<key in hex>" so that
// it fits the column the host's schema gives it. A company made before kept
// one salted SHA-256 (64 hex digits); a user's first good logon replaces it.
#include <QSqlDatabase>
#include <QString>

namespace tvx::sql {
class Connection;
}

namespace tvx::host_erp {

// The iterations new hashes are made with.
inline constexpr int PasswordIterations = 600000;

// The hash kept for `password` with `salt` (hex text), `iterations` of PBKDF2.
QString passwordHash(const QString& salt, const QString& password, int iterations = PasswordIterations);
// True when `stored` (either form) is the hash of `password` with `salt`; compared in constant time.
bool passwordMatches(const QString& stored, const QString& salt, const QString& password);

// Adds an active user with a fresh random salt.
void addUser(const QSqlDatabase& db, const QString& login, const QString& nome, const QString& password);

// True when `login` is an active user of the company whose password is
// `password`. A hash in the old form, or of fewer iterations, is replaced then.
bool checkUser(sql::Connection& db, const QString& login, const QString& password);
// True when `login` is an active user of the company.
bool isActiveUser(sql::Connection& db, const QString& login);

}  // namespace tvx::host_erp
