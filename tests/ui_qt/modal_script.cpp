#include "modal_script.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QWidget>

namespace tvx::testing {

namespace {
constexpr int TickMs = 10;
constexpr int PatienceMs = 5000;
}  // namespace

ModalScript::ModalScript() {
    timer_.setInterval(TickMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    timer_.start();
}

ModalScript::~ModalScript() { EXPECT_TRUE(actions_.empty()) << actions_.size() << " user actions never ran"; }

ModalScript& ModalScript::then(Action action) {
    actions_.push_back(std::move(action));
    return *this;
}

void ModalScript::tick() {
    QWidget* modal = QApplication::activeModalWidget();
    const bool up = modal && modal->isVisible();
    if (up && !actions_.empty()) {
        waited_ = 0;
        Action action = std::move(actions_.front());
        actions_.pop_front();
        action(modal);
        return;
    }
    if (up == actions_.empty()) {  // a window nobody acts on, or an action with no window
        if ((waited_ += TickMs) < PatienceMs) return;
        ADD_FAILURE() << (up ? "a modal window was left up" : "no modal window came up");
        actions_.clear();
        if (up) modal->hide();
    }
    waited_ = 0;
}

}  // namespace tvx::testing
