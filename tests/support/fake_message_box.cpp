#include "support/fake_message_box.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tvx::testing {

int FakeMessageBox::MsgBox(const QString& prompt, int style, const QString& title) {
    int answer = ui::msgBoxDefaultAnswer(style);
    if (!script_.empty()) {
        answer = script_.front();
        script_.pop_front();
        const auto buttons = ui::msgBoxButtons(style);
        if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end())
            ADD_FAILURE() << "scripted answer " << answer << " is not a button of the box \"" << prompt.toStdString()
                          << "\"";
    }
    calls_.push_back({prompt, style, title, answer});
    return answer;
}

const MessageBoxCall& FakeMessageBox::last() const {
    static const MessageBoxCall none;
    if (calls_.empty()) {
        ADD_FAILURE() << "no message box was shown";
        return none;
    }
    return calls_.back();
}

}  // namespace tvx::testing
