// The batch run's progress bar (on a terminal one line redrawn in place, a
// hundred draws at most; into a file a plain line per tenth) and the viewer
// that prints the log as a table.
#include "platform/ado/recordset.h"
#include "ui_console/console_progress_bar.h"
#include "ui_console/console_viewer.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tvx::ui_console {
namespace {

TEST(ConsoleProgressBar, RedrawsOneLineOnlyWhenThePercentageMoves) {
    std::ostringstream out;
    {
        ConsoleProgressBar hidden(out, 10);
        hidden.SetBarValue(1);
    }
    EXPECT_TRUE(out.str().empty());  // never shown: draws nothing, ends nothing
    {
        ConsoleProgressBar bar(out, 10);
        bar.SetCaption(QStringLiteral("Importação de Movimentos"));
        bar.Show();
        for (int i = 1; i <= 1000; ++i) {
            bar.SetLabelCaption(QStringLiteral("A importar: linha %1  de 1000").arg(i));
            bar.SetBarMax(1000);
            bar.SetBarValue(i);
        }
        EXPECT_EQ(bar.line(),
                  QStringLiteral("Importação de Movimentos [##########] 100% A importar: linha 1000  de 1000"));
        bar.Hide();
    }
    const std::string text = out.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 1 + 100);  // the show, then each percent
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);        // ended once, by Hide
    EXPECT_NE(text.find("[#####.....]  50% A importar: linha 500  de 1000"), std::string::npos);
}

TEST(ConsoleProgressBar, IntoAFileWritesAPlainLineAsItShowsAndAtEachTenth) {
    std::ostringstream out;
    {
        ConsoleProgressBar bar(out, 10, ProgressOutput::Lines);
        bar.SetCaption(QStringLiteral("Importação de Movimentos"));
        bar.Show();
        for (int i = 1; i <= 100000; ++i) {
            bar.SetLabelCaption(QStringLiteral("A importar: linha %1  de 100000").arg(i));
            bar.SetBarMax(100000);
            bar.SetBarValue(i);
        }
        bar.Hide();
    }
    const std::string text = out.str();
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 10);
    EXPECT_NE(text.find("[#####.....]  50% A importar: linha 50000  de 100000\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("[##########] 100% A importar: linha 100000  de 100000\n")) << text;
}

TEST(ConsoleViewer, PrintsTheVisibleColumnsAndTheRows) {
    auto rs = std::make_shared<ado::Recordset>();
    rs->Fields().Append(QStringLiteral("Linha"), ado::adInteger);
    rs->Fields().Append(QStringLiteral("Estado"), ado::adVarChar, 15);
    rs->Fields().Append(QStringLiteral("Descrição"), ado::adVarChar, 255);
    rs->Open();
    rs->AddNew();
    rs->setValue(0, Variant(std::int32_t(12)));
    rs->setValue(1, Variant(QStringLiteral("Erro")));
    rs->setValue(2, Variant(QStringLiteral("Linha com Cliente inválido.")));
    rs->Update();

    std::ostringstream out;
    ConsoleDataGrid grid;
    ConsoleViewerWindow window(out, grid);
    grid.SetDataSource(rs);
    ASSERT_EQ(grid.ColumnCount(), 3);
    auto coluna = grid.Column(1);
    coluna.hidden = true;
    grid.SetColumn(1, coluna);
    window.SetCaption(QStringLiteral("Consulta de Diagnóstico []"));
    window.ShowModal();
    EXPECT_EQ(out.str(), QStringLiteral("== Consulta de Diagnóstico [] ==\n"
                                        "Linha | Descrição\n"
                                        "-----------------------------------\n"
                                        "12    | Linha com Cliente inválido.\n")
                             .toStdString());
}

}  // namespace
}  // namespace tvx::ui_console
