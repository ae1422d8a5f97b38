#pragma once
// A progress window as its form's logic sees it: a caption, one label and one
// progress bar, shown without making it modal so that a run goes on while it
// is up. Unloading the window is letting the object go.
#include <QString>

namespace tvx::ui {

class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void SetLabelCaption(const QString& caption) = 0;
    // The bar runs from 0 to its maximum; the value is clamped by the control.
    virtual void SetBarMax(int max) = 0;
    virtual void SetBarValue(int value) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // True once the user asked the run to stop (a "Cancelar" button, Esc, the
    // window closed, an interrupt in batch). The run finishes the document in
    // hand and stops there; a window that cannot be cancelled never asks.
    virtual bool CancelRequested() { return false; }
};

}  // namespace tvx::ui
