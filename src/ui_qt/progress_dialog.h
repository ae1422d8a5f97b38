#pragma once
// The progress window of the long runs: a caption, the label lblPagina and
// the bar pgbPag, and a "Cancelar" button. The run goes on while it is up, so
// the user cannot reach the windows behind it until the run hides it;
// "Cancelar", Esc or the window's close box ask the run to stop (it finishes
// the document in hand), and the window says so until the run hides it.
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tvx::ui_qt {

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent = nullptr);

    QLabel* lblPagina() const { return lblPagina_; }
    QProgressBar* pgbPag() const { return pgbPag_; }
    QPushButton* cancelButton() const { return cancel_; }
    bool cancelRequested() const { return cancelRequested_; }
    void requestCancel();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* lblPagina_;
    QProgressBar* pgbPag_;
    QLabel* stopping_;
    QPushButton* cancel_;
    bool cancelRequested_ = false;
};

}  // namespace tvx::ui_qt
