#pragma once
// The progress window of the long runs: a caption, the label lblPagina and
// the bar pgbPag. The run goes on while it is up, so the user can neither
// close it nor reach the windows behind it until the run hides it.
#include <QDialog>

class QLabel;
class QProgressBar;

namespace tvx::ui_qt {

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent = nullptr);

    QLabel* lblPagina() const { return lblPagina_; }
    QProgressBar* pgbPag() const { return pgbPag_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* lblPagina_;
    QProgressBar* pgbPag_;
};

}  // namespace tvx::ui_qt
