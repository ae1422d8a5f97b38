#pragma once
// The progress window port over a ProgressDialog. Showing it does not wait:
// the run goes on and repaints it at each turn of the message loop. Letting
// the object go unloads (deletes) the window.
#include "platform/ui/progress_window.h"

#include <QPointer>
#include <memory>

class QWidget;

namespace tvx::ui_qt {

class ProgressDialog;

class QtProgressWindow : public ui::ProgressWindow {
public:
    explicit QtProgressWindow(QWidget* parent = nullptr);
    ~QtProgressWindow() override;
    QtProgressWindow(const QtProgressWindow&) = delete;
    QtProgressWindow& operator=(const QtProgressWindow&) = delete;

    void SetCaption(const QString& caption) override;
    void SetLabelCaption(const QString& caption) override;
    void SetBarMax(int max) override;
    void SetBarValue(int value) override;
    void Show() override;
    void Hide() override;
    bool CancelRequested() override;

    ProgressDialog* dialog() const;

private:
    QPointer<ProgressDialog> dialog_;
};

// A new progress window, loaded and hidden; `parent` null: over the active window.
std::unique_ptr<ui::ProgressWindow> newQtProgressWindow(QWidget* parent = nullptr);

}  // namespace tvx::ui_qt
