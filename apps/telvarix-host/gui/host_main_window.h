#pragma once
// The stand-in host's main window: the add-in's menu (its five operations,
// each a button and a menu entry showing code and caption), the sales view,
// and read-only lists of the company's invoices and receipts, listed again
// after each operation so that the user sees what the runs created. Each list
// has a search box; the status bar names the company and the user and counts
// and totals the documents listed; the menu panel and the lists share a
// splitter; column widths, sort and the splitter are kept with the window's
// placement. Ajuda holds the guide (F1) and "Sobre"; Ctrl+Q leaves.
#include "telvarix-host/gui/host_desk.h"

#include <QMainWindow>
#include <cstdint>
#include <map>

class QAbstractButton;
class QAction;
class QLabel;
class QSplitter;
class QTabWidget;

namespace tvx::ui_qt {
class DataGridWidget;
}

namespace tvx::host_gui {

class HostMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HostMainWindow(HostDesk desk, QWidget* parent = nullptr);

    QAbstractButton* operationButton(std::int32_t code) const;
    QAbstractButton* salesViewButton() const { return salesViewButton_; }
    ui_qt::DataGridWidget* invoices() const { return invoices_; }
    ui_qt::DataGridWidget* receipts() const { return receipts_; }
    // The status bar's text about the list in view.
    QString statusText() const;

    // Operacoes with `code`, as the host's menu calls it; one at a time.
    void runOperation(std::int32_t code);
    // The sales view, modal until the user closes it.
    void openSalesView();
    // Lists the company's invoices and receipts again.
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* newMenuPanel();
    void addMenus();
    void showStatus();
    void showAbout();
    void openGuide();
    // Column widths, sort and the splitter, as the user left them.
    void restoreLayout();
    void saveLayout() const;
    // Runs `work` unless another is running, with the window's commands off meanwhile.
    template <class F>
    void exclusive(const QString& title, F&& work);

    HostDesk desk_;
    std::map<std::int32_t, QAbstractButton*> operationButtons_;
    QAbstractButton* salesViewButton_ = nullptr;
    ui_qt::DataGridWidget* invoices_ = nullptr;
    ui_qt::DataGridWidget* receipts_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QLabel* status_ = nullptr;
    bool busy_ = false;
    bool closeAfterRun_ = false;  // closed while a run went on: closes once it ends
};

}  // namespace tvx::host_gui
