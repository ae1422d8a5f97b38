// Each Qt window reaches its logic, offscreen: the viewer's buttons, Escape
// and close box; the configuration window's grid editors and buttons; the
// progress window of the runs; the message box's and the
// file dialog's platform behaviour; the grid's headings; window placement.
#include "diagnostics/diagnostico_log.h"
#include "diagnostics/frm_view_diagnosticos.h"
#include "modal_script.h"
#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "runs/frm_progresso_import.h"
#include "settings/cinifile.h"
#include "settings/dal_comandos.h"
#include "support/fake_common_dialog.h"
#include "support/fake_message_box.h"
#include "support/fake_shell.h"
#include "ui_qt/data_grid_widget.h"
#include "ui_qt/form_dialog.h"
#include "ui_qt/group_by_bar.h"
#include "ui_qt/grouping_proxy_model.h"
#include "ui_qt/progress_dialog.h"
#include "ui_qt/property_grid_model.h"
#include "ui_qt/property_grid_widget.h"
#include "ui_qt/qt_common_dialog.h"
#include "ui_qt/qt_config_window.h"
#include "ui_qt/qt_data_grid.h"
#include "ui_qt/qt_form_window.h"
#include "ui_qt/qt_message_box.h"
#include "ui_qt/qt_message_loop.h"
#include "ui_qt/qt_progress_window.h"
#include "ui_qt/qt_viewer_window.h"
#include "ui_qt/qt_window_placement.h"
#include "ui_qt/recordset_table_model.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <functional>

