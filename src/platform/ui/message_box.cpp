#include "platform/ui/message_box.h"

namespace tvx::ui {

namespace {
constexpr int ButtonsMask = 0x7;
constexpr int IconMask = 0x70;
constexpr int DefaultMask = 0xF00;
}  // namespace

std::vector<MsgBoxResult> msgBoxButtons(int style) {
    switch (style & ButtonsMask) {
        case vbOKCancel:
            return {vbOK, vbCancel};
        case vbAbortRetryIgnore:
            return {vbAbort, vbRetry, vbIgnore};
        case vbYesNoCancel:
            return {vbYes, vbNo, vbCancel};
        case vbYesNo:
            return {vbYes, vbNo};
        case vbRetryCancel:
            return {vbRetry, vbCancel};
        default:
            return {vbOK};
    }
}

MsgBoxIcon msgBoxIcon(int style) {
    switch (style & IconMask) {
        case vbCritical:
            return MsgBoxIcon::Critical;
        case vbQuestion:
            return MsgBoxIcon::Question;
        case vbExclamation:
            return MsgBoxIcon::Exclamation;
        case vbInformation:
            return MsgBoxIcon::Information;
        default:
            return MsgBoxIcon::None;
    }
}

MsgBoxResult msgBoxDefaultAnswer(int style) {
    const auto buttons = msgBoxButtons(style);
    const auto index = std::size_t((style & DefaultMask) >> 8);
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int msgBoxEscapeAnswer(int style) {
    const auto buttons = msgBoxButtons(style);
    for (const auto answer : buttons)
        if (answer == vbCancel) return vbCancel;
    return buttons.size() == 1 ? int(buttons.front()) : 0;
}

}  // namespace tvx::ui
