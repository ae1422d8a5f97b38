#include "telvarix-host/gui/sales_view_window.h"

#include "platform/ado/recordset.h"
#include "platform/automation/automation_error.h"
#include "platform/automation/conversions.h"
#include "telvarix-host/company_documents.h"
#include "telvarix-host/gui/document_list.h"
#include "telvarix-host/host_sales_view.h"
#include "ui_qt/data_grid_widget.h"
#include "ui_qt/recordset_table_model.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tvx::host_gui {

namespace {

const QString Titulo = QStringLiteral("Vista de vendas");

host_erp::DocumentKey keyOfRow(const ui_qt::RecordsetTableModel& table, int row) {
    const auto value = [&](const char* key) -> const Variant& {
        return table.cell(row, table.columnOf(QString::fromLatin1(key)));
    };
    return {CStr(value("TPDOC")), CLng(value("NNUMDOC")), CInt(value("SERIE")), CInt(value("ANO"))};
}

}  // namespace

SalesViewWindow::SalesViewWindow(host_app::HostSalesView& view, host_app::HostSession& session, QWidget* parent)
    : QDialog(parent),
      view_(view),
      session_(session),
      invoices_(newDocumentGrid(this)),
      finalize_(new QPushButton(QStringLiteral("Finalizar"), this)),
      status_(new QLabel(this)) {
    setObjectName(QStringLiteral("VistaVendas"));
    setWindowTitle(Titulo);
    invoices_->setObjectName(QStringLiteral("grdEmPreparacao"));
    finalize_->setObjectName(QStringLiteral("cmdFinalizar"));
    auto* fechar = new QPushButton(QStringLiteral("Fechar"), this);
    fechar->setObjectName(QStringLiteral("cmdFechar"));
    for (QPushButton* button : {finalize_, fechar}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(button->fontMetrics().averageCharWidth() * 14 + 32);
    }

    auto* heading = new QLabel(QStringLiteral("Faturas em preparação: escolha uma e carregue em «Finalizar» para lhe "
                                              "dar o número definitivo."),
                               this);
    heading->setWordWrap(true);
    status_->setObjectName(QStringLiteral("lblEstado"));
    status_->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(finalize_);
    buttons->addWidget(status_, 1);
    buttons->addWidget(fechar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(invoices_, 1);
    layout->addLayout(buttons);
    setMinimumSize(560, 320);
    resize(820, 500);

    connect(finalize_, &QPushButton::clicked, this, &SalesViewWindow::finalizeSelected);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

void SalesViewWindow::refresh() {
    showDocuments(*invoices_, host_app::invoicesInPreparation(session_), DocumentKind::InvoicesInPreparation);
    // The selection model is the view's own and outlives a new record set.
    connect(invoices_->view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SalesViewWindow::updateButtons, Qt::UniqueConnection);
    updateButtons();
}

void SalesViewWindow::updateButtons() { finalize_->setEnabled(selectedRow(*invoices_) >= 0); }

void SalesViewWindow::finalizeSelected() {
    const int row = selectedRow(*invoices_);
    if (row < 0) return;
    const host_erp::DocumentKey key = keyOfRow(*invoices_->tableModel(), row);
    try {
        const host_app::HostSalesView::Outcome outcome = view_.finalise(key);
        if (outcome.saved) {
            const host_erp::DocumentKey final{key.tipo, CLng(Variant(outcome.number)), key.serie, key.ano};
            status_->setText(QStringLiteral("A fatura em preparação %1 foi finalizada com o número definitivo %2.")
                                 .arg(describe(key), describe(final)));
        } else {
            status_->clear();
            QMessageBox::warning(
                this, Titulo,
                QStringLiteral("O Tumo Vesk não finalizou a fatura %1:\n%2").arg(describe(key), outcome.refusal));
        }
    } catch (...) {
        QMessageBox::warning(this, Titulo, currentError().description());
    }
    refresh();
}

}  // namespace tvx::host_gui
