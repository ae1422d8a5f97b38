#pragma once
// The window of a form, as its logic sees it: a caption, a modal show that
// returns once the window is hidden, the hide itself, and the clicks of its
// buttons.
#include <QString>
#include <functional>

namespace tvx::ui {

class FormWindow {
public:
    virtual ~FormWindow() = default;
    virtual void SetCaption(const QString& caption) = 0;
    virtual QString Caption() const = 0;
    // Shows the window modally; returns when it is hidden or closed.
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
    // Sends the clicks of the window's button named `control` (its control
    // name, such as "CmdAbrir") to `handler`; an empty handler disconnects.
    // A window without such a button has nothing to send.
    virtual void OnClick(const QString& control, std::function<void()> handler) {
        (void)control;
        (void)handler;
    }
    // The caption of the window's control named `control` (a button's text);
    // a window without such a control ignores it.
    virtual void SetControlCaption(const QString& control, const QString& caption) {
        (void)control;
        (void)caption;
    }
};

}  // namespace tvx::ui
