// How a batch run ends on the console desktop: the verdict after the log
// table, what each operation showed (for the host's exit status), and
// Ctrl+C asking the run to stop.
#include "platform/ado/recordset.h"
#include "ui_console/console_desktop.h"

#include <gtest/gtest.h>
#include <csignal>
#include <sstream>

namespace tvx::ui_console {
namespace {

std::shared_ptr<ado::Recordset> logWith(const QStringList& estados) {
    auto rs = std::make_shared<ado::Recordset>();
    rs->Fields().Append(QStringLiteral("Linha"), ado::adInteger);
    rs->Fields().Append(QStringLiteral("Estado"), ado::adVarChar, 15);
    rs->Open();
    for (int i = 0; i < estados.size(); ++i) {
        rs->AddNew();
        rs->setValue(0, Variant(std::int32_t(i + 1)));
        rs->setValue(1, Variant(estados[i]));
        rs->Update();
    }
    return rs;
}

void showLog(ConsoleDesktop& desktop, std::shared_ptr<ado::Recordset> log) {
    ui::ViewerWindow viewer = desktop.newViewerWindow();
    viewer.grid->SetDataSource(std::move(log));
    viewer.window->SetCaption(QStringLiteral("Consulta de Diagnóstico []"));
    viewer.window->ShowModal();
}

TEST(ConsoleRunEnding, TheVerdictComesAfterTheLogTableAndEachOperationIsRecorded) {
    std::ostringstream out;
    ConsoleDesktop desktop(out, {}, ProgressOutput::Lines);
    {
        auto bar = desktop.newProgressWindow();
        bar->Show();
        desktop.messages().MsgBox(QStringLiteral("durante"), ui::vbOKOnly, QStringLiteral("Aviso"));
        EXPECT_NE(out.str().find("durante"), std::string::npos);  // while the bar is up: at once
        bar->Hide();
    }
    desktop.messages().MsgBox(QStringLiteral("Ocorreram erros na importação."), ui::vbOKOnly, QStringLiteral("Fim"));
    EXPECT_EQ(out.str().find("Ocorreram erros"), std::string::npos);
    showLog(desktop, logWith({QStringLiteral("OK"), QStringLiteral("ERRO"), QStringLiteral("OK")}));
    const std::string text = out.str();
    ASSERT_NE(text.find("Ocorreram erros"), std::string::npos);
    EXPECT_LT(text.find("Linha | Estado"), text.find("Ocorreram erros"));

    const OperationRecord run = desktop.transcript().endOperation();
    EXPECT_TRUE(run.progressShown);
    EXPECT_EQ(run.logsShown, 1);
    EXPECT_EQ(run.rowsPerEstado, (QMap<QString, int>{{QStringLiteral("OK"), 2}, {QStringLiteral("ERRO"), 1}}));
    ASSERT_EQ(run.boxes.size(), 2u);
    EXPECT_EQ(run.boxes[1].title, QStringLiteral("Fim"));

    // The next operation starts afresh; a box no window follows is printed when it ends.
    desktop.messages().MsgBox(QStringLiteral("Nada foi alterado."), ui::vbExclamation, QStringLiteral("Importação"));
    const OperationRecord refused = desktop.transcript().endOperation();
    EXPECT_NE(out.str().find("Nada foi alterado."), std::string::npos);
    EXPECT_FALSE(refused.progressShown);
    EXPECT_EQ(refused.logsShown, 0);
    EXPECT_EQ(refused.boxes.size(), 1u);
}

TEST(ConsoleRunEnding, AnEditOrButtonNotCarriedOutIsRecorded) {
    std::ostringstream out;
    ConsoleDesktop desktop(out, {{}, {}, {{1003, QStringLiteral("Talvez")}}, QStringLiteral("Confirmar")});
    ui::ConfigWindow config = desktop.newConfigWindow();
    auto& item = config.grid->AddCategory(QStringLiteral("Documento Comercial"))
                     .AddChildItem(ui::PropertyItemList, QStringLiteral("Finaliza"), Variant(QString()));
    item.SetId(1003);
    item.AddConstraint(QStringLiteral("Não"), 0);
    config.window->ShowModal();
    EXPECT_FALSE(desktop.transcript().endOperation().configCarriedOut);
}

TEST(ConsoleRunEnding, AFirstInterruptAsksTheRunToStopOnlyWhileItsBarIsUp) {
    std::ostringstream out;
    ConsoleProgressBar bar(out, 10, ProgressOutput::Lines);
    bar.Show();
    EXPECT_FALSE(bar.CancelRequested());
    std::raise(SIGINT);  // caught: the test goes on
    EXPECT_TRUE(bar.CancelRequested());
    bar.Hide();
    struct sigaction now {};
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);  // outside a run Ctrl+C ends the program as usual
}

}  // namespace
}  // namespace tvx::ui_console
