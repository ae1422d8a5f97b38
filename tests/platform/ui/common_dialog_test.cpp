#include "platform/ui/common_dialog.h"
#include "platform/automation/automation_error.h"
#include "support/fake_common_dialog.h"

#include <gtest/gtest.h>

namespace tvx::ui {
namespace {

TEST(FileFilter, SplitsDescriptionPatternPairs) {
    const auto pairs = parseFileFilter(QStringLiteral("Ficheiros XML (*.XML)|*.XML|Ficheiros Excel (*.XLS)|*.XLS"));
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].description, QStringLiteral("Ficheiros XML (*.XML)"));
    EXPECT_EQ(pairs[1].pattern, QStringLiteral("*.XLS"));

    const auto leadingSpace = parseFileFilter(QStringLiteral(" (*.CSV)|*.CSV"));
    ASSERT_EQ(leadingSpace.size(), 1u);
    EXPECT_EQ(leadingSpace[0].description, QStringLiteral(" (*.CSV)"));

    EXPECT_TRUE(parseFileFilter(QString()).empty());
    EXPECT_EQ(parseFileFilter(QStringLiteral("a|*.a|dangling")).size(), 1u);
}

TEST(FileFilter, ANameWithoutExtensionTakesTheFilters) {
    const FileFilter xls{QStringLiteral("Ficheiros Excel (*.XLS)"), QStringLiteral("*.XLS;*.XLSX")};
    EXPECT_EQ(withFilterExtension(QStringLiteral("/d/relatorio"), xls), QStringLiteral("/d/relatorio.XLS"));
    EXPECT_EQ(withFilterExtension(QStringLiteral("/d/relatorio.xml"), xls), QStringLiteral("/d/relatorio.xml"));
    // A dot in a folder's name is not the file's extension.
    EXPECT_EQ(withFilterExtension(QStringLiteral("/d.v2/relatorio"), xls), QStringLiteral("/d.v2/relatorio.XLS"));
    EXPECT_EQ(withFilterExtension(QStringLiteral("/d/"), xls), QStringLiteral("/d/"));
    EXPECT_EQ(withFilterExtension(QStringLiteral("/d/a"), {QString(), QStringLiteral("*.*")}), QStringLiteral("/d/a"));
    EXPECT_EQ(withFilterExtension(QStringLiteral("/d/a"), {QString(), QStringLiteral("*")}), QStringLiteral("/d/a"));
}

TEST(CommonDialog, ChoiceSetsFileNameAndCancelKeepsItOrRaises) {
    testing::FakeCommonDialog dialog;
    dialog.FileName = QStringLiteral("/antes.xml");
    dialog.chooseNext(QStringLiteral("/escolhido.xml"));
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName, QStringLiteral("/escolhido.xml"));

    dialog.cancelNext();
    dialog.ShowSave();
    EXPECT_EQ(dialog.FileName, QStringLiteral("/escolhido.xml"));

    dialog.CancelError = true;
    dialog.cancelNext();
    try {
        dialog.ShowSave();
        FAIL() << "cancel with CancelError set must raise";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::CancelSelected);
    }
    EXPECT_EQ(dialog.FileName, QStringLiteral("/escolhido.xml"));

    ASSERT_EQ(dialog.shows().size(), 3u);
    EXPECT_EQ(dialog.shows()[0].kind, FileDialogKind::Open);
    EXPECT_EQ(dialog.shows()[0].fileName, QStringLiteral("/antes.xml"));
    EXPECT_EQ(dialog.shows()[2].kind, FileDialogKind::Save);
    EXPECT_TRUE(dialog.shows()[2].cancelError);
}

}  // namespace
}  // namespace tvx::ui
