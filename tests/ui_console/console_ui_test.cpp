// The console desktop of batch runs: printed boxes answered with their
// default buttons, file dialogs answered from preset names.
#include "platform/automation/automation_error.h"
#include "platform/automation/class_registry.h"
#include "ui_console/console_common_dialog.h"
#include "ui_console/console_desktop.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

namespace tvx::ui_console {
namespace {

using namespace ui;

TEST(ConsoleMessageBoxTest, PrintsTheBoxAndAnswersWithItsDefaultButton) {
    std::ostringstream out;
    ConsoleMessageBox box(out);
    EXPECT_EQ(box.MsgBox(QStringLiteral("Erro. Não foi possivel ligar ao Tumo Vesk"), vbExclamation,
                         QStringLiteral("Ligação ao Servidor/Tumo Vesk")),
              vbOK);
    EXPECT_EQ(out.str(),
              "== Ligação ao Servidor/Tumo Vesk ==\n"
              "    (!) Erro. Não foi possivel ligar ao Tumo Vesk\n"
              "    [OK] -> OK\n");

    out.str({});
    EXPECT_EQ(box.MsgBox(QStringLiteral("Gravar?\r\nO log não foi gravado."),
                         vbYesNoCancel + vbQuestion + vbDefaultButton2, QStringLiteral("Sair")),
              vbNo);
    EXPECT_EQ(out.str(),
              "== Sair ==\n"
              "    (?) Gravar?\n"
              "    O log não foi gravado.\n"
              "    Yes [No] Cancel -> No\n");

    // A default beyond the buttons shown falls back to the first one.
    out.str({});
    EXPECT_EQ(box.MsgBox(QStringLiteral("x"), vbRetryCancel + vbDefaultButton3, {}), vbRetry);
}

TEST(ConsoleCommonDialogTest, AnswersFromPresetNamesOrCancels) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("bilhetes.csv"));
    QFile(existing).open(QIODevice::WriteOnly);
    std::ostringstream out;

    ConsoleCommonDialog chosen(out, existing, dir.filePath(QStringLiteral("log.xml")));
    chosen.DialogTitle = QStringLiteral("Selecção de ficheiro de Importação");
    chosen.Flags = cdlOFNFileMustExist | cdlOFNHideReadOnly;
    chosen.ShowOpen();
    EXPECT_EQ(chosen.FileName, existing);
    chosen.ShowSave();
    EXPECT_EQ(chosen.FileName, dir.filePath(QStringLiteral("log.xml")));
    EXPECT_NE(out.str().find("== Selecção de ficheiro de Importação == open: " + existing.toStdString()),
              std::string::npos);

    // A preset file that does not exist cannot be chosen where the file must exist.
    ConsoleCommonDialog missing(out, dir.filePath(QStringLiteral("nao_existe.csv")));
    missing.Flags = cdlOFNFileMustExist;
    missing.FileName = QStringLiteral("antes");
    missing.ShowOpen();
    EXPECT_EQ(missing.FileName, QStringLiteral("antes"));
    missing.Flags = 0;
    missing.ShowOpen();
    EXPECT_EQ(missing.FileName, dir.filePath(QStringLiteral("nao_existe.csv")));

    // No preset: cancelled, raised as 32755 when the caller asked for that.
    ConsoleCommonDialog none(out);
    none.ShowSave();
    EXPECT_TRUE(none.FileName.isEmpty());
    none.CancelError = true;
    try {
        none.ShowOpen();
        ADD_FAILURE() << "cancel not raised";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::CancelSelected);
    }
    EXPECT_NE(out.str().find("open: cancelled (no such file)"), std::string::npos);
}

TEST(ConsoleDesktopTest, IsTheProcessDesktopOnceRegistered) {
    std::ostringstream out;
    registerConsoleDesktop(out, {QStringLiteral("/dados/a.csv"), std::nullopt, {}, std::nullopt});
    const auto desktop = ui::registeredDesktop();
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(desktop, ui::registeredDesktop());  // one desktop, whoever asks
    desktop->messages().MsgBox(QStringLiteral("olá"), vbOKOnly, QStringLiteral("T"));
    desktop->messageLoop().DoEvents();
    auto dialog = desktop->newCommonDialog();
    dialog->ShowOpen();
    EXPECT_EQ(dialog->FileName, QStringLiteral("/dados/a.csv"));
    EXPECT_EQ(out.str().substr(0, 8), "== T ==\n");
    registry::unregisterClass(ui::DesktopProgId);
    EXPECT_EQ(ui::registeredDesktop(), nullptr);
}

}  // namespace
}  // namespace tvx::ui_console
