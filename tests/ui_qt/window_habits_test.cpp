// What a desktop user expects of the windows: rows copied as text, file
// dialogs that start where the user was and add the extension, windows that
// fit the screen.
#include "modal_script.h"
#include "platform/ado/recordset.h"
#include "support/fake_message_box.h"
#include "ui_qt/data_grid_widget.h"
#include "ui_qt/dialog_folders.h"
#include "ui_qt/grouping_proxy_model.h"
#include "ui_qt/qt_common_dialog.h"
#include "ui_qt/recordset_table_model.h"
#include "ui_qt/screen_fit.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>

namespace tvx::ui_qt {
namespace {

TEST(DataGridWidget, SelectedRowsCopyAsShownWithTheVisibleColumns) {
    auto rs = std::make_shared<ado::Recordset>();
    rs->Fields().Append(QStringLiteral("Linha"), ado::adInteger);
    rs->Fields().Append(QStringLiteral("Estado"), ado::adVarChar, 15);
    rs->Fields().Append(QStringLiteral("Descrição"), ado::adVarChar, 255);
    rs->Open();
    for (const auto& [linha, estado, texto] : {std::tuple{1, "OK", "a"}, {2, "Erro", "b\r\nc"}, {3, "OK", "d"}}) {
        rs->AddNew();
        rs->setValue(0, Variant(std::int32_t(linha)));
        rs->setValue(1, Variant(estado));
        rs->setValue(2, Variant(texto));
        rs->Update();
    }
    DataGridWidget grid;
    grid.setRecordset(rs);
    ui::GridColumn estado = grid.tableModel()->columns()[1];
    estado.hidden = true;
    grid.setColumn(1, estado);
    grid.groupBy(1);  // group rows are not copied
    QTreeView* view = grid.view();
    auto* proxy = grid.groupingModel();
    const QModelIndex ok = proxy->index(1, 0);  // "OK" group, after "Erro"
    view->selectionModel()->select(proxy->index(1, 0, ok), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(proxy->index(0, 0, ok), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(ok, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(proxy->index(0, 0, proxy->index(0, 0)),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(grid.selectedRowsText(), QStringLiteral("2\tb c\n1\ta\n3\td\n"));
}

TEST(FileDialogs, StartWhereTheUserWasAndBesideAPresetFile) {
    QTemporaryDir dir;
    DialogFolders folders(dir.filePath(QStringLiteral("host.ini")));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString nowhere = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    // The add-in presets a name in its own folder: no such file, so the documents folder.
    EXPECT_EQ(startFolder(folders, QStringLiteral("Gravar"), dir.filePath(QStringLiteral("lib/Diagnostico.XML"))),
              nowhere);
    const QString agency = dir.filePath(QStringLiteral("agencia.accdb"));
    QFile(agency).open(QIODevice::WriteOnly);
    EXPECT_EQ(startFolder(folders, QStringLiteral("Abrir"), agency), dir.path());

    // Remembered per dialog, across processes (the settings file), and before any preset.
    QDir(dir.path()).mkdir(QStringLiteral("logs"));
    folders.remember(QStringLiteral("Gravar"), dir.filePath(QStringLiteral("logs")));
    const DialogFolders later(dir.filePath(QStringLiteral("host.ini")));
    EXPECT_EQ(startFolder(later, QStringLiteral("Gravar"), agency), dir.filePath(QStringLiteral("logs")));
    EXPECT_EQ(startFolder(later, QStringLiteral("Abrir"), QString()), nowhere);
    // A folder since removed is forgotten.
    QDir(dir.filePath(QStringLiteral("logs"))).removeRecursively();
    EXPECT_EQ(startFolder(later, QStringLiteral("Gravar"), QString()), nowhere);
}

TEST(FileDialogs, ASaveAddsTheChosenFiltersExtensionToANameWithout) {
    QTemporaryDir dir;
    testing::FakeMessageBox messages;
    QtCommonDialog props(messages, std::make_shared<DialogFolders>());
    props.Filter = QStringLiteral("Ficheiros XML (*.XML)|*.XML|Ficheiros Excel (*.XLS)|*.XLS");
    props.FilterIndex = 2;
    props.FileName = QStringLiteral("Diagnostico.XML");
    testing::ModalScript user;
    user.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("Ficheiros Excel (*.XLS)"));
        dialog->setDirectory(dir.path());
        dialog->selectFile(QStringLiteral("relatorio"));
        static_cast<QDialog*>(dialog)->accept();
    });
    props.ShowSave();
    EXPECT_EQ(QFileInfo(props.FileName), QFileInfo(dir.filePath(QStringLiteral("relatorio.XLS"))));
}

TEST(ScreenFit, AWindowLargerThanTheScreenShrinksAndItsTitleBarStaysOnIt) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect available = screen->availableGeometry();
    QWidget window;
    window.setMinimumSize(420, available.height() + 100);
    window.resize(600, available.height() + 200);
    window.move(available.left() - 50, available.top() - 300);
    fitToScreen(window);
    EXPECT_LE(window.height(), available.height());
    EXPECT_GE(window.y(), available.top());
    EXPECT_GE(window.x(), available.left());
    EXPECT_LE(window.x() + window.width(), available.right() + 1);
    EXPECT_EQ(window.width(), 600);  // what fits is left alone
}

}  // namespace
}  // namespace tvx::ui_qt
