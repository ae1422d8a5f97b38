#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

namespace tvx::ui {
namespace {

TEST(MessageBoxStyle, ButtonsIconsAndDefaultsComeFromTheStyleWord) {
    EXPECT_EQ(msgBoxButtons(vbOKOnly), (std::vector<MsgBoxResult>{vbOK}));
    EXPECT_EQ(msgBoxButtons(vbYesNoCancel + vbExclamation), (std::vector<MsgBoxResult>{vbYes, vbNo, vbCancel}));

    EXPECT_EQ(msgBoxIcon(vbOKOnly), MsgBoxIcon::None);
    EXPECT_EQ(msgBoxIcon(vbYesNo + vbCritical), MsgBoxIcon::Critical);
    EXPECT_EQ(msgBoxIcon(vbExclamation + vbDefaultButton2), MsgBoxIcon::Exclamation);
    EXPECT_EQ(msgBoxIcon(vbInformation), MsgBoxIcon::Information);

    EXPECT_EQ(msgBoxDefaultAnswer(vbYesNo), vbYes);
    EXPECT_EQ(msgBoxDefaultAnswer(vbYesNo + vbDefaultButton2 + vbQuestion), vbNo);
    EXPECT_EQ(msgBoxDefaultAnswer(vbYesNoCancel + vbDefaultButton3), vbCancel);
    // A default beyond the buttons shown falls back to the first one.
    EXPECT_EQ(msgBoxDefaultAnswer(vbOKOnly + vbDefaultButton3), vbOK);
    EXPECT_EQ(msgBoxDefaultAnswer(vbYesNo + vbDefaultButton3), vbYes);

    EXPECT_EQ(msgBoxEscapeAnswer(vbOKOnly), vbOK);
    EXPECT_EQ(msgBoxEscapeAnswer(vbYesNoCancel), vbCancel);
    EXPECT_EQ(msgBoxEscapeAnswer(vbYesNo), 0);
}

}  // namespace
}  // namespace tvx::ui
