#include "host_erp/host_users.h"

#include "host_erp/company_database.h"
#include "platform/ado/recordset.h"
#include "platform/sql/connection.h"
#include "platform/sql/sql_lexer.h"
#include "platform/sql/sql_quote.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace tvx::host_erp {

QString passwordHash(const QString& salt, const QString& password) {
    return QString::fromLatin1(
        QCryptographicHash::hash((salt + password).toUtf8(), QCryptographicHash::Sha256).toHex());
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
    return rs->RecordCount() > 0 && passwordHash(rs->value(0).asString(), password) == rs->value(1).asString();
}

}  // namespace tvx::host_erp
