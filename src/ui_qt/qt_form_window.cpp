#include "ui_qt/qt_form_window.h"

#include "ui_qt/form_dialog.h"
#include "ui_qt/screen_fit.h"

#include <QAbstractButton>

namespace tvx::ui_qt {

QtFormWindow::QtFormWindow(FormDialog* dialog) : dialog_(dialog) {}

QtFormWindow::~QtFormWindow() { delete dialog_.data(); }

void QtFormWindow::SetCaption(const QString& caption) {
    if (dialog_) dialog_->setWindowTitle(caption);
}

QString QtFormWindow::Caption() const { return dialog_ ? dialog_->windowTitle() : QString(); }

void QtFormWindow::ShowModal() {
    if (!dialog_) return;
    fitToScreen(*dialog_);  // whatever size it was given or kept from last time
    dialog_->exec();
}

void QtFormWindow::Hide() {
    if (dialog_) dialog_->hide();
}

void QtFormWindow::OnClick(const QString& control, std::function<void()> handler) {
    if (const auto old = clicks_.find(control); old != clicks_.end()) {
        QObject::disconnect(old->second);
        clicks_.erase(old);
    }
    auto* button = dialog_ ? dialog_->findChild<QAbstractButton*>(control) : nullptr;
    if (!button || !handler) return;
    clicks_[control] = QObject::connect(button, &QAbstractButton::clicked, button, std::move(handler));
}

void QtFormWindow::SetControlCaption(const QString& control, const QString& caption) {
    if (auto* button = dialog_ ? dialog_->findChild<QAbstractButton*>(control) : nullptr) button->setText(caption);
}

FormDialog* QtFormWindow::dialog() const { return dialog_; }

}  // namespace tvx::ui_qt
