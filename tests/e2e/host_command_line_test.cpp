// The host program's command line: help, wrong command lines, and an add-in
// that cannot be loaded or opened.
#include "e2e/host_process.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tvx::testing {
namespace {

TEST(HostCommandLineTest, EveryCommandDescribesItself) {
    for (const QString& command : QStringList{QStringLiteral("setup-demo"), QStringLiteral("run"),
                                              QStringLiteral("sales-view"), QStringLiteral("gui")}) {
        const HostRun run = runHost({command, QStringLiteral("--help")});
        EXPECT_EQ(run.exitCode, 0) << command.toStdString();
        EXPECT_TRUE(
            run.out.startsWith(QStringLiteral("Usage: telvarix-host ") + command + QStringLiteral(" [options]")))
            << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("--base"))) << command.toStdString();
    }
    const HostRun version = runHost({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("telvarix-host "))) << version.out.toStdString();
    const HostRun overview = runHost({QStringLiteral("--help")});
    EXPECT_EQ(overview.exitCode, 0);
    EXPECT_TRUE(overview.out.contains(QStringLiteral("sales-view")));
    EXPECT_TRUE(overview.out.contains(QStringLiteral("gui")));
    EXPECT_EQ(runHost({}).exitCode, 2);
    const HostRun unknown = runHost({QStringLiteral("import")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("unknown command 'import'")));
}

TEST(HostCommandLineTest, AWrongCommandLineExitsWithTwoAndSaysWhy) {
    QTemporaryDir dir;
    const QString base = dir.path();
    const auto expectUsage = [](const QStringList& args, const QString& why) {
        const HostRun run = runHost(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(why)) << run.err.toStdString();
    };
    expectUsage({QStringLiteral("run"), QStringLiteral("--base"), base, QStringLiteral("--user"),
                 QStringLiteral("demo"), QStringLiteral("--operation"), QStringLiteral("1000")},
                QStringLiteral("--company is required"));
    expectUsage(QStringList{QStringLiteral("run")} + onCompany(base, QStringLiteral("EMPR01")),
                QStringLiteral("--operation is required"));
    expectUsage(QStringList{QStringLiteral("run")} + onCompany(base, QStringLiteral("EMPR01")) +
                    QStringList{QStringLiteral("--operation"), QStringLiteral("mil")},
                QStringLiteral("--operation must be a whole number"));
    // Refused before anything is loaded: the base folder does not even exist.
    const QString nowhere = base + QStringLiteral("/nowhere");
    expectUsage(QStringList{QStringLiteral("run")} + onCompany(nowhere, QStringLiteral("EMPR01")) +
                    QStringList{QStringLiteral("--operation"), QStringLiteral("1000"), QStringLiteral("--operation"),
                                QStringLiteral("1005")},
                QStringLiteral("--operation 1005 is not one of the add-in's operations: 1000 Importação de bilhetes"));
    expectUsage({QStringLiteral("setup-demo"), QStringLiteral("--base"), base, QStringLiteral("--company"),
                 QStringLiteral("EMP/01")},
                QStringLiteral("company code 'EMP/01'"));
    expectUsage({QStringLiteral("setup-demo"), QStringLiteral("--base"), base + QStringLiteral("/d'Ouro"),
                 QStringLiteral("--company"), QStringLiteral("EMPR01")},
                QStringLiteral("single quote"));
    expectUsage({QStringLiteral("setup-demo"), QStringLiteral("--base"), base, QStringLiteral("--company"),
                 QStringLiteral("EMPR01"), QStringLiteral("--tickets"), QStringLiteral("-3")},
                QStringLiteral("--tickets must be a whole number"));
    expectUsage(QStringList{QStringLiteral("sales-view")} + onCompany(base, QStringLiteral("EMPR01")) +
                    QStringList{QStringLiteral("--finalize"), QStringLiteral("FT"), QStringLiteral("1"),
                                QStringLiteral("2024")},
                QStringLiteral("--finalize needs TYPE SERIES YEAR NUMBER"));
    // Nothing was created by any of them.
    EXPECT_TRUE(QDir(base).isEmpty());
}

