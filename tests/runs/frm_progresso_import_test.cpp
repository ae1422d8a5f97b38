#include "runs/frm_progresso_import.h"

#include "support/fake_message_loop.h"
#include "support/recording_progress_window.h"
#include "tickets/tickets_test_support.h"

#include <gtest/gtest.h>

namespace tvx::testing {
namespace {

TEST(FrmProgressoImport, TheLabelHasTwoBlanksBeforeTheCountAndEndUnloadsOnce) {
    EXPECT_EQ(FrmProgressoImport::lblPaginaCaption(7, 120), QStringLiteral("A importar: linha 7  de 120"));
    QStringList log;
    FakeMessageLoop loop;
    {
        FrmProgressoImport frm(std::make_unique<RecordingProgressWindow>(log), loop);
        frm.start();
        frm.end();
        frm.end();
        frm.update(1, 1);  // nothing left to update
    }
    EXPECT_EQ(log, (QStringList{"caption Importação de Movimentos", "show", "hide", "unload"}));
    EXPECT_EQ(loop.turns, 0);
}

TEST(FrmProgressoImport, ARangeOfNumbersIsDrawnFromItsFirstToItsLast) {
    QStringList log;
    FakeMessageLoop loop;
    FrmProgressoImport frm(std::make_unique<RecordingProgressWindow>(log), loop);
    log.clear();
    frm.update(QStringLiteral("A Remover: 7"), 7, 5, 9);
    frm.update(QStringLiteral("A Remover: 5"), 5, 5, 5);  // one number: full
    // Wider than the bar takes: scaled down.
    frm.update(QStringLiteral("A Remover: 0"), 0, -2147483647 - 1, 2147483647);
    EXPECT_EQ(log, (QStringList{"label A Remover: 7", "max 4", "value 2", "label A Remover: 5", "max 1", "value 1",
                                "label A Remover: 0", "max 1431655765", "value 715827882"}));
    EXPECT_EQ(loop.turns, 3);
}

}  // namespace
}  // namespace tvx::testing
