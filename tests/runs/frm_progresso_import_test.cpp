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

}  // namespace
}  // namespace tvx::testing