namespace tvx::ui_qt {
namespace {

using testing::ModalScript;

std::shared_ptr<ado::Recordset> runLog() {
    DiagnosticoLog log{DalComandos::HlpDb_DiagnosticoCreate};
    log.pDiagnosticoCreate();
    log.pDiagnosticoAdd(1, {}, estado::Processado, 0,
                        QStringLiteral("Factura em Preparação FT 45/1/2024 TKT Issued ID 11"));
    log.pDiagnosticoAdd(2, {}, estado::Erro, 0, QStringLiteral("Linha com Cliente inválido. TKT Issued ID =12"));
    log.pDiagnosticoAdd(3, {}, estado::Processado, 0,
                        QStringLiteral("Factura em Preparação FT 46/1/2024 TKT Issued ID 13"));
    return log.rsDiagnostico();
}

QStringList visibleHeadings(const QTreeView& view) {
    QStringList headings;
    for (int section = 0; section < view.header()->count(); ++section)
        if (!view.isColumnHidden(section)) headings << view.model()->headerData(section, Qt::Horizontal).toString();
    return headings;
}

QPushButton* button(QWidget* window, const char* control) {
    auto* found = window->findChild<QPushButton*>(QString::fromLatin1(control));
    EXPECT_TRUE(found) << control;
    return found;
}

TEST(QtViewerWindow, ButtonsEscapeAndTheCloseBoxReachTheViewer) {
    QTemporaryDir dir;
    ui::ViewerWindow janela = newQtViewerWindow();
    auto* form = dynamic_cast<QtFormWindow&>(*janela.window).dialog();
    auto* grid = dynamic_cast<QtDataGrid&>(*janela.grid).widget();
    testing::FakeCommonDialog files;
    testing::FakeMessageBox messages;
    testing::FakeShell shell;
    FrmViewDiagnosticos viewer({*janela.window, *janela.grid, files, messages, shell, dir.path()});
    viewer.setDiagnostico(runLog());
    const QString saved = dir.filePath(QStringLiteral("log.XML"));

    ModalScript user;
    user.then([&](QWidget* modal) {
        ASSERT_EQ(modal, static_cast<QWidget*>(form));
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Consulta de Diagnóstico []"));
        EXPECT_EQ(grid->groupingModel()->rowCount(), 3);
        EXPECT_EQ(visibleHeadings(*grid->view()), QStringList({"Linha", "Estado", "Descrição"}));
        EXPECT_EQ(grid->groupByBar()->text(),
                  QStringLiteral("Arraste para esta zona as colunas pelas quais pretende agrupar"));
        // The filter box and the count of the rows it shows.
        auto* filter = modal->findChild<QLineEdit*>(QStringLiteral("txtFiltro"));
        auto* count = modal->findChild<QLabel*>(QStringLiteral("lblLinhas"));
        ASSERT_TRUE(filter && count);
        EXPECT_EQ(count->text(), QStringLiteral("3 linhas"));
        QTest::keyClicks(filter, QStringLiteral("zzz"));
        EXPECT_EQ(count->text(), QStringLiteral("0 de 3 linhas"));
        filter->clear();

        // Escape is "Sair": the unsaved log makes it ask, and No keeps the window.
        messages.answerNext(ui::vbNo);
        QTest::keyClick(modal, Qt::Key_Escape);
        ASSERT_EQ(messages.calls().size(), 1u);
        EXPECT_TRUE(messages.last().prompt.endsWith(QStringLiteral("Pretende sair sem gravar?")));
        EXPECT_TRUE(modal->isVisible());

        files.chooseNext(saved);
        QTest::mouseClick(button(modal, "CmdGravarComo"), Qt::LeftButton);
        EXPECT_TRUE(QFileInfo::exists(saved));
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Consulta de Diagnóstico [") + saved + QStringLiteral("]"));
        EXPECT_EQ(grid->groupingModel()->rowCount(), 3);

        QTest::mouseClick(button(modal, "cmdSair"), Qt::LeftButton);  // saved: leaves without asking
    });
    viewer.ViewDiagnostico();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(messages.calls().size(), 1u);

    // "Abrir" asks for a file; then the close box leaves without asking.
    user.then([&](QWidget* modal) {
        files.chooseNext(saved);
        QTest::mouseClick(button(modal, "CmdAbrir"), Qt::LeftButton);
        ASSERT_FALSE(files.shows().empty());
        EXPECT_EQ(files.shows().back().title, QStringLiteral("Selecção de ficheiro de Diagnóstico"));
        modal->close();
    });
    viewer.ViewDiagnostico();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(messages.calls().size(), 1u);
}

TEST(QtConfigWindow, TheGridsEditorsAndButtonsReachTheForm) {
    testing::FakeMessageBox messages;
    ui::ConfigWindow janela = newQtConfigWindow(messages);
    ui::PropertyGrid& grid = *janela.grid;
    auto* form = dynamic_cast<QtFormWindow&>(*janela.window).dialog();
    auto* widget = form->findChild<PropertyGridWidget*>(QStringLiteral("wndPropertyGrid"));
    ASSERT_TRUE(widget);
    PropertyGridModel* model = widget->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    grid.SetAppearance(2);
    ui::PropertyGridCategory& documento = grid.AddCategory(QStringLiteral("Documento Comercial"));
    documento.SetDescription(QStringLiteral("Configuração do documento comercial"));
    documento.Expand();
    ui::PropertyGridItem& tipo = documento.AddChildItem(ui::PropertyItemList, QStringLiteral("Tipo de Documento"), {});
    tipo.SetId(1000);
    tipo.SetDescription(QStringLiteral("Tipo de documento"));
    tipo.AddConstraint(QStringLiteral("Factura"), 5, QStringLiteral("FT"));
    tipo.AddConstraint(QStringLiteral("Factura simplificada"), 7, QStringLiteral("FS"));
    tipo.SetValue(Variant(std::int32_t(5)));
    ui::PropertyGridCategory& origem = grid.AddCategory(QStringLiteral("Base dados origem"));
    origem.Expand();
    ui::PropertyGridItem& nome = origem.AddChildItem(ui::PropertyItemText, QStringLiteral("Nome"), Variant(QString()));
    nome.SetId(1009);
    nome.SetFlags(ui::PropertyItemHasEdit | ui::PropertyItemHasButton);
    nome.SetValue(Variant("agencia.accdb"));
    ui::PropertyGridItem& senha =
        origem.AddChildItem(ui::PropertyItemText, QStringLiteral("Password"), Variant(QString()));
    senha.SetId(1011);
    senha.SetPasswordMask(true);
    senha.SetValue(Variant("segredo"));

    QStringList events;
    grid.OnValueChanged(
        [&](ui::PropertyGridItem& i) { events << QStringLiteral("%1=%2").arg(i.Id()).arg(i.ValueText()); });
    grid.OnInplaceButtonDown([&](ui::PropertyGridItem& i) { events << QStringLiteral("button %1").arg(i.Id()); });
    int sair = 0;
    janela.window->SetControlCaption(QStringLiteral("cmdSair"), QStringLiteral("&Sair"));
    janela.window->OnClick(QStringLiteral("cmdSair"), [&] {
        ++sair;
        janela.window->Hide();
    });

    ModalScript user;
    user.then([&](QWidget* modal) {
        ASSERT_EQ(modal, static_cast<QWidget*>(form));
        QTreeView* view = widget->view();
        const QModelIndex tipoValor = model->index(0, 1, model->index(0, 0));
        const QModelIndex nomeValor = model->index(0, 1, model->index(1, 0));
        const QModelIndex senhaValor = model->index(1, 1, model->index(1, 0));
        EXPECT_TRUE(view->isExpanded(model->index(1, 0)));
        EXPECT_TRUE(view->isFirstColumnSpanned(0, {}));
        EXPECT_EQ(tipoValor.data().toString(), QStringLiteral("Factura"));
        EXPECT_EQ(senhaValor.data().toString(), QString(7, QChar(0x2022)));
        EXPECT_EQ(button(modal, "cmdSair")->text(), QStringLiteral("&Sair"));

        view->setCurrentIndex(tipoValor);
        EXPECT_EQ(widget->descriptionTitle()->text(), QStringLiteral("Tipo de Documento"));
        EXPECT_EQ(widget->descriptionText()->text(), QStringLiteral("Tipo de documento"));

        // A list: a drop-down of its entries, whose pick is the user's change.
        QTest::keyClick(view, Qt::Key_F2);
        auto* combo = view->viewport()->findChild<QComboBox*>();
        ASSERT_TRUE(combo);
        EXPECT_EQ(combo->count(), 2);
        EXPECT_EQ(combo->currentText(), QStringLiteral("Factura"));
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        EXPECT_EQ(events, QStringList{"1000=Factura simplificada"});
        EXPECT_EQ(tipo.Value(), Variant(std::int32_t(7)));

        // A text, edited in place from the keyboard; the password's masked.
        view->setCurrentIndex(senhaValor.siblingAtColumn(0));
        QTest::keyClick(view, Qt::Key_Return);
        auto* line = view->viewport()->findChild<QLineEdit*>();
        ASSERT_TRUE(line);
        EXPECT_EQ(line->echoMode(), QLineEdit::Password);
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("novo"));
        QTest::keyClick(line, Qt::Key_Return);
        QCoreApplication::processEvents();  // Return commits on the next turn
        EXPECT_EQ(events.last(), QStringLiteral("1011=novo"));

        // The name's in-place button, drawn in its cell.
        const QRect cell = view->visualRect(nomeValor);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(cell.right() - 4, cell.center().y()));
        QCoreApplication::processEvents();
        EXPECT_EQ(events.last(), QStringLiteral("button 1009"));

        QTest::keyClick(modal, Qt::Key_Escape);
    });
    janela.window->ShowModal();
    EXPECT_EQ(sair, 1);
    EXPECT_TRUE(user.done());
}