TEST(HostCommandLineTest, AnAddinThatCannotBeLoadedOrOpenedExitsWithOne) {
    QTemporaryDir dir;
    const QString base = dir.path();
    ASSERT_EQ(runHost({QStringLiteral("setup-demo"), QStringLiteral("--base"), base, QStringLiteral("--company"),
                       QStringLiteral("EMPR01"), QStringLiteral("--tickets"), QStringLiteral("5"),
                       QStringLiteral("--transfers"), QStringLiteral("0")})
                  .exitCode,
              0);
    const QStringList op{QStringLiteral("--operation"), QStringLiteral("1000")};

    const HostRun otherCompany =
        runHost(QStringList{QStringLiteral("run")} + onCompany(base, QStringLiteral("EMPR02")) + op);
    EXPECT_EQ(otherCompany.exitCode, 1);
    EXPECT_TRUE(otherCompany.err.contains(QStringLiteral("could not be opened for company EMPR02: there is no settings "
                                                         "file %1/quorel/BRISKO.EMPR02")
                                              .arg(base)))
        << otherCompany.err.toStdString();

    // A code in another letter case: the file that is there is named.
    const HostRun otherCase =
        runHost(QStringList{QStringLiteral("run")} + onCompany(base, QStringLiteral("empr01")) + op);
    EXPECT_EQ(otherCase.exitCode, 1);
    EXPECT_TRUE(otherCase.err.contains(QStringLiteral("but there is %1/quorel/BRISKO.EMPR01").arg(base)))
        << otherCase.err.toStdString();
    // The user the add-in would work for must be one of the company's.
    const HostRun nobody = runHost(QStringList{QStringLiteral("run")} +
                                   onCompany(base, QStringLiteral("EMPR01"), QStringLiteral("ninguem")) + op);
    EXPECT_EQ(nobody.exitCode, 1);
    EXPECT_TRUE(nobody.err.contains(QStringLiteral("'ninguem' is not an active user of company EMPR01")))
        << nobody.err.toStdString();
    EXPECT_FALSE(nobody.out.contains(QStringLiteral("Operacoes"))) << "the operation ran for an unknown user";

    // The windows without a display: said plainly, not a crash.
    const HostRun noDisplay =
        runHost(QStringList{QStringLiteral("gui")} + onCompany(base, QStringLiteral("EMPR01")),
                {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("QT_QPA_PLATFORM")});
    EXPECT_EQ(noDisplay.exitCode, 1);
    EXPECT_TRUE(noDisplay.err.contains(QStringLiteral("no display"))) << noDisplay.err.toStdString();

    const HostRun noLibrary = runHost(QStringList{QStringLiteral("run")} + onCompany(base, QStringLiteral("EMPR01")) +
                                      op + QStringList{QStringLiteral("--addin"), base + QStringLiteral("/none.so")});
    EXPECT_EQ(noLibrary.exitCode, 1);
    EXPECT_TRUE(noLibrary.err.contains(QStringLiteral("no add-in library")));

    QFile notALibrary(base + QStringLiteral("/libtelvarix.so"));
    ASSERT_TRUE(notALibrary.open(QIODevice::WriteOnly));
    notALibrary.write("not a library");
    notALibrary.close();
    const HostRun broken = runHost(QStringList{QStringLiteral("run")} + onCompany(base, QStringLiteral("EMPR01")) + op +
                                   QStringList{QStringLiteral("--addin"), notALibrary.fileName()});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("cannot load the add-in")));

    // The host says why it could not log on: a wrong password, then a company database gone.
    const QString settings = base + QStringLiteral("/quorel/BRISKO.EMPR01");
    QFile ini(settings);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    ini.close();
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(QByteArray(text).replace("password=demo", "password=outra"));
    ini.close();
    const QStringList runEmpr01 = QStringList{QStringLiteral("run")} + onCompany(base, QStringLiteral("EMPR01")) + op;
    const HostRun wrongPassword = runHost(runEmpr01);
    EXPECT_EQ(wrongPassword.exitCode, 1);
    EXPECT_TRUE(wrongPassword.err.contains(
        QStringLiteral("the host user 'demo' of %1 is unknown or inactive in company EMPR01, or its password is wrong")
            .arg(settings)))
        << wrongPassword.err.toStdString();
    const QString database = base + QStringLiteral("/companies/local/empr01.db");
    ASSERT_TRUE(QFile::rename(database, base + QStringLiteral("/elsewhere.db")));
    const HostRun noDatabase = runHost(runEmpr01);
    EXPECT_EQ(noDatabase.exitCode, 1);
    EXPECT_TRUE(noDatabase.err.contains(
        QStringLiteral("the company database EMPR01 on server (local), named in %1, does not exist (no file %2)")
            .arg(settings, database)))
        << noDatabase.err.toStdString();

    const HostRun noBase = runHost(QStringList{QStringLiteral("run")} +
                                   onCompany(base + QStringLiteral("/nowhere"), QStringLiteral("EMPR01")) + op);
    EXPECT_EQ(noBase.exitCode, 1);
    EXPECT_TRUE(noBase.err.contains(QStringLiteral("no base folder")));
}

}  // namespace
}  // namespace tvx::testing
