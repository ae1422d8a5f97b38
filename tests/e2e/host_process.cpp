#include "e2e/host_process.h"

#include <QCoreApplication>
#include <QProcess>

namespace tvx::testing {

namespace {

// QProcess needs an application object; the test program has none of its own.
void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "test_e2e";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

}  // namespace

HostRun runHost(const QStringList& arguments, const QStringList& unset) {
    ensureApplication();
    QProcess process;
    if (!unset.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name : unset) environment.remove(name);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(TELVARIX_HOST_PROGRAM), arguments);
    HostRun run;
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("telvarix-host did not finish: ") + process.errorString();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QStringList onCompany(const QString& base, const QString& company, const QString& user) {
    return {QStringLiteral("--base"), base, QStringLiteral("--company"), company, QStringLiteral("--user"), user};
}

}  // namespace tvx::testing
