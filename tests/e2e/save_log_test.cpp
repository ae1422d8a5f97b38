// run --save-log: the viewer saves the run's log through its "Gravar como"
// button, and the file opens again as a log; a run's output into a pipe.
#include "e2e/demo_files.h"
#include "e2e/host_process.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QTemporaryDir>

namespace tvx::testing {
namespace {

QStringList runOn(const DemoFolder& d, const QStringList& options) {
    return QStringList{QStringLiteral("run")} + onCompany(d.base, d.company) + options;
}

TEST(SaveLogE2eTest, TheViewerSavesTheLogWhereToldAndOpensItAgain) {
    QTemporaryDir dir;
    const DemoFolder d = setupDemo(dir.path(), 40);
    const QString xml = dir.filePath(QStringLiteral("log.XML"));
    const HostRun run =
        runHost(runOn(d, {QStringLiteral("--operation"), QStringLiteral("1000"), QStringLiteral("--save-log"), xml}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("save: ") + xml)) << run.out.toStdString();
    const qsizetype processed = run.out.count(QStringLiteral("| Processado |"));
    EXPECT_GT(processed, 0);
    // Into a pipe the progress bar writes plain lines: one as it shows, one per tenth.
    EXPECT_FALSE(run.out.contains(QLatin1Char('\r')));
    const qsizetype bars = run.out.count(QStringLiteral("Importação de Movimentos ["));
    EXPECT_GE(bars, 2);
    EXPECT_LE(bars, 11);

    // The viewer opens the saved log and saves it as a spreadsheet, with its XML copy beside it.
    const QString xls = dir.filePath(QStringLiteral("copia.xls"));
    const HostRun again = runHost(runOn(d, {QStringLiteral("--operation"), QStringLiteral("1001"),
                                            QStringLiteral("--csv"), xml, QStringLiteral("--save-log"), xls}));
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains(QStringLiteral("Consulta de Diagnóstico [%1]").arg(xml))) << again.out.toStdString();
    EXPECT_EQ(again.out.count(QStringLiteral("| Processado |")), processed);
    EXPECT_GT(QFileInfo(xls).size(), 0);
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("copia.XML"))).size(), 0);
}

}  // namespace
}  // namespace tvx::testing
