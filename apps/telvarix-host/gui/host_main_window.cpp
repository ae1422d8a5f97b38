#include "telvarix-host/gui/host_main_window.h"

#include "platform/automation/automation_error.h"
#include "telvarix-host/addin_operations.h"
#include "telvarix-host/company_documents.h"
#include "telvarix-host/gui/document_list.h"
#include "telvarix-host/gui/sales_view_window.h"
#include "telvarix-host/gui/window_positions.h"
#include "telvarix-host/host_sales_view.h"
#include "ui_qt/data_grid_widget.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tvx::host_gui {

namespace {

const QString PlacementSection = QStringLiteral("JanelaPrincipal");
const QString SalesViewSection = QStringLiteral("VistaVendas");
const QString SalesViewCaption = QStringLiteral("Vista de vendas");

QString operationText(const host_app::AddinOperation& operation) {
    return QStringLiteral("%1  %2").arg(operation.code).arg(operation.caption);
}

QPushButton* menuButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    // Left-aligned, so that the codes line up as in a menu.
    button->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding: 6px 12px; }"));
    return button;
}

}  // namespace

HostMainWindow::HostMainWindow(HostDesk desk, QWidget* parent) : QMainWindow(parent), desk_(std::move(desk)) {
    setObjectName(QStringLiteral("JanelaPrincipal"));
    setWindowTitle(QStringLiteral("Tumo Vesk — empresa %1 — utilizador %2").arg(desk_.company, desk_.user));

    auto* tabs = new QTabWidget(this);
    invoices_ = newDocumentGrid(tabs);
    invoices_->setObjectName(QStringLiteral("grdFaturas"));
    receipts_ = newDocumentGrid(tabs);
    receipts_->setObjectName(QStringLiteral("grdRecibos"));
    tabs->addTab(invoices_, QStringLiteral("Documentos de venda"));
    tabs->addTab(receipts_, QStringLiteral("Recibos"));

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(newMenuPanel());
    layout->addWidget(tabs, 1);
    setCentralWidget(central);
    addMenus();
    resize(1260, 680);
    refresh();
}

QWidget* HostMainWindow::newMenuPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* telvarix = new QGroupBox(QStringLiteral("Telvarix"), panel);
    auto* operations = new QVBoxLayout(telvarix);
    for (const host_app::AddinOperation& operation : host_app::addinOperations()) {
        QPushButton* button = menuButton(operationText(operation), telvarix);
        button->setObjectName(QStringLiteral("cmdOperacao%1").arg(operation.code));
        connect(button, &QPushButton::clicked, this, [this, code = operation.code] { runOperation(code); });
        operations->addWidget(button);
        operationButtons_[operation.code] = button;
    }

    auto* vendas = new QGroupBox(QStringLiteral("Vendas"), panel);
    auto* sales = new QVBoxLayout(vendas);
    QPushButton* view = menuButton(SalesViewCaption, vendas);
    view->setObjectName(QStringLiteral("cmdVistaVendas"));
    connect(view, &QPushButton::clicked, this, &HostMainWindow::openSalesView);
    sales->addWidget(view);
    salesViewButton_ = view;

    layout->addWidget(telvarix);
    layout->addWidget(vendas);
    layout->addStretch(1);
    return panel;
}

void HostMainWindow::addMenus() {
    QMenu* ficheiro = menuBar()->addMenu(QStringLiteral("&Ficheiro"));
    ficheiro->addAction(QStringLiteral("Atualizar listas"), QKeySequence::Refresh, this, &HostMainWindow::refresh);
    ficheiro->addSeparator();
    ficheiro->addAction(QStringLiteral("Sair"), this, &QWidget::close);
    QMenu* telvarix = menuBar()->addMenu(QStringLiteral("&Telvarix"));
    for (const host_app::AddinOperation& operation : host_app::addinOperations())
        telvarix->addAction(operationText(operation), this, [this, code = operation.code] { runOperation(code); });
    QMenu* vendas = menuBar()->addMenu(QStringLiteral("&Vendas"));
    vendas->addAction(SalesViewCaption, this, &HostMainWindow::openSalesView);
}

QAbstractButton* HostMainWindow::operationButton(std::int32_t code) const {
    const auto found = operationButtons_.find(code);
    return found == operationButtons_.end() ? nullptr : found->second;
}

template <class F>
void HostMainWindow::exclusive(const QString& title, F&& work) {
    // The add-in's runs turn the event loop: a second click must not start
    // another command inside the first.
    if (busy_) return;
    busy_ = true;
    centralWidget()->setEnabled(false);
    menuBar()->setEnabled(false);
    try {
        work();
    } catch (...) {
        QMessageBox::warning(this, title, currentError().description());
    }
    menuBar()->setEnabled(true);
    centralWidget()->setEnabled(true);
    busy_ = false;
    refresh();
}

void HostMainWindow::runOperation(std::int32_t code) {
    exclusive(QStringLiteral("Telvarix"), [&] { host_app::runOperation(desk_.addin, code, desk_.user); });
}

void HostMainWindow::openSalesView() {
    exclusive(SalesViewCaption, [&] {
        host_app::HostSalesView view(desk_.addin, desk_.session, desk_.company, desk_.user);
        SalesViewWindow window(view, desk_.session, this);
        desk_.positions.restore(window, SalesViewSection);
        window.exec();
        desk_.positions.save(window, SalesViewSection);
        view.close();
    });
}

void HostMainWindow::refresh() {
    try {
        showDocuments(*invoices_, host_app::salesInvoices(desk_.session), DocumentKind::Invoices);
        showDocuments(*receipts_, host_app::receipts(desk_.session), DocumentKind::Receipts);
    } catch (...) {
        QMessageBox::warning(this, windowTitle(), currentError().description());
    }
}

void HostMainWindow::closeEvent(QCloseEvent* event) {
    // A run in progress cannot be left half-way.
    if (busy_) {
        event->ignore();
        return;
    }
    desk_.positions.save(*this, PlacementSection);
    QMainWindow::closeEvent(event);
}

}  // namespace tvx::host_gui
