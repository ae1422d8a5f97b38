#pragma once
// A temporary folder for profile files, with raw byte access to them.
#include "platform/profile/profile_string.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace tvx::test {

class TempIni {
public:
    QString path(const QString& name = QStringLiteral("test.ini")) const { return dir_.filePath(name); }
    QString folder() const { return dir_.path(); }

    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("test.ini")) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QByteArray read(const QString& name = QStringLiteral("test.ini")) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

// The value as a caller sees it, "<none>" when missing.
inline QString readProfile(const QString& section, const QString& key, const QString& file) {
    QString buffer;
    const auto n = GetPrivateProfileStringA(section, key, QStringLiteral("<none>"), buffer, 256, file);
    return buffer.left(n);
}

}  // namespace tvx::test
