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

}  // namespace tvx::testing
