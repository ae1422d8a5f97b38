#pragma once
// A message box that records every box shown and answers from a script;
// with the script used up it answers with the box's default button.
#include "platform/ui/message_box.h"

#include <deque>
#include <vector>

namespace tvx::testing {

struct MessageBoxCall {
    QString prompt;
    int style = 0;
    QString title;
    int answer = 0;
};

class FakeMessageBox : public ui::MessageBox {
public:
    // Queues the answer of the next box; an answer that is not one of that
    // box's buttons fails the running test.
    void answerNext(int answer) { script_.push_back(answer); }
    int MsgBox(const QString& prompt, int style = ui::vbOKOnly, const QString& title = {}) override;

    const std::vector<MessageBoxCall>& calls() const { return calls_; }
    const MessageBoxCall& last() const;  // fails the test when no box was shown
    void clear() { calls_.clear(); }

private:
    std::deque<int> script_;
    std::vector<MessageBoxCall> calls_;
};

}  // namespace tvx::testing
