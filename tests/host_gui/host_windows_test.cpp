// The host's main window and sales view: the menu's buttons call Operacoes
// with their codes, one at a time; the sales view finalises the selected
// invoice between the add-in's open and close hooks; the lists follow the
// company; the windows come back where they were left.
#include "host_api/dal_ligacao.h"
#include "platform/ado/recordset.h"
#include "support/recording_addin.h"
#include "telvarix-host/company_layout.h"
#include "telvarix-host/gui/document_panel.h"
#include "telvarix-host/gui/host_main_window.h"
#include "telvarix-host/gui/sales_view_window.h"
#include "telvarix-host/gui/window_positions.h"
#include "telvarix-host/host_commands.h"
#include "telvarix-host/host_session.h"
#include "telvarix-host/setup_demo.h"
#include "ui_qt/data_grid_widget.h"
#include "ui_qt/modal_script.h"
#include "ui_qt/recordset_table_model.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeView>
#include <optional>
#include <sstream>

namespace tvx::host_gui {
namespace {

using testing::RecordingAddin;

// A demo company whose tickets were imported once, so that it holds invoices in preparation.
class HostWindows : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        std::ostringstream out, err;
        host_app::DemoOptions demo;
        demo.base = dir.path();
        demo.company = QStringLiteral("EMPR01");
        demo.tickets = 20;
        demo.transfers = 3;
        host_app::setupDemo(demo, out);
        const QStringList ticketImport{
            QStringLiteral("telvarix-host"), QStringLiteral("run"),    QStringLiteral("--base"), dir.path(),
            QStringLiteral("--company"),     QStringLiteral("EMPR01"), QStringLiteral("--user"), QStringLiteral("demo"),
            QStringLiteral("--operation"),   QStringLiteral("1000")};
        ASSERT_EQ(host_app::runCommandLine(ticketImport, out, err), 0) << err.str();
        auto settings = std::make_shared<host_erp::HostSettings>();
        settings->baseFolderSetting = dir.path();
        session.emplace(settings, host_app::CompanyLayout(dir.path(), QStringLiteral("EMPR01")).settingsFile());
        window.emplace(HostDesk{addin, *session, QStringLiteral("EMPR01"), QStringLiteral("demo"), positions});
    }

    int count(const QString& sql) {
        std::shared_ptr<ado::Recordset> rs;
        session->ligacao().Consultar(QString(), sql, rs, -1, 0);
        return CLng(rs->value(0));
    }
    static int rows(const ui_qt::DataGridWidget* grid) { return grid->tableModel()->rowCount(); }

    QTemporaryDir dir;
    RecordingAddin addin;
    WindowPositions positions{dir.filePath(QStringLiteral("telvarix-host.ini"))};
    std::optional<host_app::HostSession> session;
    std::optional<HostMainWindow> window;
};

