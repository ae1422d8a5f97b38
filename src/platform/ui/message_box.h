#pragma once
// Message boxes as the platform offers them: a prompt, a style word that
// combines the buttons, the icon and the default button, a title, and the
// number of the button the user answered with.
#include <QString>
#include <vector>

namespace tvx::ui {

// Style word pieces (they add up: vbYesNo + vbQuestion + vbDefaultButton2).
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

// The answers: which button was pressed.
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

enum class MsgBoxIcon { None, Critical, Question, Exclamation, Information };

// The buttons a style shows, in the order they appear (left to right).
std::vector<MsgBoxResult> msgBoxButtons(int style);
MsgBoxIcon msgBoxIcon(int style);
// The answer of the default button; a default beyond the buttons shown falls
// back to the first button, as the platform does.
MsgBoxResult msgBoxDefaultAnswer(int style);
// The answer given when the box is dismissed with Escape or its close box:
// Cancel where there is one, OK for a lone OK button, otherwise none (0).
int msgBoxEscapeAnswer(int style);

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows the box modally and returns the button answered (one of MsgBoxResult).
    virtual int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = {}) = 0;
};

}  // namespace tvx::ui
