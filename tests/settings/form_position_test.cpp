#include "settings/cinifile.h"

#include "platform/automation/automation_error.h"
#include "platform/profile/temp_ini.h"
#include "support/fake_window_placement.h"

#include <gtest/gtest.h>

namespace tvx {
namespace {

using namespace Qt::StringLiterals;

using testing::FakeWindowPlacement;

class FormPosition : public ::testing::Test {
protected:
    FormPosition() {
        f.setPath(ini.path());
        f.setSection(u"Main"_s);
        f.setKey(u"current"_s);
        f.setDefault(u"dflt"_s);
    }
    QString stored(const char* key) { return test::readProfile(u"Main"_s, QString::fromLatin1(key), ini.path()); }
    void expectKeyAndDefaultKept() {
        EXPECT_EQ(f.Key(), u"current"_s);
        EXPECT_EQ(f.Default(), u"dflt"_s);
    }

    test::TempIni ini;
    cInifile f;
    FakeWindowPlacement window;
};

TEST_F(FormPosition, SavesWhatTheWindowStateAllows) {
    f.SaveFormPosition(window);
    EXPECT_EQ(ini.read(),
              QByteArray("[Main]\r\nMaximised=0\r\nLeft=1500\r\nTop=1200\r\nWidth=6000\r\nHeight=4500\r\n"));
    expectKeyAndDefaultKept();

    window.maximised = true;
    window.l = 0;
    f.SaveFormPosition(window);
    EXPECT_EQ(stored("Maximised"), u"1"_s);
    EXPECT_EQ(stored("Left"), u"1500"_s);  // a maximised window keeps its last normal placement

    window.minimised = true;
    window.maximised = false;
    f.SaveFormPosition(window);
    EXPECT_EQ(stored("Maximised"), u"1"_s);
}

TEST_F(FormPosition, RestoresStoredPlacement) {
    ini.write("[Main]\r\nLeft=3000\r\nTop=1500\r\nWidth=7500\r\nHeight=6000\r\nMaximised=0\r\n");
    f.LoadFormPosition(window);
    EXPECT_EQ(window.moves, 1);
    EXPECT_EQ(std::tuple(window.l, window.t, window.w, window.h), std::tuple(3000, 1500, 7500, 6000));
    EXPECT_FALSE(window.maximised);
    expectKeyAndDefaultKept();

    // Missing or unreadable values fall back to the window's own, sizes rise to the minimums.
    ini.write("[Main]\r\nLeft=abc\r\nWidth=100\r\nMaximised=1\r\n");
    f.LoadFormPosition(window, 4000, 5000);
    EXPECT_EQ(std::tuple(window.l, window.t, window.w, window.h), std::tuple(3000, 1500, 4000, 6000));
    EXPECT_TRUE(window.maximised);
}

TEST_F(FormPosition, KeepsTheWindowFourPixelsInsideTheScreen) {
    // Off the top left: moved in.
    ini.write("[Main]\r\nLeft=-500\r\nTop=0\r\nWidth=6000\r\nHeight=4500\r\n");
    f.LoadFormPosition(window);
    EXPECT_EQ(std::tuple(window.l, window.t), std::tuple(60, 60));

    // Off the bottom right: moved back.
    ini.write("[Main]\r\nLeft=14000\r\nTop=10000\r\nWidth=6000\r\nHeight=4500\r\n");
    f.LoadFormPosition(window);
    EXPECT_EQ(std::tuple(window.l, window.t, window.w, window.h),
              std::tuple(15360 - 60 - 6000, 11520 - 60 - 4500, 6000, 4500));

    // Larger than the screen: placed at the margin and shrunk, even from extreme values.
    ini.write("[Main]\r\nLeft=2147483647\r\nTop=-2147483648\r\nWidth=2147483647\r\nHeight=20000\r\n");
    f.LoadFormPosition(window);
    EXPECT_EQ(std::tuple(window.l, window.t, window.w, window.h), std::tuple(60, 60, 15360 - 120, 11520 - 120));

    // Minimums the screen cannot hold: the window is left where it is.
    window.moves = 0;
    f.LoadFormPosition(window, 20000, 3000);
    EXPECT_EQ(window.moves, 0);
}

TEST_F(FormPosition, ErrorsRestoreKeyAndDefaultAndClearTheReturnCode) {
    QString v = u"x"_s;
    f.setValue(v);
    ASSERT_TRUE(f.Success());
    window.failOnMove = true;
    f.LoadFormPosition(window);
    EXPECT_EQ(f.LastReturnCode(), 0);
    expectKeyAndDefaultKept();
}

}  // namespace
}  // namespace tvx
