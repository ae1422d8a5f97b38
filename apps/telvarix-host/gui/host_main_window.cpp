#include "telvarix-host/gui/host_main_window.h"

#include "platform/automation/automation_error.h"
#include "telvarix-host/addin_operations.h"
#include "telvarix-host/company_documents.h"
#include "telvarix-host/gui/column_fit.h"
#include "telvarix-host/gui/document_list.h"
#include "telvarix-host/gui/document_panel.h"
#include "telvarix-host/gui/host_guide.h"
#include "telvarix-host/gui/sales_view_window.h"
#include "telvarix-host/gui/window_positions.h"
#include "telvarix-host/host_sales_view.h"
#include "telvarix-host/program_version.h"
#include "ui_qt/data_grid_widget.h"
#include "ui_qt/screen_fit.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

// The window icon lives in this static library's resources, which the linker keeps only when named.
static void initHostResources() { Q_INIT_RESOURCE(host); }

namespace tvx::host_gui {

namespace {

const QString PlacementSection = QStringLiteral("JanelaPrincipal");
const QString SalesViewSection = QStringLiteral("VistaVendas");
const QString SalesViewCaption = QStringLiteral("Vista de vendas");
const QString LayoutSection = QStringLiteral("JanelaPrincipalColunas/");

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

    initHostResources();
    setWindowIcon(QIcon(QStringLiteral(":/telvarix-host/telvarix-host.png")));

    tabs_ = new QTabWidget(this);
    invoices_ = newDocumentGrid(tabs_);
    invoices_->setObjectName(QStringLiteral("grdFaturas"));
    receipts_ = newDocumentGrid(tabs_);
    receipts_->setObjectName(QStringLiteral("grdRecibos"));
    tabs_->addTab(new DocumentPanel(invoices_, QStringLiteral("A empresa ainda não tem documentos de venda."), tabs_),
                  QStringLiteral("Documentos de venda"));
    tabs_->addTab(new DocumentPanel(receipts_,
                                    QStringLiteral("A empresa ainda não tem recibos: a importação de transferências "
                                                   "bancárias (1003) cria-os."),
                                    tabs_),
                  QStringLiteral("Recibos"));

    splitter_ = new QSplitter(this);
    splitter_->setObjectName(QStringLiteral("divisor"));
    splitter_->addWidget(newMenuPanel());
    splitter_->addWidget(tabs_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);
    splitter_->setContentsMargins(6, 6, 6, 0);
    setCentralWidget(splitter_);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblEstado"));
    statusBar()->addWidget(status_, 1);
    for (ui_qt::DataGridWidget* grid : {invoices_, receipts_})
        connect(grid, &ui_qt::DataGridWidget::rowsShownChanged, this, &HostMainWindow::showStatus);
    connect(tabs_, &QTabWidget::currentChanged, this, &HostMainWindow::showStatus);

