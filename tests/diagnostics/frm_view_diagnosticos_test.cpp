#include "diagnostics/frm_view_diagnosticos.h"

#include "diagnostics/diagnostico_log.h"
#include "file_text.h"
#include "log_rows.h"
#include "platform/automation/automation_error.h"
#include "platform/ui/grid_export.h"
#include "settings/dal_comandos.h"
#include "support/fake_common_dialog.h"
#include "support/fake_data_grid.h"
#include "support/fake_form_window.h"
#include "support/fake_message_box.h"
#include "support/fake_shell.h"
#include "support/zip_reader.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <tuple>

namespace tvx {
namespace {

using testing::logRows;

const QString NaoGravado = QStringLiteral("O ficheiro de diagnóstico não se encontra gravado.");

using testing::contents;
using testing::writeText;

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.exporter = exportGrid;
        viewer = std::make_unique<FrmViewDiagnosticos>(
            FrmViewDiagnosticosControls{window, grid, dialog, messages, shell, dir.path()});
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // A run's log, in memory and never saved.
    std::shared_ptr<ado::Recordset> runLog() {
        DiagnosticoLog log{DalComandos::HlpDb_DiagnosticoCreate};
        log.pDiagnosticoCreate();
        log.pDiagnosticoAdd(1, {}, estado::Processado, 0, QStringLiteral("Fatura FT 1/1/2024 criada"));
        log.pDiagnosticoAdd(2, {}, estado::Erro, 0, QStringLiteral("Cliente 'X' não existe"));
        log.pDiagnosticoAdd(1234, {}, estado::OK, 77, QStringLiteral("Recibo & acerto <ok>"));
        return log.rsDiagnostico();
    }

    // A log saved to `name` beforehand.
    QString savedLog(const QString& name) {
        const QString file = path(name);
        runLog()->Save(file);
        return file;
    }

    void whileShown(void (FrmViewDiagnosticos::*click)()) {
        window.whileShown([this, click] { ((*viewer).*click)(); });
    }

    QString captionOf(const QString& source) const {
        return QStringLiteral("Consulta de Diagnóstico [") + source + QStringLiteral("]");
    }

