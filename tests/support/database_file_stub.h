#pragma once
// A file that passes for a database where only its first bytes are read (the
// agency lock checks them before it makes its lock file): for tests whose
// agency source is a fake.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace tvx::testing {

inline QString databaseFileStub(const QString& path) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(QByteArray("SQLite format 3\0", 16) + QByteArray(84, '\0'));
    return path;
}

}  // namespace tvx::testing
