#include "host_erp/host_users.h"

#include "host_erp/company_database.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/sql/connection.h"
#include "platform/sql/sql_quote.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <QCryptographicHash>
#include <QRandomGenerator>

namespace tvx::host_erp {

namespace {

constexpr int KeyBytes = 28;  // "p600000$" and 56 hex digits: the column's 64 characters

QByteArray pbkdf2(const QByteArray& salt, const QString& password, int iterations) {
    const QByteArray secret = password.toUtf8();
    QByteArray key(KeyBytes, '\0');
    if (PKCS5_PBKDF2_HMAC(secret.constData(), int(secret.size()),
                          reinterpret_cast<const unsigned char*>(salt.constData()), int(salt.size()), iterations,
                          EVP_sha256(), KeyBytes, reinterpret_cast<unsigned char*>(key.data())) != 1)
        err::raise(err::Unspecified, QStringLiteral("The password could not be hashed."), QStringLiteral("host_users"));
    return key;
}

QString oldHash(const QString& salt, const QString& password) {
    return QString::fromLatin1(
        QCryptographicHash::hash((salt + password).toUtf8(), QCryptographicHash::Sha256).toHex());
}

bool sameText(const QString& a, const QString& b) {
    const QByteArray x = a.toLatin1();
    const QByteArray y = b.toLatin1();
    return x.size() == y.size() && CRYPTO_memcmp(x.constData(), y.constData(), std::size_t(x.size())) == 0;
}

// The iterations of a hash in the PBKDF2 form; 0 for the old form.
int iterationsOf(const QString& stored) {
    if (!stored.startsWith(u'p')) return 0;
    bool number = false;
    const int iterations = stored.mid(1, stored.indexOf(u'$') - 1).toInt(&number);
    return number && iterations > 0 ? iterations : 0;
}

}  // namespace

QString passwordHash(const QString& salt, const QString& password, int iterations) {
    return QStringLiteral("p%1$").arg(iterations) +
           QString::fromLatin1(pbkdf2(salt.toUtf8(), password, iterations).toHex());
}

bool passwordMatches(const QString& stored, const QString& salt, const QString& password) {
    const int iterations = iterationsOf(stored);
    return sameText(stored, iterations > 0 ? passwordHash(salt, password, iterations) : oldHash(salt, password));
}

void addUser(const QSqlDatabase& db, const QString& login, const QString& nome, const QString& password) {
    QByteArray salt(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), salt.size() / 4);
    const QString saltText = QString::fromLatin1(salt.toHex());
    insertRow(db, QStringLiteral("UTILIZADORES"),
              {QStringLiteral("LOGIN"), QStringLiteral("NOME"), QStringLiteral("SAL"), QStringLiteral("PASSWORDHASH")},
              {login, nome, saltText, passwordHash(saltText, password)});
}

bool checkUser(sql::Connection& db, const QString& login, const QString& password) {
    const auto rs =
        db.Query(QStringLiteral("SELECT SAL, PASSWORDHASH FROM UTILIZADORES WHERE LOGIN = %1 AND ACTIVO <> 0")
                     .arg(sql::sqlQuoted(login)));
    if (rs->RecordCount() <= 0) return false;
    const QString salt = rs->value(0).asString();
    const QString stored = rs->value(1).asString();
    if (!passwordMatches(stored, salt, password)) return false;
    if (iterationsOf(stored) < PasswordIterations) {
        // Rehashed now that the password is known; a database that cannot take it keeps the old hash.
        tryIgnoringError([&] {
            db.Execute(QStringLiteral("UPDATE UTILIZADORES SET PASSWORDHASH = %1 WHERE LOGIN = %2")
                           .arg(sql::sqlQuoted(passwordHash(salt, password)), sql::sqlQuoted(login)));
        });
    }
    return true;
}

bool isActiveUser(sql::Connection& db, const QString& login) {
    return db.Query(QStringLiteral("SELECT 1 FROM UTILIZADORES WHERE LOGIN = %1 AND ACTIVO <> 0")
                        .arg(sql::sqlQuoted(login)))
               ->RecordCount() > 0;
}

}  // namespace tvx::host_erp