    QTemporaryDir dir;
    testing::FakeFormWindow window;
    testing::FakeDataGrid grid;
    testing::FakeCommonDialog dialog;
    testing::FakeMessageBox messages;
    testing::FakeShell shell;
    std::unique_ptr<FrmViewDiagnosticos> viewer;
};

TEST_F(ViewerTest, MenuOperationOutsideARunAsksForAFileAndCancelShowsAnEmptyViewer) {
    EXPECT_EQ(window.Caption(), QStringLiteral("Consulta de Diagnosticos"));
    dialog.FileName = QStringLiteral("left/by/an/earlier/use.XML");
    dialog.CancelError = true;
    ConsultaDiagnosticos(*viewer, nullptr, messages);

    ASSERT_EQ(dialog.shows().size(), 1u);
    const auto& show = dialog.shows()[0];
    EXPECT_EQ(show.kind, ui::FileDialogKind::Open);
    EXPECT_EQ(show.title, QStringLiteral("Selecção de ficheiro de Diagnóstico"));
    EXPECT_EQ(show.filter, QStringLiteral(" (*.XML)|*.XML"));
    EXPECT_EQ(show.filterIndex, 1);
    EXPECT_EQ(show.flags, 4100);
    // A cancel must neither open the name left in the shared dialog nor raise.
    EXPECT_EQ(show.fileName, QString());
    EXPECT_FALSE(show.cancelError);

    EXPECT_EQ(window.modalShows(), 1);
    EXPECT_EQ(window.captionsAtShow()[0], QStringLiteral("Consulta de Diagnosticos"));
    EXPECT_EQ(viewer->Diagnostico(), nullptr);
    EXPECT_EQ(grid.dataSource, nullptr);
    EXPECT_TRUE(messages.calls().empty());
}

TEST_F(ViewerTest, GridIsPreparedAndColumnsAreSetUpByExactKey) {
    viewer->setDiagnostico(runLog());
    viewer->ViewDiagnostico();

    EXPECT_EQ(grid.groupByBoxText, QStringLiteral("Arraste para esta zona as colunas pelas quais pretende agrupar"));
    EXPECT_EQ(grid.enterKeyBehavior, 1);
    EXPECT_EQ(grid.tabKeyBehavior, 1);
    EXPECT_EQ(grid.styles[QStringLiteral("Normal")].fontName, QStringLiteral("Verdana"));
    EXPECT_EQ(grid.styles[QStringLiteral("Heading")].fontSize, 9);
    EXPECT_EQ(grid.styles[QStringLiteral("Heading")].alignment, ui::GridAlignLeft);

    const auto* linha = grid.column(QStringLiteral("Linha"));
    ASSERT_TRUE(linha);
    EXPECT_EQ(
        std::tie(linha->width, linha->dataType, linha->alignment, linha->format, linha->hidden),
        std::make_tuple(1000, int(ui::GridTypeInteger), int(ui::GridAlignRight), QStringLiteral("###,###"), false));
    const auto* documento = grid.column(QStringLiteral("Documento"));
    EXPECT_EQ(documento->caption, QStringLiteral("Nº Documento"));
    EXPECT_TRUE(documento->hidden);
    EXPECT_EQ(grid.column(QStringLiteral("Descrição"))->width, 3000);
    EXPECT_FALSE(grid.column(QStringLiteral("Estado"))->hidden);
    const auto* cliente = grid.column(QStringLiteral("Num.Cliente"));
    EXPECT_TRUE(cliente->hidden);
    EXPECT_EQ(cliente->width, 0);

    // Another shape: NIF is shown, any other key (even in another case) hidden.
    auto other = std::make_shared<ado::Recordset>();
    other->Fields().Append(QStringLiteral("NIF"), ado::adVarChar, 9);
    other->Fields().Append(QStringLiteral("linha"), ado::adInteger);
    other->Open();
    viewer->setDiagnostico(other);
    viewer->ViewDiagnostico();
    EXPECT_EQ(grid.column(QStringLiteral("NIF"))->width, 1320);
    EXPECT_FALSE(grid.column(QStringLiteral("NIF"))->hidden);
    EXPECT_TRUE(grid.column(QStringLiteral("linha"))->hidden);
}

TEST_F(ViewerTest, UnsavedRunLogSairAsksWithNoAsDefaultAndLeavesOnYes) {
    viewer->setDiagnostico(runLog());
    whileShown(&FrmViewDiagnosticos::cmdSair_Click);  // answered with the default button
    window.whileShown([this] {
        EXPECT_TRUE(window.shown());
        messages.answerNext(ui::vbYes);
        viewer->cmdSair_Click();
    });
    viewer->ViewDiagnostico();

    EXPECT_EQ(window.captionsAtShow().at(0), captionOf(QString()));
    ASSERT_EQ(messages.calls().size(), 2u);
    for (const auto& call : messages.calls()) {
        EXPECT_EQ(call.prompt, NaoGravado + QStringLiteral("\r\nPretende sair sem gravar?"));
        EXPECT_EQ(call.style, ui::vbYesNo + ui::vbDefaultButton2);
        EXPECT_EQ(call.title, QStringLiteral("Diagnósticos"));
    }
    EXPECT_EQ(messages.calls()[0].answer, ui::vbNo);
    EXPECT_FALSE(window.shown());
    EXPECT_FALSE(window.closedByCloseBox());
}

TEST_F(ViewerTest, UnsavedRunLogAbrirAsksToSaveFirstYesKeepsTheLogNoOpensAFile) {
    const auto log = runLog();
    const QString file = savedLog(QStringLiteral("outro.xml"));
    viewer->setDiagnostico(log);
    whileShown(&FrmViewDiagnosticos::CmdAbrir_Click);  // default Yes: save first, nothing opened
    window.whileShown([&] {
        EXPECT_EQ(viewer->Diagnostico(), log);
        EXPECT_TRUE(dialog.shows().empty());
        messages.answerNext(ui::vbNo);
        dialog.chooseNext(file);
        viewer->CmdAbrir_Click();
    });
    viewer->ViewDiagnostico();

    ASSERT_EQ(messages.calls().size(), 2u);
    for (const auto& call : messages.calls()) {
        EXPECT_EQ(call.prompt, NaoGravado + QStringLiteral("\r\nPretende gravar?"));
        EXPECT_EQ(call.style, ui::vbYesNo);
        EXPECT_EQ(call.title, QStringLiteral("Diagnósticos"));
    }
    EXPECT_EQ(messages.calls()[0].answer, ui::vbYes);
    ASSERT_NE(viewer->Diagnostico(), nullptr);
    EXPECT_EQ(viewer->Diagnostico()->Source(), file);
    EXPECT_EQ(window.Caption(), captionOf(file));
    EXPECT_EQ(grid.dataSource, viewer->Diagnostico());
}

TEST_F(ViewerTest, SavedLogOpensWithItsPathAndThenNothingAsksAndCancelKeepsIt) {
    const QString file = savedLog(QStringLiteral("gravado.XML"));
    dialog.chooseNext(file);
    dialog.cancelNext();
    window.whileShown([&] {
        EXPECT_EQ(window.Caption(), captionOf(file));
        EXPECT_EQ(grid.dataSource, viewer->Diagnostico());
        viewer->CmdAbrir_Click();
    });
    whileShown(&FrmViewDiagnosticos::cmdSair_Click);
    ConsultaDiagnosticos(*viewer, nullptr, messages);

    ASSERT_NE(viewer->Diagnostico(), nullptr);
    EXPECT_EQ(viewer->Diagnostico()->Source(), file);
    EXPECT_EQ(logRows(*viewer->Diagnostico()), logRows(*runLog()));
    EXPECT_TRUE(messages.calls().empty());
    EXPECT_EQ(dialog.shows().size(), 2u);
    EXPECT_FALSE(window.closedByCloseBox());
}

TEST_F(ViewerTest, SaveDialogIsSetUpAndCancelChangesAndDeletesNothing) {
    const QString proposed = path(QStringLiteral("Diagnostico.XML"));
    writeText(proposed, "antigo");
    const auto log = runLog();
    viewer->setDiagnostico(log);
    dialog.cancelNext();
    viewer->CmdGravarComo_Click();

    ASSERT_EQ(dialog.shows().size(), 1u);
    const auto& show = dialog.shows()[0];
    EXPECT_EQ(show.kind, ui::FileDialogKind::Save);
    EXPECT_TRUE(show.cancelError);
    EXPECT_EQ(show.filterIndex, 1);
    EXPECT_EQ(show.title, QStringLiteral("Gravar ficheiro de diagnostico"));
    EXPECT_EQ(show.filter, QStringLiteral("Ficheiros XML (*.XML)|*.XML|Ficheiros Excel (*.XLS)|*.XLS"));
    EXPECT_EQ(show.flags, 2);
    EXPECT_EQ(show.fileName, proposed);

    EXPECT_EQ(contents(proposed), "antigo");
    EXPECT_EQ(viewer->Diagnostico(), log);
    EXPECT_TRUE(messages.calls().empty());
    EXPECT_TRUE(grid.exports.empty());
}

TEST_F(ViewerTest, SavingUnderAnXmlNameInAnyCaseWritesXmlOnlyAndShowsTheReopenedLog) {
    const auto expected = logRows(*runLog());
    writeText(path(QStringLiteral("b.Xml")), "ficheiro antigo");
    for (const QString& name : {QStringLiteral("a.xml"), QStringLiteral("b.Xml"), QStringLiteral("c.XML")}) {
        SCOPED_TRACE(name.toStdString());
        viewer->setDiagnostico(runLog());
        dialog.chooseNext(path(name));
        viewer->CmdGravarComo_Click();

        ASSERT_NE(viewer->Diagnostico(), nullptr);
        EXPECT_EQ(viewer->Diagnostico()->Source(), path(name));
        EXPECT_EQ(window.Caption(), captionOf(path(name)));
        EXPECT_EQ(grid.dataSource, viewer->Diagnostico());
        EXPECT_EQ(logRows(*viewer->Diagnostico()), expected);
        const auto& f = viewer->Diagnostico()->Fields();
        ASSERT_EQ(f.Count(), 5);
        EXPECT_EQ(f.Item(1).Name(), QStringLiteral("Num.Cliente"));
        EXPECT_EQ(f.Item(4).Name(), QStringLiteral("Descrição"));
    }
    EXPECT_TRUE(grid.exports.empty());
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(messages.calls().empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);  // no fresh files left behind
}

TEST_F(ViewerTest, SavingAsSpreadsheetWritesItOpensItAndKeepsAnXmlCopy) {
    const struct {
        QString chosen, xmlCopy;
    } cases[] = {
        {QStringLiteral("a.xls"), QStringLiteral("a.XML")},
        {QStringLiteral("b.XLS"), QStringLiteral("b.XML")},
        {QStringLiteral("c.csv"), QStringLiteral("c.csv.XML")},  // never overwrites the export
        {QStringLiteral("d.xlsx"), QStringLiteral("d.xlsx.XML")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        viewer->setDiagnostico(runLog());
        dialog.chooseNext(path(c.chosen));
        whileShown(&FrmViewDiagnosticos::CmdGravarComo_Click);
        viewer->ViewDiagnostico();

        ASSERT_FALSE(grid.exports.empty());
        EXPECT_EQ(grid.exports.back().format, 3);
        EXPECT_EQ(grid.exports.back().options, 18);
        EXPECT_EQ(shell.opened.back(), path(c.chosen));
        ASSERT_NE(viewer->Diagnostico(), nullptr);
        EXPECT_EQ(viewer->Diagnostico()->Source(), path(c.xmlCopy));
        EXPECT_EQ(window.Caption(), captionOf(path(c.xmlCopy)));
        EXPECT_EQ(viewer->Diagnostico()->RecordCount(), 3);
    }
    // The spreadsheet holds the visible columns under their captions, not the hidden ones.
    const QString xls = QString::fromUtf8(contents(path(QStringLiteral("a.xls"))));
    EXPECT_TRUE(xls.contains(QStringLiteral(">Descrição<")));
    EXPECT_TRUE(xls.contains(QStringLiteral(">Cliente 'X' não existe<")));
    EXPECT_FALSE(xls.contains(QStringLiteral("Num.Cliente")));
    EXPECT_FALSE(xls.contains(QStringLiteral("Nº Documento")));
    EXPECT_TRUE(contents(path(QStringLiteral("c.csv"))).contains("Workbook"));
    EXPECT_TRUE(testing::zipMember(path(QStringLiteral("d.xlsx")), QStringLiteral("xl/worksheets/sheet1.xml")));
    EXPECT_TRUE(messages.calls().empty());
}

TEST_F(ViewerTest, FailedSaveIsShownAndKeepsThePreviousFileAndTheUnsavedLog) {
    writeText(path(QStringLiteral("a.xls")), "folha antiga");
    grid.exporter = [](const QString& fileName, const std::vector<ui::GridColumn>&, ado::Recordset*) {
        writeText(fileName, "meia folha");
        throw AutomationError(61, QStringLiteral("Disco cheio"));
    };
    const auto log = runLog();
    viewer->setDiagnostico(log);
    dialog.chooseNext(path(QStringLiteral("a.xls")));
    viewer->CmdGravarComo_Click();

    ASSERT_EQ(messages.calls().size(), 1u);
    EXPECT_EQ(messages.calls()[0].prompt,
              QStringLiteral("Não foi possível gravar o ficheiro de diagnóstico.\r\nDisco cheio"));
    EXPECT_EQ(ui::msgBoxIcon(messages.calls()[0].style), ui::MsgBoxIcon::Exclamation);
    EXPECT_EQ(contents(path(QStringLiteral("a.xls"))), "folha antiga");
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("a.XML"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_EQ(viewer->Diagnostico(), log);
    EXPECT_TRUE(log->Source().isEmpty());

    // An XML save into a folder that does not exist: shown, log kept.
    dialog.chooseNext(path(QStringLiteral("nao/existe/x.xml")));
    viewer->CmdGravarComo_Click();
    EXPECT_EQ(messages.calls().size(), 2u);
    EXPECT_EQ(viewer->Diagnostico(), log);
}

TEST_F(ViewerTest, AFileThatIsNotALogIsReportedAndTheViewerGoesOnEmpty) {
    const QString lixo = path(QStringLiteral("lixo.XML"));
    writeText(lixo, "isto não é um diagnóstico");
    dialog.chooseNext(lixo);
    whileShown(&FrmViewDiagnosticos::cmdSair_Click);
    ConsultaDiagnosticos(*viewer, nullptr, messages);

    ASSERT_EQ(messages.calls().size(), 1u);
    EXPECT_TRUE(messages.calls()[0].prompt.contains(lixo));
    EXPECT_EQ(messages.calls()[0].title, QStringLiteral("Diagnósticos"));
    EXPECT_EQ(window.modalShows(), 1);
    EXPECT_EQ(window.captionsAtShow()[0], QStringLiteral("Consulta de Diagnosticos"));
    EXPECT_EQ(viewer->Diagnostico(), nullptr);
    EXPECT_EQ(grid.dataSource, nullptr);
    EXPECT_FALSE(window.closedByCloseBox());  // "Sair" asked nothing and closed it

    // "Gravar como" with no log: no dialog, no file touched.
    viewer->CmdGravarComo_Click();
    EXPECT_EQ(dialog.shows().size(), 1u);
    EXPECT_EQ(contents(lixo), QByteArray("isto não é um diagnóstico"));
}

TEST_F(ViewerTest, MenuOperationEndsAnyViewerErrorInItsOwnMessage) {
    viewer->setDiagnostico(runLog());
    window.whileShown([] { throw AutomationError(5, QStringLiteral("Falha no controlo"), QStringLiteral("grdDiag")); });
    ConsultaDiagnosticos(*viewer, runLog(), messages);
    ASSERT_EQ(messages.calls().size(), 1u);
    EXPECT_EQ(messages.calls()[0].prompt, QStringLiteral("Falha no controlo"));
    EXPECT_EQ(messages.calls()[0].style, ui::vbOKOnly);
    EXPECT_EQ(messages.calls()[0].title, QStringLiteral("Consulta Diagnósticos"));
}

}  // namespace
}  // namespace tvx