    addMenus();
    resize(1260, 680);
    refresh();
    restoreLayout();
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
    ficheiro->addAction(QStringLiteral("Sair"), QKeySequence::Quit, this, &QWidget::close);
    QMenu* telvarix = menuBar()->addMenu(QStringLiteral("&Telvarix"));
    for (const host_app::AddinOperation& operation : host_app::addinOperations())
        telvarix->addAction(operationText(operation), this, [this, code = operation.code] { runOperation(code); });
    QMenu* vendas = menuBar()->addMenu(QStringLiteral("&Vendas"));
    vendas->addAction(SalesViewCaption, this, &HostMainWindow::openSalesView);
    QMenu* ajuda = menuBar()->addMenu(QStringLiteral("A&juda"));
    ajuda->addAction(QStringLiteral("Guia do utilizador"), QKeySequence::HelpContents, this,
                     &HostMainWindow::openGuide);
    ajuda->addSeparator();
    ajuda->addAction(QStringLiteral("Sobre o Tumo Vesk…"), this, &HostMainWindow::showAbout);
}

QString HostMainWindow::statusText() const {
    const bool onReceipts = tabs_->currentIndex() == 1;
    const ListedDocuments listed = listedDocuments(onReceipts ? *receipts_ : *invoices_);
    const QLocale portuguese(QLocale::Portuguese, QLocale::Portugal);
    const QString what = onReceipts ? (listed.count == 1 ? QStringLiteral("recibo") : QStringLiteral("recibos"))
                                    : (listed.count == 1 ? QStringLiteral("documento") : QStringLiteral("documentos"));
    return QStringLiteral("Empresa %1   ·   Utilizador %2   ·   %3 %4 listados, total %5 €")
        .arg(desk_.company, desk_.user, QString::number(listed.count), what, portuguese.toString(listed.total, 'f', 2));
}

void HostMainWindow::showStatus() { status_->setText(statusText()); }

void HostMainWindow::showAbout() {
    QMessageBox::about(
        this, QStringLiteral("Sobre o Tumo Vesk"),
        QStringLiteral("<h3>Tumo Vesk %1</h3>"
                       "<p>O programa anfitrião do suplemento Telvarix, para a agência de viagens: os bilhetes "
                       "emitidos passam a faturas e as transferências bancárias a recibos.</p>"
                       "<p>Licença: uso interno da agência; todos os direitos reservados.</p>"
                       "<p>Feito com Qt %2.</p>")
            .arg(host_app::programVersion(), QString::fromLatin1(qVersion())));
}

void HostMainWindow::openGuide() {
    const QString guide = guideFile();
    if (guide.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
        QMessageBox::information(this, QStringLiteral("Guia do utilizador"),
                                 guide.isEmpty()
                                     ? QStringLiteral("O guia não foi instalado com o programa.")
                                     : QStringLiteral("Não há programa que abra o guia. Está em:\n%1").arg(guide));
}

void HostMainWindow::restoreLayout() {
    const QSettings settings(desk_.positions.file(), QSettings::IniFormat);
    splitter_->restoreState(settings.value(LayoutSection + QStringLiteral("divisor")).toByteArray());
    for (ui_qt::DataGridWidget* grid : {invoices_, receipts_}) {
        const QByteArray state = settings.value(LayoutSection + grid->objectName()).toByteArray();
        QHeaderView* header = grid->view()->header();
        if (state.isEmpty() || !header->restoreState(state)) continue;
        if (auto* fit = grid->findChild<ColumnFit*>()) fit->userWidths();
        grid->view()->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
    }
}

void HostMainWindow::saveLayout() const {
    QSettings settings(desk_.positions.file(), QSettings::IniFormat);
    settings.setValue(LayoutSection + QStringLiteral("divisor"), splitter_->saveState());
    for (const ui_qt::DataGridWidget* grid : {invoices_, receipts_})
        settings.setValue(LayoutSection + grid->objectName(), grid->view()->header()->saveState());
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
    if (closeAfterRun_) {
        close();
        return;
    }
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
        ui_qt::fitToScreen(window);
        window.exec();
        desk_.positions.save(window, SalesViewSection);
        view.close();
    });
}

void HostMainWindow::refresh() {
    try {
        showDocuments(*invoices_, host_app::salesInvoices(desk_.session), DocumentKind::Invoices);
        showDocuments(*receipts_, host_app::receipts(desk_.session), DocumentKind::Receipts);
        showStatus();
    } catch (...) {
        QMessageBox::warning(this, windowTitle(), currentError().description());
    }
}

void HostMainWindow::closeEvent(QCloseEvent* event) {
    // A run in progress cannot be left half-way: the window closes once it ends
    // (its progress window's "Cancelar" stops it sooner).
    if (busy_) {
        closeAfterRun_ = true;
        event->ignore();
        return;
    }
    desk_.positions.save(*this, PlacementSection);
    saveLayout();
    QMainWindow::closeEvent(event);
}

}  // namespace tvx::host_gui
