#pragma once
// The window of a form, as its logic sees it: a caption, a modal show that
// returns once the window is hidden, and the hide itself.
#include <QString>

namespace tvx::ui {

class FormWindow {
public:
    virtual ~FormWindow() = default;
    virtual void SetCaption(const QString& caption) = 0;
    virtual QString Caption() const = 0;
    // Shows the window modally; returns when it is hidden or closed.
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
};

}  // namespace tvx::ui