// Offscreen Qt has no drag and drop of its own: the drop of a heading on the
// group-by area is delivered by hand, as the desktop would deliver it.
void dropOn(GroupByBar& bar, std::unique_ptr<QMimeData> carried) {
    const QPoint at(bar.width() - 10, bar.height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, carried.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(&bar, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, carried.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(&bar, &drop);
}

TEST(QtDataGrid, AHeadingDroppedOnTheGroupAreaGroupsAndAClickSorts) {
    auto* widget = new DataGridWidget;
    QtDataGrid grid(widget);
    grid.SetDataSource(runLog());
    widget->resize(640, 320);
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    QHeaderView* header = widget->view()->header();
    const int estado = widget->tableModel()->columnOf(QStringLiteral("Estado"));
    const int section = estado + 1;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, 5));
    EXPECT_EQ(widget->groupingModel()->sortColumn(), estado);

    GroupByBar* bar = widget->groupByBar();
    DataGridWidget other;
    const std::unique_ptr<QMimeData> otherColumn(other.groupByBar()->columnMimeData(estado));
    QDragEnterEvent foreign(QPoint(5, 5), Qt::CopyAction, otherColumn.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(bar, &foreign);
    EXPECT_FALSE(foreign.isAccepted()) << "a column of another grid was taken";

    dropOn(*bar, std::unique_ptr<QMimeData>(bar->columnMimeData(estado)));
    EXPECT_EQ(widget->groupingModel()->groupColumns(), std::vector<int>{estado});
    EXPECT_TRUE(widget->view()->isExpanded(widget->groupingModel()->index(0, 0)));
    ASSERT_EQ(bar->groups().size(), 1u);
    EXPECT_EQ(bar->groups()[0].second, QStringLiteral("Estado"));

    // Double-clicking its label in the group area ungroups.
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(12, bar->height() / 2));
    EXPECT_TRUE(widget->groupingModel()->groupColumns().empty());
}

