// Draws the stand-in host's windows on a demo company into PNG files, so that
// a person can look at them: a demo is set up in OUTDIR/demo, the host's main
// window opens with the real add-in on the Qt desktop, operation 1000 runs
// (its progress window, its closing message and the viewer grouped by Estado
// are pictured and answered on the way), the sales view finalises the first
// invoice in preparation, the receipts of operation 1003 are listed, and the
// configuration editor of operation 1002 is pictured and left with Sair.
// Usage: telvarix_host_screenshots OUTDIR
#include "telvarix-host/addin_library.h"
#include "telvarix-host/company_layout.h"
#include "telvarix-host/gui/host_main_window.h"
#include "telvarix-host/gui/sales_view_window.h"
#include "telvarix-host/gui/window_positions.h"
#include "telvarix-host/host_program.h"
#include "telvarix-host/host_session.h"
#include "telvarix-host/open_addin.h"
#include "telvarix-host/setup_demo.h"
#include "ui_qt/data_grid_widget.h"
#include "ui_qt/progress_dialog.h"
#include "ui_qt/qt_desktop.h"
#include "ui_qt/recordset_table_model.h"
#include "ui_qt/screen_fit.h"
#include "ui_qt/window_picture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <iostream>
#include <set>
#include <sstream>

using namespace tvx;

namespace {

QString outDir;

void save(QWidget& window, const QString& name) { testing::saveWindowPicture(window, QDir(outDir).filePath(name)); }

// Plays the user in the windows the run and the sales view open: each is
// pictured once, named after what the user is doing, then answered.
class User : public QObject {
public:
    User() {
        connect(&timer_, &QTimer::timeout, this, [this] { look(); });
        timer_.start(50);
    }
    void doing(const QString& what) {
        doing_ = what;
        pictured_.clear();
    }

private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        if (auto* progress = qobject_cast<ui_qt::ProgressDialog*>(modal)) {
            const QProgressBar& bar = *progress->pgbPag();
            if (bar.maximum() > 0 && bar.value() * 3 >= bar.maximum() && !pictured(modal))
                save(*modal, doing_ + QStringLiteral("-progress.png"));
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (!pictured(modal)) save(*modal, doing_ + QStringLiteral("-message.png"));
            box->defaultButton() ? box->defaultButton()->click() : box->accept();
        } else if (modal->objectName() == u"FrmViewDiagnosticos") {
            auto* grid = modal->findChild<ui_qt::DataGridWidget*>(QStringLiteral("grdDiag"));
            grid->groupBy(grid->tableModel()->columnOf(QStringLiteral("Estado")));
            save(*modal, doing_ + QStringLiteral("-viewer-grouped-by-estado.png"));
            modal->hide();  // as Sair after saving: the modal loop ends
        } else if (modal->objectName() == u"FrmConfiguracao") {
            if (!pictured(modal)) save(*modal, doing_ + QStringLiteral("-configuration.png"));
            if (auto* sair = modal->findChild<QPushButton*>(QStringLiteral("cmdSair"))) sair->click();
        } else if (auto* view = qobject_cast<host_gui::SalesViewWindow*>(modal)) {
            salesView(*view);
        }
    }

    void salesView(host_gui::SalesViewWindow& view) {
        if (!pictured(&view)) {
            QTreeView* list = view.invoices()->view();
            list->setCurrentIndex(list->model()->index(0, 1));
            save(view, QStringLiteral("host-sales-view.png"));
            view.finalizeButton()->click();
            save(view, QStringLiteral("host-sales-view-finalised.png"));
        }
        view.reject();
    }

    // True when `window` was pictured before; from now on it is.
    bool pictured(QWidget* window) { return !pictured_.insert(window).second; }

    QTimer timer_;
    QString doing_;
    std::set<QWidget*> pictured_;
};

int pictures() {
    const QString base = QDir(outDir).filePath(QStringLiteral("demo"));
    QDir(base).removeRecursively();
    QDir().mkpath(base);
    std::ostringstream demoOut;
    host_app::DemoOptions demo;
    demo.base = base;
    demo.company = QStringLiteral("DEMO01");
    demo.tickets = 400;
    host_app::setupDemo(demo, demoOut);

    host_app::HostProgram host(base, [] { ui_qt::registerQtDesktop(); });
    const host_app::AddinLibrary library(host_app::findAddinLibrary({}));
    host_app::OpenAddin addin(library, host, demo.company, demo.logon.login);
    host_app::HostSession session(host.settings(), host_app::CompanyLayout(base, demo.company).settingsFile());
    const host_gui::WindowPositions positions(QDir(base).filePath(QStringLiteral("telvarix-host.ini")));
    host_gui::HostMainWindow window({addin, session, demo.company, demo.logon.login, positions});
    ui_qt::fitToScreen(window);
    window.show();
    window.activateWindow();
    save(window, QStringLiteral("host-main-before.png"));

    User user;
    user.doing(QStringLiteral("host-1000"));
    window.runOperation(1000);
    save(window, QStringLiteral("host-main.png"));
    window.openSalesView();
    user.doing(QStringLiteral("host-1003"));
    window.runOperation(1003);
    window.findChild<QTabWidget*>()->setCurrentIndex(1);  // Recibos
    save(window, QStringLiteral("host-main-receipts.png"));
    user.doing(QStringLiteral("host-1002"));
    window.runOperation(1002);
    window.close();
    addin.close();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: telvarix_host_screenshots OUTDIR\n";
        return 2;
    }
    outDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(outDir);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    try {
        return pictures();
    } catch (const std::exception& e) {
        std::cerr << "telvarix_host_screenshots: " << e.what() << '\n';
        return 1;
    }
}
