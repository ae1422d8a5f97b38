#include "support/fake_form_window.h"

namespace tvx::testing {

void FakeFormWindow::ShowModal() {
    ++modalShows_;
    captionsAtShow_.push_back(caption_);
    shown_ = true;
    closedByCloseBox_ = false;
    while (shown_ && !script_.empty()) {
        auto action = std::move(script_.front());
        script_.pop_front();
        action();
    }
    if (shown_) {
        closedByCloseBox_ = true;
        shown_ = false;
    }
}

void FakeFormWindow::OnClick(const QString& control, std::function<void()> handler) {
    if (handler)
        clicks_.insert(control, std::move(handler));
    else
        clicks_.remove(control);
}

bool FakeFormWindow::click(const QString& control) {
    // A copy: the click may connect the buttons again.
    const std::function<void()> handler = clicks_.value(control);
    if (!handler) return false;
    handler();
    return true;
}

}  // namespace tvx::testing