TEST(QtProgressWindow, ShowsTheRunsProgressAndItsCloseOnlyAsksTheRunToStop) {
    QtMessageLoop loop;
    auto window = std::make_unique<QtProgressWindow>();
    QPointer<ProgressDialog> dialog = window->dialog();
    FrmProgressoImport progress(std::move(window), loop);
    progress.start();
    ASSERT_TRUE(dialog && dialog->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Importação de Movimentos"));
    // While a run goes on, the host's windows take no clicks that could start another.
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);

    bool turned = false;
    QTimer::singleShot(0, [&turned] { turned = true; });
    progress.update(3, 10);
    EXPECT_TRUE(turned) << "no turn of the message loop, so no repaint";
    EXPECT_EQ(dialog->lblPagina()->text(), QStringLiteral("A importar: linha 3  de 10"));
    EXPECT_EQ(dialog->pgbPag()->maximum(), 10);
    EXPECT_EQ(dialog->pgbPag()->value(), 3);
    progress.update(12, 10);
    EXPECT_EQ(dialog->pgbPag()->value(), 10);

    // Esc, the close box and "Cancelar" each ask the run to stop; the window stays until the run ends.
    EXPECT_FALSE(dialog->cancelRequested());
    const auto asks = [](const std::function<void(ProgressDialog*)>& user) {
        QtProgressWindow other;
        other.Show();
        EXPECT_FALSE(other.CancelRequested());
        user(other.dialog());
        EXPECT_TRUE(other.CancelRequested());
        EXPECT_TRUE(other.dialog()->isVisible());
    };
    asks([](ProgressDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    asks([](ProgressDialog* d) { d->close(); });
    asks([](ProgressDialog* d) { d->cancelButton()->click(); });
    progress.end();
    EXPECT_TRUE(dialog.isNull()) << "the window was not unloaded";
}

TEST(QtMessageBox, ButtonsDefaultAndEscapeAsThePlatform) {
    const int sairSemGravar = ui::vbYesNo + ui::vbDefaultButton2;
    const auto box = newMessageBox(QStringLiteral("Não gravado.\r\nPretende sair sem gravar?"), sairSemGravar,
                                   QStringLiteral("Diagnósticos"));
    box->show();
    QList<QAbstractButton*> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    QStringList texts;
    for (auto* b : buttons) texts << b->text();
    EXPECT_EQ(texts, QStringList({"&Sim", "&Não"}));
    EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("&Não"));
    EXPECT_EQ(box->text(), QStringLiteral("Não gravado.\nPretende sair sem gravar?"));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_FALSE(box->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    box->hide();

    QtMessageBox messages;
    ModalScript user;
    user.then([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); })  // Yes/No: Escape does nothing
        .then([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    EXPECT_EQ(messages.MsgBox(QStringLiteral("?"), sairSemGravar, QStringLiteral("Diagnósticos")), ui::vbNo);

    user.then([](QWidget* modal) {
        EXPECT_EQ(static_cast<QMessageBox*>(modal)->icon(), QMessageBox::Warning);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(messages.MsgBox(QStringLiteral("Erro x"), ui::vbExclamation, QStringLiteral("Operações")), ui::vbOK);
    user.then([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(messages.MsgBox(QStringLiteral("?"), ui::vbYesNoCancel), ui::vbCancel);
}

TEST(QtCommonDialog, PropertiesFlagsOverwritePromptAndCancel) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("Diagnostico.XML"));
    QFile(existing).open(QIODevice::WriteOnly);
    testing::FakeMessageBox messages;
    QtCommonDialog props(messages);
    props.DialogTitle = QStringLiteral("Gravar ficheiro de diagnostico");
    props.Filter = QStringLiteral("Ficheiros XML (*.XML)|*.XML|Ficheiros Excel (*.XLS)|*.XLS");
    props.FilterIndex = 2;
    props.Flags = ui::cdlOFNOverwritePrompt;
    props.FileName = existing;

    QFileDialog save;
    configureFileDialog(save, props, ui::FileDialogKind::Save);
    EXPECT_EQ(save.windowTitle(), props.DialogTitle);
    EXPECT_EQ(save.nameFilters(), QStringList({"Ficheiros XML (*.XML)", "Ficheiros Excel (*.XLS)"}));
    EXPECT_EQ(save.selectedNameFilter(), QStringLiteral("Ficheiros Excel (*.XLS)"));
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(QDir(save.directory()), QDir(dir.path()));

    QFileDialog open;
    props.Filter = QStringLiteral(" (*.XML)|*.XML");
    props.Flags = ui::cdlOFNFileMustExist + ui::cdlOFNHideReadOnly;
    configureFileDialog(open, props, ui::FileDialogKind::Open);
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(open.nameFilters(), QStringList({"(*.XML)"}));
    props.Flags = 0;
    configureFileDialog(open, props, ui::FileDialogKind::Open);
    EXPECT_EQ(open.fileMode(), QFileDialog::AnyFile);

    // Flag 2: saving over the existing file asks; No goes back to the dialog.
    props.Filter = QStringLiteral("Ficheiros XML (*.XML)|*.XML|Ficheiros Excel (*.XLS)|*.XLS");
    props.FilterIndex = 1;
    props.Flags = ui::cdlOFNOverwritePrompt;
    messages.answerNext(ui::vbNo);
    messages.answerNext(ui::vbYes);
    ModalScript user;
    const auto accept = [](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); };
    user.then(accept).then(accept);
    props.ShowSave();
    EXPECT_EQ(QFileInfo(props.FileName), QFileInfo(existing));
    ASSERT_EQ(messages.calls().size(), 2u);
    EXPECT_EQ(messages.calls()[0].prompt, QStringLiteral("Diagnostico.XML já existe.\r\nPretende substituí-lo?"));

    // Cancel with CancelError set raises 32755 and leaves the name.
    props.CancelError = true;
    user.then([](QWidget* modal) { static_cast<QFileDialog*>(modal)->reject(); });
    try {
        props.ShowSave();
        ADD_FAILURE() << "no cancel error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::CancelSelected);
    }
    EXPECT_EQ(QFileInfo(props.FileName), QFileInfo(existing));
}

TEST(QtWindowPlacement, AWindowComesBackWhereItWasLeft) {
    QTemporaryDir dir;
    cInifile ini;
    ini.setPath(dir.filePath(QStringLiteral("BRISKO.TST")));
    ini.setSection(QStringLiteral("FrmPrincipal"));
    QWidget left;
    left.move(120, 80);
    left.resize(500, 400);
    QtWindowPlacement before(left);
    ini.SaveFormPosition(before);

    QWidget reopened;
    QtWindowPlacement after(reopened);
    ini.LoadFormPosition(after);
    EXPECT_EQ(reopened.pos(), QPoint(120, 80));
    EXPECT_EQ(reopened.size(), QSize(500, 400));
}

}  // namespace
}  // namespace tvx::ui_qt
