#include "ui_qt/qt_progress_window.h"

#include "ui_qt/dialog_parent.h"
#include "ui_qt/progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>

namespace tvx::ui_qt {

QtProgressWindow::QtProgressWindow(QWidget* parent) : dialog_(new ProgressDialog(parent ? parent : dialogParent())) {}

QtProgressWindow::~QtProgressWindow() { delete dialog_.data(); }

void QtProgressWindow::SetCaption(const QString& caption) {
    if (dialog_) dialog_->setWindowTitle(caption);
}

void QtProgressWindow::SetLabelCaption(const QString& caption) {
    if (dialog_) dialog_->lblPagina()->setText(caption);
}

void QtProgressWindow::SetBarMax(int max) {
    if (!dialog_) return;
    QProgressBar* bar = dialog_->pgbPag();
    bar->setMaximum(std::max(0, max));
    bar->setValue(std::clamp(bar->value(), 0, bar->maximum()));
}

void QtProgressWindow::SetBarValue(int value) {
    // A value outside the range would be ignored by the bar: it is clamped instead.
    if (dialog_) dialog_->pgbPag()->setValue(std::clamp(value, 0, dialog_->pgbPag()->maximum()));
}

void QtProgressWindow::Show() {
    if (!dialog_) return;
    dialog_->show();
    dialog_->raise();
}

void QtProgressWindow::Hide() {
    if (dialog_) dialog_->hide();
}

bool QtProgressWindow::CancelRequested() { return dialog_ && dialog_->cancelRequested(); }

std::unique_ptr<ui::ProgressWindow> newQtProgressWindow(QWidget* parent) {
    return std::make_unique<QtProgressWindow>(parent);
}

ProgressDialog* QtProgressWindow::dialog() const { return dialog_; }

}  // namespace tvx::ui_qt
