#pragma once
// The host's sales view as a window: the invoices in preparation, and the
// button "Finalizar" that finalises the selected one through the view (the
// add-in's save hook runs once the host saved it), then lists them again.
// "Fechar" (or Escape, or the close box) closes the window; the caller then
// closes the view.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tvx::ui_qt {
class DataGridWidget;
}
namespace tvx::host_app {
class HostSalesView;
class HostSession;
}  // namespace tvx::host_app

namespace tvx::host_gui {

class SalesViewWindow : public QDialog {
    Q_OBJECT
public:
    SalesViewWindow(host_app::HostSalesView& view, host_app::HostSession& session, QWidget* parent = nullptr);

    ui_qt::DataGridWidget* invoices() const { return invoices_; }
    QPushButton* finalizeButton() const { return finalize_; }
    QLabel* status() const { return status_; }

    // Lists the invoices in preparation again.
    void refresh();
    // Finalises the selected invoice; nothing when none is selected.
    void finalizeSelected();

private:
    void updateButtons();

    host_app::HostSalesView& view_;
    host_app::HostSession& session_;
    ui_qt::DataGridWidget* invoices_;
    QPushButton* finalize_;
    QLabel* status_;
};

}  // namespace tvx::host_gui
