#pragma once
// What the user does in the modal windows a test opens: each action runs,
// in turn, on the active modal window once there is one (from inside its
// modal loop). A modal window left up with no action for it, or an action
// waiting in vain for a window, fails the test after a few seconds; the
// window is then hidden, so that the test ends.
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace tvx::testing {

class ModalScript {
public:
    using Action = std::function<void(QWidget* modal)>;

    ModalScript();
    ~ModalScript();

    ModalScript& then(Action action);
    bool done() const { return actions_.empty(); }

private:
    void tick();

    std::deque<Action> actions_;
    QTimer timer_;
    int waited_ = 0;
};

}  // namespace tvx::testing
