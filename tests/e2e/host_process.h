#pragma once
// Runs the telvarix-host program and keeps what it printed.
#include <QString>
#include <QStringList>

namespace tvx::testing {

struct HostRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// `unset`: environment variables the program starts without.
HostRun runHost(const QStringList& arguments, const QStringList& unset = {});

// The common options of a command on a demo folder.
QStringList onCompany(const QString& base, const QString& company, const QString& user = QStringLiteral("demo"));

}  // namespace tvx::testing
