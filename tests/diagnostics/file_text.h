#pragma once
// Small file helpers for the tests of saved files.
#include <gtest/gtest.h>
#include <QByteArray>
#include <QFile>
#include <QString>

namespace tvx::testing {

inline QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void writeText(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

}  // namespace tvx::testing