TEST_F(HostWindows, EachOperationButtonCallsOperacoesWithItsCodeOneAtATime) {
    for (const std::int32_t code : {1000, 1001, 1002, 1003, 1004}) {
        QAbstractButton* button = window->operationButton(code);
        ASSERT_NE(button, nullptr) << code;
        EXPECT_TRUE(button->text().startsWith(QString::number(code))) << button->text().toStdString();
    }
    EXPECT_EQ(window->operationButton(1005), nullptr);

    // What a run created shows once it ends; a click during the run starts nothing.
    const int invoices = rows(window->invoices());
    EXPECT_EQ(invoices, count(QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB")));
    addin.onCall = [&](const QString&) {
        EXPECT_FALSE(window->operationButton(1001)->isEnabled());
        window->runOperation(1001);
        session->ligacao().Executar(QString(),
                                    QStringLiteral("DELETE FROM DOCGCCAB WHERE ID = (SELECT MAX(ID) FROM DOCGCCAB)"));
    };
    window->operationButton(1003)->click();
    EXPECT_EQ(addin.calls, QStringList{QStringLiteral("Operacoes 1003")});
    EXPECT_EQ(rows(window->invoices()), invoices - 1);
    EXPECT_TRUE(window->operationButton(1001)->isEnabled());
}

TEST_F(HostWindows, TheSalesViewFinalisesTheSelectedInvoiceBetweenTheOpenAndCloseHooks) {
    const int inPreparation = count(QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB WHERE EMPREPARACAO = 1"));
    ASSERT_GT(inPreparation, 1);
    const int finals = count(QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB WHERE EMPREPARACAO = 0"));

    QString status;
    testing::ModalScript user;
    user.then([&](QWidget* modal) {
            auto* view = qobject_cast<SalesViewWindow*>(modal);
            ASSERT_NE(view, nullptr);
            EXPECT_EQ(addin.calls, QStringList{QStringLiteral("OnVistaVendasAbrir")});
            EXPECT_EQ(rows(view->invoices()), inPreparation);
            EXPECT_FALSE(view->finalizeButton()->isEnabled());  // nothing selected yet
            QTreeView* list = view->invoices()->view();
            list->setCurrentIndex(list->model()->index(0, 1));
            view->finalizeButton()->click();
            status = view->status()->text();
            EXPECT_EQ(rows(view->invoices()), inPreparation - 1);
        })
        .then([](QWidget* modal) { modal->findChild<QPushButton*>(QStringLiteral("cmdFechar"))->click(); });
    window->salesViewButton()->click();

    EXPECT_TRUE(user.done());
    EXPECT_EQ(addin.calls, (QStringList{QStringLiteral("OnVistaVendasAbrir"), QStringLiteral("OnVistaVendasGravar"),
                                        QStringLiteral("OnVistaVendasFechar")}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB WHERE EMPREPARACAO = 0")), finals + 1);
    // The user is told the invoice's final number, the one the host gave it.
    const auto told = QRegularExpression(QStringLiteral("^A fatura em preparação FT \\d+/1/\\d{4} foi finalizada com o "
                                                        "número definitivo FT (\\d+)/1/\\d{4}\\.$"))
                          .match(status);
    ASSERT_TRUE(told.hasMatch()) << status.toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT MAX(NNUMDOC) FROM DOCGCCAB WHERE TPDOC = 'FT' AND EMPREPARACAO = 0")),
              told.captured(1).toInt());
}

TEST_F(HostWindows, WindowsComeBackWhereTheyWereLeft) {
    QWidget never;
    never.move(30, 40);
    positions.restore(never, QStringLiteral("Nunca"));
    EXPECT_EQ(never.pos(), QPoint(30, 40));  // nothing saved: left where it is

    window->move(120, 80);
    window->resize(500, 400);
    window->close();
    HostMainWindow reopened({addin, *session, QStringLiteral("EMPR01"), QStringLiteral("demo"), positions});
    positions.restore(reopened, reopened.objectName());
    EXPECT_EQ(reopened.pos(), QPoint(120, 80));
    EXPECT_EQ(reopened.size(), QSize(500, 400));
}

TEST_F(HostWindows, ListsAreSearchedCountedAndKeepTheirColumnWidths) {
    const int invoices = count(QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB"));
    EXPECT_TRUE(window->statusText().startsWith(QStringLiteral("Empresa EMPR01   ·   Utilizador demo   ·   %1 "
                                                               "documentos listados, total ")
                                                    .arg(invoices)))
        << window->statusText().toStdString();

    const auto panels = window->findChildren<DocumentPanel*>();
    ASSERT_EQ(panels.size(), 2);
    DocumentPanel* faturas = panels[0]->isAncestorOf(window->invoices()) ? panels[0] : panels[1];
    DocumentPanel* recibos = faturas == panels[0] ? panels[1] : panels[0];
    ASSERT_NE(recibos->message(), nullptr);  // the company has none yet
    EXPECT_TRUE(recibos->message()->text().startsWith(QStringLiteral("A empresa ainda não tem recibos")));
    faturas->search()->setText(QStringLiteral("nada-assim"));
    ASSERT_NE(faturas->message(), nullptr);
    EXPECT_TRUE(faturas->message()->text().startsWith(QStringLiteral("Nenhum documento corresponde")));
    EXPECT_TRUE(window->statusText().contains(QStringLiteral("·   0 documentos listados, total 0,00 €")));
    faturas->search()->clear();
    EXPECT_EQ(faturas->message(), nullptr);
    // Invoices in preparation are marked, final ones are not.
    const auto* table = window->invoices()->tableModel();
    int marked = 0;
    for (int row = 0; row < table->rowCount(); ++row)
        marked += table->index(row, 0).data(ui_qt::RecordsetTableModel::RowMarkRole).toInt() != 0;
    EXPECT_EQ(marked, count(QStringLiteral("SELECT COUNT(*) FROM DOCGCCAB WHERE EMPREPARACAO = 1")));

    // A width the user set stays after the lists are listed again, and in the next session.
    QHeaderView* header = window->invoices()->view()->header();
    header->resizeSection(4, 333);
    window->refresh();
    EXPECT_EQ(header->sectionSize(4), 333);
    window->close();
    HostMainWindow reopened({addin, *session, QStringLiteral("EMPR01"), QStringLiteral("demo"), positions});
    EXPECT_EQ(reopened.invoices()->view()->header()->sectionSize(4), 333);
}

TEST_F(HostWindows, ANarrowWindowKeepsTheTotalInSightUntilTheUserSetsWidths) {
    QTreeView* view = window->invoices()->view();
    QHeaderView* header = view->header();
    const int total = window->invoices()->tableModel()->columnOf(QStringLiteral("TOTDOC")) + 1;
    const int nome = window->invoices()->tableModel()->columnOf(QStringLiteral("NOME")) + 1;
    const int referencia = window->invoices()->tableModel()->columnOf(QStringLiteral("VOSSONDOC")) + 1;
    EXPECT_LT(header->visualIndex(total), header->visualIndex(referencia));  // the amount is read first
    const auto totalEnd = [&] { return header->sectionPosition(total) + header->sectionSize(total); };
    const int given = header->sectionSize(nome);
    window->show();
    window->resize(1000, 500);
    QCoreApplication::processEvents();
    EXPECT_LE(totalEnd(), view->viewport()->width());
    EXPECT_LT(header->sectionSize(nome), given);
    window->resize(1800, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(header->sectionSize(nome), given);  // room again: back to its width

    // Once the user fits a column by hand (the view fits it to its text), the widths are theirs.
    emit header->sectionHandleDoubleClicked(nome);
    const int byHand = header->sectionSize(nome);
    window->resize(1000, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(header->sectionSize(nome), byHand);
}

}  // namespace
}  // namespace tvx::host_gui
