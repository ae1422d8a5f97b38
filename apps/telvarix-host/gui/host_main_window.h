#pragma once
// The stand-in host's main window: the add-in's menu (its five operations,
// each a button and a menu entry showing code and caption), the sales view,
// and read-only lists of the company's invoices and receipts, listed again
// after each operation so that the user sees what the runs created.
#include "telvarix-host/gui/host_desk.h"

#include <QMainWindow>
#include <cstdint>
#include <map>

class QAbstractButton;
class QAction;

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
    // Runs `work` unless another is running, with the window's commands off meanwhile.
    template <class F>
    void exclusive(const QString& title, F&& work);

    HostDesk desk_;
    std::map<std::int32_t, QAbstractButton*> operationButtons_;
    QAbstractButton* salesViewButton_ = nullptr;
    ui_qt::DataGridWidget* invoices_ = nullptr;
    ui_qt::DataGridWidget* receipts_ = nullptr;
    bool busy_ = false;
};

}  // namespace tvx::host_gui
